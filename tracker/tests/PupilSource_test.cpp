#include "PupilSource.h"

#include <gtest/gtest.h>

#include "FakePupil.h"
#include "FakeServers.h"
#include "PupilMessage.h"

// libzmq is not built with ThreadSanitizer: its I/O threads copy our message buffers with
// synchronisation the tool cannot see. Only races reported inside libzmq are silenced.
extern "C" const char* __tsan_default_suppressions() {
    return "called_from_lib:libzmq.so\nrace:libzmq.so\n";
}

namespace qvtrack {
namespace {

using namespace std::chrono_literals;
using testing::FakePupil;
using testing::SurfaceMessage;

TEST(PupilMessage, SurfaceGazeToSamples) {
    std::string m = SurfaceMessage({{0.5, 0.25, 0.9, true}, {0.5, 0.5, 0.59, true}, {1.2, -0.1, 0.99, false}});
    std::vector<GazeSample> out;
    ASSERT_TRUE(PupilMessage::parseSurfaceGaze(m.data(), m.size(), {1000, 800}, out));
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0].found, 1);
    EXPECT_EQ(out[0].x, 500);
    EXPECT_EQ(out[0].y, 600);    // origin at the bottom left
    EXPECT_EQ(out[1].found, 0);  // confidence under 0.6
    EXPECT_EQ(out[2].found, 0);  // off the surface
    EXPECT_EQ(out[2].x, 1200);
    EXPECT_EQ(out[2].y, 880);
}

TEST(PupilMessage, RefusesBrokenPayloads) {
    std::string m = SurfaceMessage({{0.5, 0.25, 0.9, true}});
    std::vector<GazeSample> out;
    EXPECT_FALSE(PupilMessage::parseSurfaceGaze(m.data(), m.size() - 3, {1000, 800}, out));  // truncated
    EXPECT_FALSE(PupilMessage::parseSurfaceGaze("", 0, {1000, 800}, out));
    const char hugeArray[] = {'\xdd', '\xff', '\xff', '\xff', '\xff'};  // declares 4 billion entries
    EXPECT_FALSE(PupilMessage::parseSurfaceGaze(hugeArray, sizeof hugeArray, {1000, 800}, out));
    std::string deep(100, '\x91');  // arrays nested 100 deep
    deep += '\x01';
    EXPECT_FALSE(PupilMessage::parseSurfaceGaze(deep.data(), deep.size(), {1000, 800}, out));
    EXPECT_TRUE(out.empty());
}

TEST(PupilSource, TakesSurfaceGazeFromThePublisher) {
    FakePupil pupil;
    SourceConfig config;
    config.kind = SourceKind::Pupil;
    config.host = "127.0.0.1";
    config.port = pupil.remotePort();
    TrackStats stats;
    PupilSource source(config, {1000, 800}, stats);
    // A subscriber joins some time after the publisher sends: publish until samples arrive.
    std::string good = SurfaceMessage({{0.25, 0.75, 0.95, true}});
    bool arrived = testing::WaitFor(
        [&] {
            pupil.publish("surfaces.screen2", SurfaceMessage({{0.9, 0.9, 0.95, true}}));  // another surface
            pupil.publish("surfaces.screen", std::string("\xc1 not msgpack"));
            pupil.publish("surfaces.screen", good);
            return stats.validReceived.load() >= 3;
        },
        10s);
    ASSERT_TRUE(arrived);
    GazeSample s{};
    for (int i = 0; i < 100 && s.found != 1; ++i) {
        source.next(s);
    }
    EXPECT_EQ(s.found, 1);
    EXPECT_EQ(s.x, 250);
    EXPECT_EQ(s.y, 200);
    EXPECT_EQ(stats.received.load(), stats.validReceived.load());  // nothing from screen2 or junk
}

TEST(PupilSource, NoPupilRemoteGivesNotFound) {
    SourceConfig config;
    config.kind = SourceKind::Pupil;
    config.host = "127.0.0.1";
    config.port = 9;  // nothing answers there
    config.rate = 200;
    TrackStats stats;
    PupilSource source(config, {1000, 800}, stats);
    GazeSample s{1, 0, 0};
    source.next(s);
    EXPECT_EQ(s.found, 0);
}

}  // namespace
}  // namespace qvtrack
