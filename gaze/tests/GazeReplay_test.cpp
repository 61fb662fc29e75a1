// A gaze data file written by the gaze thread, replayed through the tracker library, gives the
// thread the same samples again, so the same messages are posted.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <vector>

#include "GazeTestSupport.h"
#include "GazeThread.h"

namespace lumora {
namespace {

using test::Posted;

constexpr int kWidth = 1280;
constexpr int kHeight = 1024;
constexpr GazeTuning kTuning{100.0f, true, 6.35f};  // 7 samples at 60 per second, 24 px

std::vector<GazeSample> g_script;
std::size_t g_next = 0;
GazeSample g_current{};
GazeShared* g_shared = nullptr;

int ScriptInit(TrackerControl* c) {
    c->sample = &g_current;
    c->iSamplePerSec = 60;  // the replay source's default rate
    return 0;
}
int ScriptEyeImageInit(EyeImageInfo* info, int) {
    info->width = info->height = 0;
    return 0;
}
int ScriptGetData(TrackerControl*) {
    g_current = g_next < g_script.size() ? g_script[g_next++] : GazeSample{0, 0, 0};
    if (g_next >= g_script.size())
        g_shared->gazeRunning.store(false);
    return 0;
}
int ScriptDisplay(int, int, int, int, int, void*) {
    return 0;
}
int ScriptExit(TrackerControl*) {
    return 0;
}

// Stops the thread once it has posted as many gaze messages as the recording gave.
class StoppingSink : public test::RecordingSink {
public:
    StoppingSink(GazeShared& shared, std::size_t gazeMessages) : m_shared(shared), m_wanted(gazeMessages) {}
    void post(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override {
        test::RecordingSink::post(msg, wParam, lParam);
        std::lock_guard lock(m_mutex);
        if (msg != WM_TRACKER_READY && msg != WM_CLOSE && ++m_seen == m_wanted)
            m_shared.gazeRunning.store(false);
        if (msg == WM_CLOSE) {
            m_closed = true;
            m_done.notify_all();
        }
    }
    bool waitClosed() {
        std::unique_lock lock(m_mutex);
        // Only a guard against a hang, not a measurement.
        return m_done.wait_for(lock, std::chrono::seconds(60), [this] { return m_closed; });
    }

private:
    GazeShared& m_shared;
    std::size_t m_wanted;
    std::size_t m_seen = 0;
    bool m_closed = false;
    std::mutex m_mutex;
    std::condition_variable m_done;
};

std::vector<GazeSample> RecordedLook() {
    std::vector<GazeSample> s;
    auto hold = [&s](int x, int y, int n, int jitter) {
        for (int i = 0; i < n; ++i)
            s.push_back(GazeSample{1, x + (i % 3) * jitter - jitter, y + (i % 2) * jitter});
    };
    hold(640, 512, 40, 2);
    s.push_back(GazeSample{0, 0, 0});  // a blink
    hold(100, 900, 25, 3);
    for (int i = 0; i < 10; ++i)
        s.push_back(GazeSample{1, 100 + 90 * i, 900 - 70 * i});  // a sweep
    hold(1270, 5, 30, 1);
    hold(-4, -7, 12, 0);  // off the screen's corner
    s.push_back(GazeSample{1, 700, 300});
    return s;
}

std::vector<Posted> WithoutFrame(const std::vector<Posted>& all) {
    std::vector<Posted> out;
    for (const Posted& p : all)
        if (p.msg != WM_TRACKER_READY && p.msg != WM_CLOSE)
            out.push_back(p);
    return out;
}

TEST(GazeReplay, RecordingReplaysToTheSameMessages) {
    testsupport::ScratchDir dir;
    setenv("TZ", "UTC", 1);
    tzset();
    constexpr std::time_t kRecorded = 1117052460;
    constexpr std::time_t kReplayed = kRecorded + 3600;

    g_script = RecordedLook();
    GazeShared recordShared;
    g_shared = &recordShared;
    test::RecordingSink recordSink;
    {
        GazeThread thread(recordSink, recordShared, kTuning, kWidth, kHeight,
                          TrackerApi{&ScriptInit, &ScriptEyeImageInit, &ScriptGetData, &ScriptDisplay, &ScriptExit});
        thread.setStartTime(kRecorded);
        thread.start();
        thread.join();
    }
    const std::vector<Posted> recorded = WithoutFrame(recordSink.posted());
    ASSERT_GT(recorded.size(), 100u);
    std::filesystem::copy_file(GazeDataFile::PathFor(kRecorded), "recording.dat");

    setenv("QVTRACK_SOURCE", "replay:recording.dat", 1);
    setenv("QVTRACK_SPEED", "0", 1);
    unsetenv("QVTRACK_RATE");
    GazeShared replayShared;
    StoppingSink replaySink(replayShared, recorded.size());
    {
        GazeThread thread(replaySink, replayShared, kTuning, kWidth, kHeight, QvTrackerApi());
        thread.setStartTime(kReplayed);
        thread.start();
        ASSERT_TRUE(replaySink.waitClosed());
        thread.join();
    }
    unsetenv("QVTRACK_SOURCE");
    unsetenv("QVTRACK_SPEED");
    EXPECT_EQ(replayShared.iSamplePerSec.load(), 60);
    EXPECT_EQ(WithoutFrame(replaySink.posted()), recorded);
    // And the replay's own recording holds the same samples.
    const auto original = testsupport::ReadLines("recording.dat");
    const auto again = testsupport::ReadLines(GazeDataFile::PathFor(kReplayed));
    EXPECT_EQ(again, original);
}

}  // namespace
}  // namespace lumora
