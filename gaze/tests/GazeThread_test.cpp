#include "GazeThread.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "GazeTestSupport.h"

namespace lumora {
namespace {

using test::Posted;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kEyeWidth = 40;
constexpr int kEyeHeight = 30;
constexpr int kRate = 60;
// 60 samples/s and 40 ms give 3 samples.
constexpr float kMinFixMs = 40.0f;
// 12.7 mm on a 1024 px screen is 38 px.
constexpr float kGazeDev = 12.7f;

// Stands in for the tracker library: plays a script of samples, logs every call together with
// what is posted, and clears gazeRunning when the script is used up.
struct FakeTracker {
    std::vector<GazeSample> script;
    std::size_t next = 0;
    GazeShared* shared = nullptr;
    GazeSample current{};
    std::vector<std::string> log;
    TrackerControl seenAtInit{};
    int startedAtFirstSample = -1;
    bool calibratedBeforeInit = false;
    std::vector<std::string> displays;

    // For the stop-while-waiting case: QvGetData blocks until released.
    bool blockFirstSample = false;
    bool waiting = false;
    bool released = false;
    std::mutex mutex;
    std::condition_variable changed;

    void record(std::string entry) {
        std::lock_guard lock(mutex);
        log.push_back(std::move(entry));
    }
};

FakeTracker* g_fake = nullptr;

int FakeInit(TrackerControl* c) {
    g_fake->seenAtInit = *c;
    g_fake->calibratedBeforeInit = std::filesystem::exists("calibrated");
    g_fake->record("QvInit");
    c->sample = &g_fake->current;
    c->iSamplePerSec = kRate;
    return 0;
}

int FakeEyeImageInit(EyeImageInfo* info, int mode) {
    g_fake->record("QvEyeImageInit " + std::to_string(mode));
    info->width = kEyeWidth;
    info->height = kEyeHeight;
    return 0;
}

int FakeGetData(TrackerControl* c) {
    FakeTracker& f = *g_fake;
    if (f.startedAtFirstSample < 0)
        f.startedAtFirstSample = c->started;
    if (f.blockFirstSample && f.next == 0) {
        std::unique_lock lock(f.mutex);
        f.waiting = true;
        f.changed.notify_all();
        f.changed.wait(lock, [&f] { return f.released; });
    }
    f.record("QvGetData");
    if (f.next < f.script.size())
        f.current = f.script[f.next++];
    else
        f.current = GazeSample{0, 0, 0};
    if (f.next >= f.script.size())
        f.shared->gazeRunning.store(false);
    return 0;
}

int FakeEyeImageDisplay(int image, int left, int top, int width, int height, void* surface) {
    if (g_fake->displays.empty())
        g_fake->displays.push_back(std::to_string(image) + " " + std::to_string(left) + " " + std::to_string(top) +
                                   " " + std::to_string(width) + " " + std::to_string(height) + " " +
                                   (surface ? "surface" : "null"));
    return 0;
}

int FakeExit(TrackerControl*) {
    g_fake->record("QvExit");
    return 0;
}

constexpr TrackerApi kFakeApi{&FakeInit, &FakeEyeImageInit, &FakeGetData, &FakeEyeImageDisplay, &FakeExit};

// Logs posts into the fake's call log as well, so the order of the two shows.
class LoggingSink : public test::RecordingSink {
public:
    void post(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override {
        test::RecordingSink::post(msg, wParam, lParam);
        char name[16];
        std::snprintf(name, sizeof name, "post 0x%04x", msg);
        g_fake->record(name);
    }
};

class GazeThreadTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "UTC", 1);
        tzset();
        m_fake.shared = &m_shared;
        g_fake = &m_fake;
    }
    void TearDown() override { g_fake = nullptr; }

    // Runs the thread over the script to its end and returns what it posted.
    std::vector<Posted> run(std::vector<GazeSample> script, GazeTuning tuning = {kMinFixMs, true, kGazeDev}) {
        m_fake.script = std::move(script);
        GazeThread thread(m_sink, m_shared, tuning, kWidth, kHeight, kFakeApi);
        thread.setStartTime(kStart);
        thread.start();
        thread.join();
        return m_sink.posted();
    }

    std::vector<Posted> gazePosts() const {
        std::vector<Posted> out;
        for (const Posted& p : m_sink.posted())
            if (p.msg != WM_TRACKER_READY && p.msg != WM_CLOSE)
                out.push_back(p);
        return out;
    }

