#include "SoundPlayer.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace lumora {
namespace {

class SilentSoundPlayer : public SoundPlayer {
public:
    void playAsync(const QString&) override {}
    void playSync(const QString&) override {}
    void stop() override {}
};

// One effect object, so a new sound replaces the one still playing.
class QtSoundPlayer : public SoundPlayer {
public:
    void playAsync(const QString& path) override { start(path); }

    void playSync(const QString& path) override {
        if (!start(path))
            return;
        // A broken file or a missing audio device must not hang the window: give up after a
        // generous bound rather than wait for a signal that may never come.
        constexpr int kLongestSoundMs = 120000;
        QEventLoop loop;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
        QObject::connect(&m_effect, &QSoundEffect::playingChanged, &loop, [&] {
            if (!m_effect.isPlaying() && m_effect.status() != QSoundEffect::Loading)
                loop.quit();
        });
        QObject::connect(&m_effect, &QSoundEffect::statusChanged, &loop, [&] {
            if (m_effect.status() == QSoundEffect::Error)
                loop.quit();
        });
        guard.start(kLongestSoundMs);
        loop.exec();
    }

    void stop() override { m_effect.stop(); }

private:
    bool start(const QString& path) {
        const QFileInfo file(path);
        if (!file.isFile())
            return false;
        m_effect.stop();
        const QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
        if (m_effect.source() == url) {
            m_effect.play();  // restarts from the beginning
        } else {
            m_effect.setSource(url);
            m_effect.play();  // starts as soon as the file has loaded
        }
        return true;
    }

    QSoundEffect m_effect;
};

std::unique_ptr<SoundPlayer>& Installed() {
    static std::unique_ptr<SoundPlayer> player;
    return player;
}

}  // namespace

std::unique_ptr<SoundPlayer> MakeQtSoundPlayer() {
    return std::make_unique<QtSoundPlayer>();
}

SoundPlayer& Sound() {
    static SilentSoundPlayer silent;
    auto& player = Installed();
    return player ? *player : static_cast<SoundPlayer&>(silent);
}

std::unique_ptr<SoundPlayer> SetSoundPlayer(std::unique_ptr<SoundPlayer> player) {
    auto previous = std::move(Installed());
    Installed() = std::move(player);
    return previous;
}

}  // namespace lumora
