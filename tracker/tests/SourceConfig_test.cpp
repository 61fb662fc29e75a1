#include "SourceConfig.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "FakeClock.h"
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

TEST(SourceConfig, BadValuesGiveOneLineAndThePointerDefaults) {
    const std::map<std::string, std::string> bad[] = {
        {{"QVTRACK_SOURCE", "mouse"}},
        {{"QVTRACK_SOURCE", "replay:"}},
        {{"QVTRACK_SOURCE", "opengaze:host:0"}},
        {{"QVTRACK_SOURCE", "opengaze:host:99999"}},
        {{"QVTRACK_SOURCE", "pupil:bad host:1"}},
        {{"QVTRACK_SOURCE", "udp:"}},
        {{"QVTRACK_SOURCE", "udp:port"}},
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
