#include "SourceConfig.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <utility>

#include "FakeClock.h"
#include "ScratchDir.h"
#include "Tracker.h"

namespace qvtrack {
namespace {

EnvLookup Env(std::map<std::string, std::string> vars) {
    return [vars = std::move(vars)](const char* name) -> const char* {
        auto it = vars.find(name);
        return it == vars.end() ? nullptr : it->second.c_str();
    };
}

TEST(SourceConfig, DefaultsArePointerAt60) {
    ConfigResult r = ReadSourceConfig(Env({}));
    EXPECT_TRUE(r.error.empty());
    EXPECT_EQ(r.config.kind, SourceKind::Pointer);
    EXPECT_EQ(r.config.rate, 60);
    EXPECT_EQ(r.config.speed, 1.0);
}

TEST(SourceConfig, GoodValues) {
    ConfigResult r =
        ReadSourceConfig(Env({{"QVTRACK_SOURCE", "replay:a:b.dat"}, {"QVTRACK_RATE", "120"}, {"QVTRACK_SPEED", "0"}}));
    EXPECT_TRUE(r.error.empty()) << r.error;
    EXPECT_EQ(r.config.kind, SourceKind::Replay);
    EXPECT_EQ(r.config.path, "a:b.dat");
    EXPECT_EQ(r.config.rate, 120);
    EXPECT_EQ(r.config.speed, 0.0);

    r = ReadSourceConfig(Env({{"QVTRACK_SOURCE", "opengaze"}}));
    EXPECT_EQ(r.config.kind, SourceKind::OpenGaze);
    EXPECT_EQ(r.config.host, "127.0.0.1");
    EXPECT_EQ(r.config.port, 4242);
    r = ReadSourceConfig(Env({{"QVTRACK_SOURCE", "opengaze:tracker.local:5000"}}));
    EXPECT_EQ(r.config.host, "tracker.local");
    EXPECT_EQ(r.config.port, 5000);
    r = ReadSourceConfig(Env({{"QVTRACK_SOURCE", "pupil:10.1.2.3"}, {"QVTRACK_SURFACE", "monitor"}}));
    EXPECT_EQ(r.config.kind, SourceKind::Pupil);
    EXPECT_EQ(r.config.host, "10.1.2.3");
    EXPECT_EQ(r.config.port, 50020);
    EXPECT_EQ(r.config.surface, "monitor");
    r = ReadSourceConfig(Env({{"QVTRACK_SOURCE", "udp:7000"}}));
    EXPECT_EQ(r.config.kind, SourceKind::Udp);
    EXPECT_EQ(r.config.host, "127.0.0.1");
    EXPECT_EQ(r.config.port, 7000);
}

TEST(SourceConfig, CameraNamesADeviceOrAVideoOrNothing) {
    const std::pair<const char*, const char*> cases[] = {
        {"camera", ""},  // the default camera
        {"camera:/dev/video2", "/dev/video2"},
        {"camera:1", "1"},
        {"camera:head.avi", "head.avi"},
        {"camera:C:/videos/a:b.avi", "C:/videos/a:b.avi"},  // colons belong to the name
    };
    for (const auto& [value, path] : cases) {
        ConfigResult r = ReadSourceConfig(Env({{"QVTRACK_SOURCE", value}}));
        EXPECT_TRUE(r.error.empty()) << value << ": " << r.error;
        EXPECT_EQ(r.config.kind, SourceKind::Camera) << value;
        EXPECT_EQ(r.config.path, path) << value;
    }
    ConfigResult unknown = ReadSourceConfig(Env({{"QVTRACK_SOURCE", "webcam"}}));
    EXPECT_NE(unknown.error.find("camera[:DEVICE_OR_FILE]"), std::string::npos) << unknown.error;
}

TEST(SourceConfig, DeliveredRateIsCappedAndNeverAboveAGivenRate) {
    const struct {
        int sourceRate;
        int rate;
        bool rateGiven;
        int delivered;
    } cases[] = {
        {60, 60, false, 60},    {120, 60, false, 120},  {121, 60, false, 120}, {150, 60, false, 120},
        {250, 250, true, 120},  {1000, 1000, true, 120}, {150, 90, true, 90},  {150, 200, true, 120},
        {30, 100, true, 30},    {0, 60, false, 60},      {10000, 1, true, 1},
    };
    for (const auto& c : cases) {
        SourceConfig config;
        config.rate = c.rate;
        config.rateGiven = c.rateGiven;
        EXPECT_EQ(DeliveredRate(c.sourceRate, config), c.delivered) << c.sourceRate << " " << c.rate;
    }
}

TEST(SourceConfig, BadValuesGiveOneLineAndThePointerDefaults) {
    const std::map<std::string, std::string> bad[] = {
        {{"QVTRACK_SOURCE", "mouse"}},
        {{"QVTRACK_SOURCE", "replay:"}},
        {{"QVTRACK_SOURCE", "opengaze:host:0"}},
        {{"QVTRACK_SOURCE", "opengaze:host:99999"}},
        {{"QVTRACK_SOURCE", "pupil:bad host:1"}},
        {{"QVTRACK_SOURCE", "udp:"}},
        {{"QVTRACK_SOURCE", "udp:port"}},
        {{"QVTRACK_SOURCE", "camera:"}},
        {{"QVTRACK_SOURCE", "cameras"}},
        {{"QVTRACK_RATE", "abc"}},
        {{"QVTRACK_RATE", "0"}},
        {{"QVTRACK_RATE", "-60"}},
        {{"QVTRACK_RATE", "60hz"}},
        {{"QVTRACK_RATE", "99999999999999999999"}},
        {{"QVTRACK_SPEED", "fast"}},
        {{"QVTRACK_SPEED", "-1"}},
        {{"QVTRACK_SPEED", "nan"}},
        {{"QVTRACK_SPEED", "inf"}},
        {{"QVTRACK_SPEED", "1e300"}},
        {{"QVTRACK_SOURCE", "replay:x.dat"}, {"QVTRACK_RATE", "x"}},
    };
    for (const auto& vars : bad) {
        ConfigResult r = ReadSourceConfig(Env(vars));
        EXPECT_FALSE(r.error.empty()) << vars.begin()->second;
        EXPECT_EQ(r.error.find('\n'), std::string::npos);
        EXPECT_EQ(r.config.kind, SourceKind::Pointer);
        EXPECT_EQ(r.config.rate, 60);
        EXPECT_EQ(r.config.speed, 1.0);
    }
}

TEST(TrackerStart, BadValueWritesOneLineAndFallsBackToPointer) {
    FakeClock clock;
    TrackStats stats;
    std::ostringstream err;
    auto t = Tracker::start(Env({{"QVTRACK_RATE", "sixty"}}), {1024, 768}, clock, stats, err);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->samplesPerSecond(), 60);
    EXPECT_EQ(err.str(),
              "qvtrack: QVTRACK_RATE \"sixty\" is not a whole number from 1 to 10000; using the pointer source\n");
}

TEST(TrackerStart, MissingReplayFileFallsBack) {
    FakeClock clock;
    TrackStats stats;
    std::ostringstream err;
    auto t = Tracker::start(Env({{"QVTRACK_SOURCE", "replay:no/such/file.dat"}, {"QVTRACK_RATE", "30"}}), {1024, 768},
                            clock, stats, err);
    EXPECT_EQ(t->samplesPerSecond(), 60);  // the whole configuration falls back, rate included
    EXPECT_EQ(err.str(), "qvtrack: cannot read the gaze data file \"no/such/file.dat\"; using the pointer source\n");
    std::ostringstream err2;
    t = Tracker::start(Env({{"QVTRACK_SOURCE", "replay:."}}), {1024, 768}, clock, stats, err2);  // a folder
    EXPECT_NE(err2.str().find("cannot read"), std::string::npos);
}

// Whatever is at the replay path, QvInit neither blocks nor replays nothing silently: one line,
// then the pointer.
TEST(TrackerStart, ReplayOfAnythingButARegularFileFallsBack) {
    const testsupport::ScratchDir scratch;
    std::filesystem::create_directories("odd/folder.dat");
    ASSERT_EQ(::mkfifo("odd/fifo.dat", 0600), 0);
    std::filesystem::create_symlink("self.dat", "odd/self.dat");
    std::filesystem::create_symlink("/dev/zero", "odd/zero.dat");
    for (const char* path : {"odd/folder.dat", "odd/fifo.dat", "odd/self.dat", "odd/zero.dat", "/dev/null"}) {
        FakeClock clock;
        TrackStats stats;
        std::ostringstream err;
        auto t = Tracker::start(Env({{"QVTRACK_SOURCE", std::string("replay:") + path}}), {1024, 768}, clock, stats,
                                err);
        ASSERT_TRUE(t);
        EXPECT_EQ(err.str(), std::string("qvtrack: cannot read the gaze data file \"") + path +
                                 "\"; using the pointer source\n");
    }
}

// A recording faster than the program takes is decimated in recorded time: 250 lines a second
// become 120 samples a second, each the average of the lines of its period.
TEST(TrackerStart, FastRecordingIsDecimatedInRecordedTime) {
    {
        std::ofstream f("fast.dat");
        f << "iScreenWidth:1000\niScreenHeight:1000\n";
        for (int i = 0; i < 250; ++i)
            f << '[' << i << ",7]\n";
    }
    FakeClock clock;
    TrackStats stats;
    std::ostringstream err;
    auto t = Tracker::start(Env({{"QVTRACK_SOURCE", "replay:fast.dat"}, {"QVTRACK_RATE", "250"}}), {1000, 1000}, clock,
                            stats, err);
    EXPECT_TRUE(err.str().empty()) << err.str();
    EXPECT_EQ(t->samplesPerSecond(), 120);
    GazeSample s{};
    int valid = 0;
    long long lines = 0;
    for (int i = 0; i < 120; ++i) {
        t->next(s);
        ASSERT_EQ(s.found, 1) << i;
        ++valid;
        // Delivery i covers lines [floor(i * 250 / 120), floor((i + 1) * 250 / 120)).
        const long long from = i * 250LL / 120;
        const long long to = (i + 1) * 250LL / 120;
        EXPECT_EQ(s.x, std::llround((from + to - 1) / 2.0)) << i;
        EXPECT_EQ(s.y, 7);
        lines = to;
    }
    EXPECT_EQ(lines, 250);
    EXPECT_EQ(clock.sleeps.back(), std::chrono::nanoseconds(8333333));  // 120 a second
    t->next(s);
    EXPECT_EQ(s.found, 0);
    EXPECT_EQ(stats.snapshot().validReceived, 250u);
}

// Unpaced, a replay runs as fast as the program takes it; once it has ended, the not-found
// samples come at the rate of the recording, not millions a second.
TEST(TrackerStart, UnpacedReplayIsPacedAfterItsEnd) {
    {
        std::ofstream f("short.dat");
        f << "[1,1]\n[2,2]\n[3,3]\n";
    }
    FakeClock clock;
    TrackStats stats;
    std::ostringstream err;
    auto t = Tracker::start(Env({{"QVTRACK_SOURCE", "replay:short.dat"}, {"QVTRACK_SPEED", "0"}}), {1024, 768}, clock,
                            stats, err);
    GazeSample s{};
    for (int i = 0; i < 4; ++i)
        t->next(s);
    EXPECT_TRUE(clock.sleeps.empty());
    EXPECT_EQ(s.found, 0);
    for (int i = 0; i < 5; ++i) {
        t->next(s);
        EXPECT_EQ(s.found, 0);
    }
    ASSERT_EQ(clock.sleeps.size(), 5u);
    EXPECT_EQ(clock.sleeps.back(), std::chrono::nanoseconds(16666667));
}

TEST(TrackerStart, ReplayFileIsPacedAndCounted) {
    {
        std::ofstream f("replay.dat");
        f << "iScreenWidth:100\niScreenHeight:100\n[10,20]\n[-]\n";
    }
    FakeClock clock;
    TrackStats stats;
    std::ostringstream err;
    auto t =
        Tracker::start(Env({{"QVTRACK_SOURCE", "replay:replay.dat"}, {"QVTRACK_RATE", "50"}, {"QVTRACK_SPEED", "2"}}),
                       {200, 200}, clock, stats, err);
    EXPECT_TRUE(err.str().empty()) << err.str();
    EXPECT_EQ(t->samplesPerSecond(), 50);
    GazeSample s{};
    t->next(s);
    EXPECT_EQ(s.found, 1);
    EXPECT_EQ(s.x, 20);
    EXPECT_EQ(s.y, 40);
    t->next(s);
    t->next(s);
    EXPECT_EQ(s.found, 0);
    EXPECT_EQ(clock.sleeps.back(), std::chrono::milliseconds(10));  // 50/s at twice the speed
    QvTrackStats st = stats.snapshot();
    EXPECT_EQ(st.samplesDelivered, 3u);
    EXPECT_EQ(st.validDelivered, 1u);
}

}  // namespace
}  // namespace qvtrack