    static std::vector<GazeSample> Steady(int x, int y, int count) {
        return std::vector<GazeSample>(static_cast<std::size_t>(count), GazeSample{1, x, y});
    }

    static constexpr std::time_t kStart = 1117052460;  // 2005-05-25 20:21 UTC
    testsupport::ScratchDir m_dir;
    FakeTracker m_fake;
    GazeShared m_shared;
    LoggingSink m_sink;
};

TEST_F(GazeThreadTest, StartsUpInOrderAndShutsDown) {
    run(Steady(100, 100, 2));
    EXPECT_EQ(m_fake.log, (std::vector<std::string>{"post 0x8104", "QvInit", "QvEyeImageInit 4", "QvGetData",
                                                  "post 0x8101", "QvGetData", "post 0x8101", "QvExit", "post 0x0010"}));
    EXPECT_EQ(m_fake.seenAtInit.requestedRate, 60);
    EXPECT_EQ(m_fake.seenAtInit.started, 0);
    EXPECT_EQ(m_fake.seenAtInit.screenWidth, kWidth);
    EXPECT_EQ(m_fake.seenAtInit.screenHeight, kHeight);
    EXPECT_EQ(m_fake.seenAtInit.option20, 0);
    EXPECT_EQ(m_fake.seenAtInit.option24, 1);
    EXPECT_EQ(m_fake.seenAtInit.option28, 0);
    EXPECT_EQ(m_fake.startedAtFirstSample, 1);
    EXPECT_EQ(m_fake.displays, (std::vector<std::string>{"0 984 0 40 30 null"}));
    EXPECT_EQ(m_shared.iSamplePerSec.load(), kRate);
    EXPECT_EQ(m_shared.minimum_fix_samples.load(), 3);
    EXPECT_FALSE(m_shared.dataFile.isOpen());
    const auto posts = m_sink.posted();
    EXPECT_EQ(posts.front(), (Posted{WM_TRACKER_READY, 0, 0}));
    EXPECT_EQ(posts.back(), (Posted{WM_CLOSE, 0, 0}));
}

TEST_F(GazeThreadTest, RunsTheCalibrationProgramFirstAndWaits) {
    {
        std::ofstream script("Calibrate");
        script << "#!/bin/sh\nsleep 0.2\ntouch calibrated\n";
    }
    std::filesystem::permissions("Calibrate", std::filesystem::perms::owner_all);
    run(Steady(1, 1, 1));
    EXPECT_TRUE(m_fake.calibratedBeforeInit);
}

