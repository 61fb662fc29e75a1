#include "SampleHandoff.h"

#include <gtest/gtest.h>

#include <thread>

namespace qvtrack {
namespace {

using namespace std::chrono_literals;

TEST(SampleHandoff, SamplesComeOutInOrderAndAreCounted) {
    TrackStats stats;
    SampleHandoff handoff(stats, 33ms);
    handoff.push({1, 10, 20});
    handoff.push({0, 10, 20});
    handoff.push({1, 30, 40});
    GazeSample out{};
    ASSERT_TRUE(handoff.next(out));
    EXPECT_EQ(out.x, 10);
    EXPECT_EQ(out.found, 1);
    ASSERT_TRUE(handoff.next(out));
    EXPECT_EQ(out.found, 0);
    ASSERT_TRUE(handoff.next(out));
    EXPECT_EQ(out.x, 30);
    EXPECT_EQ(stats.received.load(), 3u);
    EXPECT_EQ(stats.validReceived.load(), 2u);
}

TEST(SampleHandoff, NothingInTimeLeavesTheSampleAsItWas) {
    TrackStats stats;
    SampleHandoff handoff(stats, 5ms);
    GazeSample out{1, 7, 8};
    EXPECT_FALSE(handoff.next(out));
    EXPECT_FALSE(handoff.next(out));
    EXPECT_EQ(out.found, 1);
    EXPECT_EQ(out.x, 7);
    handoff.push({1, 9, 9});
    EXPECT_TRUE(handoff.next(out));
    EXPECT_EQ(out.x, 9);
}

TEST(SampleHandoff, ASlowTakerLosesTheOldestSamplesOnly) {
    TrackStats stats;
    SampleHandoff handoff(stats, 33ms);
    const int pushed = static_cast<int>(SampleHandoff::kCapacity) + 3;
    for (int i = 0; i < pushed; ++i) {
        handoff.push({1, i, 0});
    }
    EXPECT_EQ(handoff.dropped(), 3u);
    GazeSample out{};
    for (int i = 3; i < pushed; ++i) {
        ASSERT_TRUE(handoff.next(out));
        EXPECT_EQ(out.x, i);
    }
}

TEST(SampleHandoff, ASampleFromAnotherThreadIsHandedOver) {
    TrackStats stats;
    SampleHandoff handoff(stats, 200ms);
    std::thread camera([&handoff] {
        std::this_thread::sleep_for(10ms);
        handoff.push({1, 5, 6});
    });
    GazeSample out{};
    EXPECT_TRUE(handoff.next(out));
    EXPECT_EQ(out.y, 6);
    camera.join();
}

}  // namespace
}  // namespace qvtrack
