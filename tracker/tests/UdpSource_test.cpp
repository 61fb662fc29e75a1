#include "UdpSource.h"

#include <gtest/gtest.h>

#include "FakeServers.h"

namespace qvtrack {
namespace {

using namespace std::chrono_literals;

TEST(UdpSource, ParseTable) {
    struct Case {
        const char* text;
        bool ok;
        int found = 0;
        int x = 0;
        int y = 0;
    };
    const Case cases[] = {
        {"10 20", true, 1, 10, 20},
        {"10 20\n", true, 1, 10, 20},
        {" -5\t7\r\n", true, 1, -5, 7},
        {"- -", true, 0, 0, 0},
        {"-  -\n", true, 0, 0, 0},
        {"10", false},
        {"10 20 30", false},
        {"a b", false},
        {"1.5 2", false},
        {"- 5", false},
        {"99999999999 1", false},
        {"", false},
    };
    for (const auto& c : cases) {
        GazeSample s{};
        EXPECT_EQ(UdpSource::parse(c.text, s), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(s.found, c.found) << c.text;
            if (c.found) {
                EXPECT_EQ(s.x, c.x);
                EXPECT_EQ(s.y, c.y);
            }
        }
    }
}

TEST(UdpSource, TakesDatagramsInOrderAndRefusesBadOnes) {
    SourceConfig config;
    config.kind = SourceKind::Udp;
    config.host = "127.0.0.1";
    config.port = 0;  // any free port
    TrackStats stats;
    std::string error;
    auto source = UdpSource::open(config, stats, error);
    ASSERT_TRUE(source) << error;
    // Each datagram is taken before the next is sent, as a tracker slower than the program.
    GazeSample s{};
    const auto sendAndTake = [&](const std::string& datagram, std::uint64_t receivedAfter) {
        ASSERT_TRUE(testing::SendUdp(source->port(), datagram));
        ASSERT_TRUE(testing::WaitFor([&] { return stats.received.load() >= receivedAfter; }, 5s));
        source->next(s);
    };
    sendAndTake("10 20", 1);
    EXPECT_EQ(s.found, 1);
    EXPECT_EQ(s.x, 10);
    ASSERT_TRUE(testing::SendUdp(source->port(), "junk"));
    ASSERT_TRUE(testing::SendUdp(source->port(), std::string(1000, '1') + " 2"));
    sendAndTake("- -", 2);
    EXPECT_EQ(s.found, 0);
    EXPECT_EQ(s.x, 10);  // "no gaze" keeps the last position
    sendAndTake("30 40\n", 3);
    EXPECT_EQ(s.found, 1);
    EXPECT_EQ(s.x, 30);
    EXPECT_EQ(s.y, 40);
    source->next(s);  // nothing more: not found, after at most a period
    EXPECT_EQ(s.found, 0);
    EXPECT_EQ(stats.received.load(), 3u);
}

TEST(UdpSource, PortInUseIsRefused) {
    SourceConfig config;
    config.kind = SourceKind::Udp;
    config.host = "127.0.0.1";
    config.port = 0;
    TrackStats stats;
    std::string error;
    auto first = UdpSource::open(config, stats, error);
    ASSERT_TRUE(first);
    config.port = first->port();
    auto second = UdpSource::open(config, stats, error);
    EXPECT_FALSE(second);
    EXPECT_NE(error.find("cannot listen"), std::string::npos);
}

}  // namespace
}  // namespace qvtrack