// A calibration waiting on a silent tracker must not hold up a stop: the program is ended and
// the thread shuts down the normal way at once.
TEST_F(GazeThreadTest, StopDuringCalibrationEndsTheCalibrationProgram) {
    {
        std::ofstream script("Calibrate");
        script << "#!/bin/sh\ntouch started\nsleep 5\ntouch calibrated\n";
    }
    std::filesystem::permissions("Calibrate", std::filesystem::perms::owner_all);
    m_fake.script = Steady(1, 1, 1);
    GazeThread thread(m_sink, m_shared, {kMinFixMs, true, kGazeDev}, kWidth, kHeight, kFakeApi);
    thread.start();
    for (int i = 0; i < 1000 && !std::filesystem::exists("started"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(std::filesystem::exists("started"));
    thread.requestStop();
    thread.join();
    EXPECT_FALSE(std::filesystem::exists("calibrated"));
    EXPECT_FALSE(m_fake.calibratedBeforeInit);
    EXPECT_EQ(m_sink.posted().back().msg, WM_CLOSE);
}

TEST_F(GazeThreadTest, CalibrationProgramThatCannotRunIsSkipped) {
    std::ofstream("Calibrate") << "#!/bin/sh\ntouch calibrated\n";  // not executable
    std::filesystem::permissions("Calibrate", std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    run(Steady(1, 1, 1));
    EXPECT_FALSE(m_fake.calibratedBeforeInit);
    EXPECT_EQ(m_sink.posted().back().msg, WM_CLOSE);
}

TEST_F(GazeThreadTest, CalibrationProgramIsFoundBesideTheProgramOrInTheInstalledSuite) {
    namespace fs = std::filesystem;
    const auto executable = [](const fs::path& path) {
        if (path.has_parent_path())
            fs::create_directories(path.parent_path());
        std::ofstream(path) << "#!/bin/sh\n";
        fs::permissions(path, fs::perms::owner_all);
    };
    const fs::path root = fs::absolute("suite");
    EXPECT_EQ(FindCalibrationProgram((root / "bin").string()), "");
    executable(root / "libexec/lumora/Calibrate");
    EXPECT_EQ(FindCalibrationProgram((root / "bin").string()), (root / "libexec/lumora/Calibrate").string());
    // Beside the program comes first (the build tree), the working folder before both.
    executable(root / "bin/Calibrate");
    EXPECT_EQ(FindCalibrationProgram((root / "bin").string()), (root / "bin/Calibrate").string());
    executable("Calibrate");
    EXPECT_EQ(FindCalibrationProgram((root / "bin").string()), "./Calibrate");
}

TEST_F(GazeThreadTest, FirstPostsCarryTheEmptyDelayedEntry) {
    run(Steady(1023, 767, 3));
    EXPECT_EQ(gazePosts(), (std::vector<Posted>(3, Posted{WM_GAZE_POINT, 0, 0})));
}

TEST_F(GazeThreadTest, SteadyGazeFixatesAndDwells) {
    run(Steady(1023, 767, 30));
    const auto posts = gazePosts();
    std::vector<int> dwellAt;
    int pointIndex = 0;
    Posted lastPoint{};
    for (const Posted& p : posts) {
        if (p.msg == WM_GAZE_POINT) {
            ++pointIndex;
            lastPoint = p;
            if (pointIndex > 3) {
                EXPECT_EQ(p.wParam, 1u) << pointIndex;
            }
        } else {
            ASSERT_EQ(p.msg, WM_GAZE_DWELL);
            EXPECT_EQ(p.wParam, 1u);
            EXPECT_EQ(p.lParam, (767 << 16) | 1023);
            dwellAt.push_back(pointIndex);
        }
    }
    EXPECT_EQ(pointIndex, 30);
    // Smoothing over 10 reaches back into the three empty entries at first, then settles.
    EXPECT_EQ(lastPoint.lParam, MakePointLParam(1023, 767));
    // Fixating from the 4th sample; the first check (against the origin) fails, then every 3rd.
    EXPECT_EQ(dwellAt, (std::vector<int>{9, 12, 15, 18, 21, 24, 27, 30}));
}

TEST_F(GazeThreadTest, SmoothedPointAveragesOverTheDelayedEntries) {
    run(Steady(1000, 500, 5));
    const auto posts = gazePosts();
    ASSERT_EQ(posts.size(), 5u);
    EXPECT_EQ(posts[3], (Posted{WM_GAZE_POINT, 1, MakePointLParam(250, 125)}));  // (0,0,0,1000)/4
    EXPECT_EQ(posts[4], (Posted{WM_GAZE_POINT, 1, MakePointLParam(400, 200)}));
}

TEST_F(GazeThreadTest, PointsOffTheScreenArriveAsLargeUnsignedHalves) {
    run(Steady(-5, -10, 14));
    const Posted last = gazePosts().back();
    EXPECT_EQ(last.msg, WM_GAZE_POINT);
    EXPECT_EQ(last.x(), 65531u);
    EXPECT_EQ(last.y(), 65526u);
}

// 65536 pixels beyond the screen packs to the same 16 bits as a point on it; such gaze must not
// arrive on the screen (here, where the Exit button of a 1024 x 768 screen is).
TEST_F(GazeThreadTest, GazeFarOffTheScreenDoesNotWrapOntoIt) {
    const struct {
        int x, y;
        unsigned arrivesX, arrivesY;
    } cases[] = {
        {970 + 65536, 500, 2047, 500},
        {970 - 65536, 500, 65536 - 1024, 500},
        {970, 500 + 65536, 970, 1535},
        {970, 500 - 3 * 65536, 970, 65536 - 768},
        {2147483647, -2147483647 - 1, 2047, 65536 - 768},
    };
    for (const auto& c : cases) {
        test::RecordingSink caseSink;
        GazeShared caseShared;
        m_fake.shared = &caseShared;
        m_fake.script = Steady(c.x, c.y, 30);
        m_fake.next = 0;
        GazeThread thread(caseSink, caseShared, {kMinFixMs, true, kGazeDev}, kWidth, kHeight, kFakeApi);
        thread.setStartTime(kStart);
        thread.start();
        thread.join();
        for (const Posted& p : caseSink.posted()) {
            if (p.msg != WM_GAZE_POINT && p.msg != WM_GAZE_DWELL)
                continue;
            EXPECT_FALSE(p.x() < unsigned(kWidth) && p.y() < unsigned(kHeight) && p.lParam != 0)
                << c.x << "," << c.y << " arrived at " << p.x() << "," << p.y();
        }
        const Posted last = caseSink.posted()[caseSink.posted().size() - 2];
        EXPECT_EQ(last.x(), c.arrivesX) << c.x;
        EXPECT_EQ(last.y(), c.arrivesY) << c.y;
    }
}

TEST_F(GazeThreadTest, LookingAwayEndsTheFixation) {
    auto script = Steady(200, 200, 10);
    auto away = Steady(800, 600, 6);
    script.insert(script.end(), away.begin(), away.end());
    run(script);
    const auto posts = gazePosts();
    int ends = 0;
    for (std::size_t i = 0; i < posts.size(); ++i) {
        if (posts[i].msg == WM_GAZE_FIXATION_END) {
            ++ends;
            EXPECT_EQ(posts[i], (Posted{WM_GAZE_FIXATION_END, 1, MakePointLParam(200, 200)}));
        }
    }
    EXPECT_EQ(ends, 1);
    // The sample that reports the end posts no gaze point.
    int points = 0;
    for (const Posted& p : posts)
        points += p.msg == WM_GAZE_POINT;
    EXPECT_EQ(points, 15);
}

TEST_F(GazeThreadTest, SamplesWithoutTheEyeDoNothing) {
    std::vector<GazeSample> plain = Steady(300, 300, 12);
    std::vector<GazeSample> mixed;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        mixed.push_back(GazeSample{0, 999, 999});
        mixed.push_back(GazeSample{2, 5, 5});  // only exactly 1 is valid
        mixed.push_back(plain[i]);
    }
    const auto withGaps = run(mixed);
    const std::string withGapsFile = testsupport::ReadFile(GazeDataFile::PathFor(kStart));

    std::filesystem::remove_all("Lumora");
    LoggingSink cleanSink;
    m_fake.next = 0;
    m_fake.script = plain;
    {
        GazeThread thread(cleanSink, m_shared, GazeTuning{kMinFixMs, true, kGazeDev}, kWidth, kHeight, kFakeApi);
        thread.setStartTime(kStart);
        thread.start();
        thread.join();
    }
    EXPECT_EQ(withGaps, cleanSink.posted());
    EXPECT_EQ(withGapsFile, testsupport::ReadFile(GazeDataFile::PathFor(kStart)));
}

TEST_F(GazeThreadTest, DataFileHasTheHeaderAndOneLinePerValidSample) {
    run({GazeSample{1, 512, 384}, GazeSample{0, 1, 1}, GazeSample{1, -3, 70000}});
    EXPECT_EQ(testsupport::ReadFile("Lumora/Data/LMdata2005-05-25_2021.dat"),
              "Lumora version: 2.7\niScreenWidth:1024\niScreenHeight:768\niSamplePerSec:60\n"
              "fMinFixMs:40\nYellow:1\nGazeDev:12.7\n[512,384]\n[-3,70000]\n");
}

TEST_F(GazeThreadTest, RunsInTheSameMinuteShareTheFile) {
    run(Steady(1, 2, 1));
    m_fake.next = 0;
    run(Steady(3, 4, 1));
    const auto lines = testsupport::ReadLines(GazeDataFile::PathFor(kStart));
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[7], "[1,2]");
    EXPECT_EQ(lines[8], "Lumora version: 2.7");
    EXPECT_EQ(lines[15], "[3,4]");
}

TEST_F(GazeThreadTest, UnopenableDataFileKeepsTheGazeFlowing) {
    std::filesystem::create_directories("Lumora");
    std::ofstream("Lumora/Data") << "a file where the folder belongs";
    ::testing::internal::CaptureStderr();
    run(Steady(50, 60, 8));
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(gazePosts().size(), 8u);
    EXPECT_EQ(m_sink.posted().back().msg, WM_CLOSE);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("Lumora/Data/LMdata2005-05-25_2021.dat"), std::string::npos) << err;
    EXPECT_EQ(m_fake.log.back(), "post 0x0010");
}

