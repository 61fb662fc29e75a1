// Lumora's start-up with a real main window offscreen: the gaze settings file checked before the
// window reads it, and trackers faster than the program takes, run through the real tracker
// library from a tracker process of their own.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>
#include <vector>

#include "canvas/CPaintDlg.h"
#include "LumoraGuiTest.h"
#include "GazeTuning.h"
#include "app/LumoraApp.h"
#include "app/MainDlg.h"
#include "app/MessageRegistry.h"

using namespace lumora;

namespace {

// Works in a fresh folder of the test's own inside the test's scratch folder.
class ScratchFolder {
public:
    ScratchFolder() : m_previous(QDir::currentPath()) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        QString name = QStringLiteral("scratch_%1.%2").arg(info->test_suite_name(), info->name());
        name.replace('/', '_');
        QDir here(m_previous);
        QDir(here.filePath(name)).removeRecursively();
        here.mkpath(name + QStringLiteral("/Lumora"));
        QDir::setCurrent(here.filePath(name));
    }
    ~ScratchFolder() { QDir::setCurrent(m_previous); }

private:
    QString m_previous;
};

void Put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

const QString kSettings = QStringLiteral("Lumora/LMSettings.ini");

bool SameTuning(const GazeTuning& a, const GazeTuning& b) {
    return a.fMinFixMs == b.fMinFixMs && a.Yellow == b.Yellow && a.GazeDev == b.GazeDev;
}

}  // namespace

// A settings file emptied by a crash used to give dwell timing 0 and size 0 at every start,
// silently: now the window starts with the first-run values and the user is told once.
TEST(LumoraStartupTest, AnEmptiedSettingsFileStartsWithTheFirstRunValues) {
    ScratchFolder scratch;
    Put(kSettings, "");
    const SettingsRepair repair = RepairGazeSettings(QString());
    EXPECT_EQ(repair.outcome, SettingsRepair::Replaced);
    EXPECT_FALSE(repair.message.isEmpty());
    MainDlg main(QRect(QPoint(0, 0), test::kScreen), false);
    EXPECT_TRUE(SameTuning(main.tuning(), FirstRunGazeTuning()));
    // The next start finds a good file and says nothing.
    EXPECT_EQ(RepairGazeSettings(QString()).outcome, SettingsRepair::Usable);
}

// A folder that cannot be moved aside (a full folder of the bad name is in the way) still lets
// the program run, with the first-run values.
TEST(LumoraStartupTest, AFolderThatStaysRunsWithTheFirstRunValues) {
    ScratchFolder scratch;
    QDir().mkpath(kSettings);
    QDir().mkpath(kSettings + QStringLiteral(".bad/kept"));
    const SettingsRepair repair = RepairGazeSettings(QString());
    EXPECT_EQ(repair.outcome, SettingsRepair::Unreplaceable);
    EXPECT_TRUE(repair.message.contains(QStringLiteral("cannot be moved aside"))) << repair.message.toStdString();
    MainDlg main(QRect(QPoint(0, 0), test::kScreen), false);
    EXPECT_TRUE(SameTuning(main.tuning(), FirstRunGazeTuning()));
}

namespace {

// A UDP port on 127.0.0.1 chosen by the OS, free when asked; the tracker library binds it next.
int FreeUdpPort() {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    bind(fd, reinterpret_cast<sockaddr*>(&addr), len);
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    close(fd);
    return ntohs(addr.sin_port);
}

// Counts the dwell messages that reach the canvas.
class DwellCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == LumoraMessageEvent::eventType() &&
            static_cast<LumoraMessageEvent*>(e)->msg() == WM_GAZE_DWELL)
            ++count;
        return false;
    }
};

struct RateCase {
    const char* name;
    bool pupil;
    int rate;
};

class LumoraFastTracker : public ::testing::TestWithParam<RateCase> {};

}  // namespace

