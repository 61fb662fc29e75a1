// The real sound player (Qt Multimedia) on a machine without an audio device, which is what the
// test machines are, and with sounds that cannot play.
#include "app/SoundPlayer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>
#include <functional>

#include "LumoraGuiTest.h"

using namespace lumora;

namespace {

// A tenth of a second of silence, 16-bit mono at 22050 samples a second.
QByteArray ShortWave() {
    const auto put32 = [](QByteArray& out, std::uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8)
            out.append(static_cast<char>((v >> shift) & 0xFF));
    };
    QByteArray fmt;
    for (const std::uint32_t v : {0x00010001u, 22050u, 44100u, 0x00100002u})
        put32(fmt, v);
    QByteArray wave("RIFF");
    put32(wave, 4 + 8 + 16 + 8 + 4410);
    wave += "WAVEfmt ";
    put32(wave, 16);
    wave += fmt + "data";
    put32(wave, 4410);
    wave += QByteArray(4410, '\0');
    return wave;
}

// Whether the call spun an event loop (waited for the sound) before it returned.
bool Waited(const std::function<void()>& call) {
    bool loopRan = false;
    QTimer::singleShot(0, [&] { loopRan = true; });
    call();
    const bool waited = loopRan;
    QCoreApplication::processEvents();  // the timer is done with before `loopRan` goes
    return waited;
}

class QtSoundPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::App();
        test::EnterOwnFolder();
        QFile f("short.wav");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(ShortWave());
        f.close();
        QFile text("notes.wav");
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("not a sound at all");
        text.close();
        ASSERT_EQ(::mkfifo("fifo.wav", 0600), 0);
        Caught().clear();
        m_previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtWarningMsg)
                Caught() << text;
        });
        m_player = MakeQtSoundPlayer();
    }
    void TearDown() override {
        m_player.reset();
        qInstallMessageHandler(m_previous);
    }
    static QStringList& Caught() {
        static QStringList caught;
        return caught;
    }
    static int Said(const QString& what) {
        int n = 0;
        for (const QString& line : Caught())
            n += line.contains(what);
        return n;
    }

    std::unique_ptr<SoundPlayer> m_player;

private:
    QtMessageHandler m_previous = nullptr;
};

}  // namespace

TEST_F(QtSoundPlayerTest, WithoutADeviceASoundReturnsAtOnceAndThatIsSaidOnce) {
    if (!QMediaDevices::defaultAudioOutput().isNull())
        GTEST_SKIP() << "this machine has an audio device";
    // The help window's Close: the click played to its end, then the window goes.
    EXPECT_FALSE(Waited([&] { m_player->playSync("short.wav"); }));
    for (int i = 0; i < 5; ++i) {
        m_player->playAsync("short.wav");
        EXPECT_FALSE(Waited([&] { m_player->playSync("short.wav"); }));
        m_player->stop();
    }
    EXPECT_EQ(Said(QStringLiteral("No audio device")), 1) << qPrintable(Caught().join('\n'));
}

TEST_F(QtSoundPlayerTest, ASoundThatCannotPlayReturnsAtOnce) {
    // Whatever the machine's audio: a missing file, a FIFO named like a sound (which must not
    // hang the program) and a file that is no wave play nothing.
    for (const char* path : {"missing.wav", "fifo.wav", "notes.wav", "."}) {
        EXPECT_FALSE(Waited([&] { m_player->playSync(QString::fromLatin1(path)); })) << path;
        m_player->playAsync(QString::fromLatin1(path));
    }
    m_player->stop();
}