TEST_F(GazeThreadTest, NoSettingsFileStillDwells) {
    // Without a settings file fMinFixMs is 0, and so is the sample count.
    run(Steady(5, 5, 8), GazeTuning{});
    EXPECT_EQ(m_shared.minimum_fix_samples.load(), 0);
    const auto posts = gazePosts();
    // The detector works with 3; each fixating sample is a dwell check of its own. GazeDev 0
    // gives a 0 px threshold, so only a check at the very same point passes: from the second on.
    std::vector<unsigned> kinds;
    for (const Posted& p : posts)
        kinds.push_back(p.msg);
    const std::vector<unsigned> expected{WM_GAZE_POINT, WM_GAZE_POINT, WM_GAZE_POINT, WM_GAZE_POINT,
                                         WM_GAZE_POINT, WM_GAZE_DWELL, WM_GAZE_POINT, WM_GAZE_DWELL,
                                         WM_GAZE_POINT, WM_GAZE_DWELL, WM_GAZE_POINT, WM_GAZE_DWELL};
    EXPECT_EQ(kinds, expected);
}

TEST_F(GazeThreadTest, SampleCountChangedWhileRunningIsUsed) {
    m_fake.script = Steady(5, 5, 20);
    // After the thread has set the count, the settings command changes it.
    struct Changer {
        static int GetData(TrackerControl* c) {
            if (g_fake->next == 1)
                g_fake->shared->minimum_fix_samples.store(6);
            return FakeGetData(c);
        }
    };
    TrackerApi api = kFakeApi;
    api.QvGetData = &Changer::GetData;
    GazeThread thread(m_sink, m_shared, GazeTuning{kMinFixMs, false, 10.0f}, kWidth, kHeight, api);
    thread.start();
    thread.join();
    int points = 0;
    std::vector<int> dwellAt;
    for (const Posted& p : gazePosts()) {
        if (p.msg == WM_GAZE_POINT)
            ++points;
        else if (p.msg == WM_GAZE_DWELL)
            dwellAt.push_back(points);
    }
    // Delay 6: fixating from the 7th sample, a check every 6th fixating sample, the first passes
    // since (5, 5) is within 30 px of the origin.
    EXPECT_EQ(dwellAt, (std::vector<int>{12, 18}));
}