// A tracker faster than the program takes used to end Lumora at its first sample (exit 99).
// Through the real library, from a tracker process of its own: the program keeps running, is
// told at most 120 samples a second, and dwells with the timing in milliseconds of 60 a second,
// within one sample.
TEST_P(LumoraFastTracker, KeepsRunningAndDwellsOnTime) {
    const RateCase& c = GetParam();
    const QString helper = QCoreApplication::applicationDirPath() + QStringLiteral("/qvtrack_fake_tracker");
    ASSERT_TRUE(QFile::exists(helper)) << "build the target qvtrack_fake_tracker first";
    ScratchFolder scratch;
    Put(kSettings, "[FixTime]\nfMinFixMs=500\n[GazeDev]\nThresh=12.7\n");
    // On the canvas of a 1920 x 1080 screen.
    const QStringList point = {QStringLiteral("900"), QStringLiteral("500")};
    QProcess tracker;
    QString source;
    if (c.pupil) {
        tracker.start(helper, QStringList{QStringLiteral("pupil"), QString::number(c.rate), QStringLiteral("30")} +
                                  point + QStringList{QStringLiteral("1920"), QStringLiteral("1080")});
        if (!tracker.waitForReadyRead(10000) && tracker.state() == QProcess::NotRunning && tracker.exitCode() == 3)
            GTEST_SKIP() << "built without the pupil source";
        const int remote = tracker.readLine().trimmed().toInt();
        ASSERT_GT(remote, 0);
        source = QStringLiteral("pupil:127.0.0.1:%1").arg(remote);
    } else {
        const int port = FreeUdpPort();
        source = QStringLiteral("udp:%1").arg(port);
        tracker.start(helper, QStringList{QStringLiteral("udp"), QString::number(port), QString::number(c.rate),
                                          QStringLiteral("30")} +
                                  point);
        ASSERT_TRUE(tracker.waitForStarted(10000));
    }
    qputenv("QVTRACK_SOURCE", source.toLocal8Bit());
    qputenv("QVTRACK_RATE", QByteArray::number(c.rate));
    {
        MainDlg main(QRect(QPoint(0, 0), test::kScreen), true);
        DwellCounter dwells;
        main.canvas()->installEventFilter(&dwells);
        QElapsedTimer guard;
        guard.start();
        while (dwells.count < 3 && guard.elapsed() < 30000 && !main.gazeThreadEnded()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        main.canvas()->removeEventFilter(&dwells);
        EXPECT_GE(dwells.count, 3);
        EXPECT_FALSE(main.gazeThreadEnded());
        const int rate = main.gazeShared().iSamplePerSec.load();
        EXPECT_EQ(rate, std::min(c.rate, 120));
        ASSERT_GT(rate, 0);
        const int samples = main.gazeShared().minimum_fix_samples.load();
        EXPECT_EQ(samples, MinimumFixSamples(rate, 500.0f));
        const double dwellMs = 1000.0 * samples / rate;
        const double dwellMsAt60 = 1000.0 * MinimumFixSamples(60, 500.0f) / 60;
        EXPECT_LE(std::abs(dwellMs - dwellMsAt60), 1000.0 / 60) << dwellMs << " ms against " << dwellMsAt60;
        std::printf("%s: %d samples/s delivered, dwell every %d samples = %.1f ms, %d dwells in %.2f s\n", c.name, rate,
                    samples, dwellMs, dwells.count, guard.elapsed() / 1000.0);
    }
    qunsetenv("QVTRACK_SOURCE");
    qunsetenv("QVTRACK_RATE");
    tracker.kill();
    tracker.waitForFinished(5000);
}

INSTANTIATE_TEST_SUITE_P(Rates, LumoraFastTracker,
                         ::testing::Values(RateCase{"Udp60", false, 60}, RateCase{"Udp250", false, 250},
                                           RateCase{"Udp1000", false, 1000}, RateCase{"Pupil250", true, 250},
                                           RateCase{"Pupil1000", true, 1000}),
                         [](const auto& info) { return std::string(info.param.name); });
