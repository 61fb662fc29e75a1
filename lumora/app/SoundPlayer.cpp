#include "app/SoundPlayer.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <optional>

#include "files/WaveFile.h"

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
        const std::optional<std::chrono::milliseconds> length = start(path);
        if (!length)
            return;
        // The end is normally told by the effect; a device that never tells must not hold the
        // window longer than the sound itself would have.
        constexpr std::chrono::milliseconds kSlack(1000);
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
        guard.start(*length + kSlack);
        loop.exec();
    }

    void stop() override { m_effect.stop(); }

private:
    // Starts the file; the sound's length, or nothing when it cannot play.
    std::optional<std::chrono::milliseconds> start(const QString& path) {
        if (!haveDevice())
            return std::nullopt;
        // Read by its header first: only a regular wave file goes to the effect, which would
        // otherwise wait on a FIFO or fail on anything else some time later.
        const std::optional<std::chrono::milliseconds> length = WaveFileLength(path);
        if (!length)
            return std::nullopt;
        m_effect.stop();
        const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        if (m_effect.source() != url)
            m_effect.setSource(url);
        m_effect.play();  // from the beginning; as soon as the file has loaded
        return length;
    }

    // Asked at every sound, since a device may come and go; said once when there is none, or
    // the audio system would say it for every click.
    bool haveDevice() {
        if (!QMediaDevices::defaultAudioOutput().isNull())
            return true;
        if (!m_toldNoDevice) {
            m_toldNoDevice = true;
            qWarning("%s", kNoAudioDeviceWarning);
        }
        return false;
    }

    QSoundEffect m_effect;
    bool m_toldNoDevice = false;
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