TEST_F(GazeThreadTest, StopWhileWaitingFinishesThatSample) {
    m_fake.script = {GazeSample{1, 640, 480}, GazeSample{1, 1, 1}};
    m_fake.blockFirstSample = true;
    GazeThread thread(m_sink, m_shared, GazeTuning{kMinFixMs, true, kGazeDev}, kWidth, kHeight, kFakeApi);
    thread.setStartTime(kStart);
    thread.start();
    {
        std::unique_lock lock(m_fake.mutex);
        m_fake.changed.wait(lock, [this] { return m_fake.waiting; });
    }
    thread.requestStop();
    {
        std::lock_guard lock(m_fake.mutex);
        m_fake.released = true;
    }
    m_fake.changed.notify_all();
    thread.join();
    EXPECT_EQ(m_fake.next, 1u);  // no second sample asked for
    EXPECT_EQ(m_sink.posted(), (std::vector<Posted>{{WM_TRACKER_READY, 0, 0}, {WM_GAZE_POINT, 0, 0}, {WM_CLOSE, 0, 0}}));
    const auto lines = testsupport::ReadLines(GazeDataFile::PathFor(kStart));
    EXPECT_EQ(lines.back(), "[640,480]");
    EXPECT_EQ(m_fake.log[m_fake.log.size() - 2], "QvExit");
}

TEST_F(GazeThreadTest, DestructorStopsTheThread) {
    m_fake.script = Steady(1, 1, 1000000);
    {
        GazeThread thread(m_sink, m_shared, GazeTuning{kMinFixMs, true, kGazeDev}, kWidth, kHeight, kFakeApi);
        thread.start();
        while (m_sink.posted().size() < 5)
            std::this_thread::yield();
    }
    EXPECT_FALSE(m_shared.gazeRunning.load());
    EXPECT_EQ(m_sink.posted().back().msg, WM_CLOSE);
}

}  // namespace
}  // namespace lumora
