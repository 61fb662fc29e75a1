#include "SampleQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <thread>

namespace qvtrack {
namespace {

using namespace std::chrono_literals;

TEST(SampleQueue, SamplesTakenAsTheyComeKeepTheirOrder) {
    TrackStats stats;
    SampleQueue q(stats);
    GazeSample s{};
    for (int i = 1; i <= 3; ++i) {
        q.push({1, i, 10 * i});
        ASSERT_TRUE(q.next(s, 1ms));
        EXPECT_EQ(s.found, 1);
        EXPECT_EQ(s.x, i);
        EXPECT_EQ(s.y, 10 * i);
    }
    q.push({0, 3, 30});
    ASSERT_TRUE(q.next(s, 1ms));
    EXPECT_EQ(s.found, 0);
    EXPECT_EQ(s.x, 3);
}

// What came in since the last delivery goes out as one: the average of the samples with the eye.
TEST(SampleQueue, SamplesThatCameTogetherAreAveraged) {
    struct Case {
        std::vector<GazeSample> pushed;
        GazeSample delivered;
    };
    const Case cases[] = {
        {{{1, 10, 20}, {1, 11, 21}, {1, 13, 24}}, {1, 11, 22}},
        {{{1, 10, 20}, {0, 99, 99}, {1, 20, 30}}, {1, 15, 25}},
        {{{0, 5, 6}, {0, 7, 8}}, {0, 7, 8}},
        {{{1, INT_MAX, INT_MIN}, {1, INT_MAX, INT_MIN}, {1, INT_MAX, INT_MIN}}, {1, INT_MAX, INT_MIN}},
        {{{1, -3, 0}, {1, -2, 0}}, {1, -3, 0}},  // -2.5 rounds away from zero
    };
    for (const Case& c : cases) {
        TrackStats stats;
        SampleQueue q(stats);
        for (const GazeSample& p : c.pushed)
            q.push(p);
        GazeSample s{};
        ASSERT_TRUE(q.next(s, 1ms));
        EXPECT_EQ(s.found, c.delivered.found);
        EXPECT_EQ(s.x, c.delivered.x);
        EXPECT_EQ(s.y, c.delivered.y);
        EXPECT_EQ(q.waiting(), 0u);
    }
}

TEST(SampleQueue, FullQueueDropsTheOldest) {
    TrackStats stats;
    SampleQueue q(stats, 3);
    for (int i = 1; i <= 5; ++i)
        q.push({1, i, i});
    EXPECT_EQ(q.dropped(), 2u);
    GazeSample s{};
    ASSERT_TRUE(q.next(s, 0ns));
    EXPECT_EQ(s.x, 4);  // (3 + 4 + 5) / 3
    EXPECT_EQ(stats.received.load(), 5u);
}

TEST(SampleQueue, EmptyTakeRepeatsTheLastPositionNotFound) {
    TrackStats stats;
    SampleQueue q(stats);
    GazeSample s{1, 9, 9};
    EXPECT_FALSE(q.next(s, 1ms));
    EXPECT_EQ(s.found, 0);
    EXPECT_EQ(s.x, 0);
    q.push({1, 4, 6});
    ASSERT_TRUE(q.next(s, 1ms));
    EXPECT_FALSE(q.next(s, 1ms));
    EXPECT_EQ(s.found, 0);
    EXPECT_EQ(s.x, 4);
    EXPECT_EQ(s.y, 6);
}

TEST(SampleQueue, OldSamplesCanBeDiscarded) {
    TrackStats stats;
    SampleQueue q(stats);
    q.push({1, 1, 1});
    q.push({1, 2, 2});
    std::this_thread::sleep_for(20ms);
    q.push({1, 50, 60});
    q.discardOlderThan(10ms);
    EXPECT_EQ(q.waiting(), 1u);
    GazeSample s{};
    ASSERT_TRUE(q.next(s, 1ms));
    EXPECT_EQ(s.x, 50);
    EXPECT_EQ(s.y, 60);
}

// A tracker far faster than the program's rate: whatever it sends, no more than one delivery a
// period goes out (an upper bound, so a slow machine cannot break it).
TEST(SampleQueue, AFastTrackerIsDecimatedToTheRate) {
    TrackStats stats;
    SampleQueue q(stats);
    std::atomic<bool> stop{false};
    std::thread tracker([&] {
        while (!stop)
            q.push({1, 300, 200});
    });
    constexpr auto kPeriod = 10ms;
    const auto start = std::chrono::steady_clock::now();
    int delivered = 0;
    GazeSample s{};
    while (std::chrono::steady_clock::now() - start < 300ms) {
        if (q.next(s, kPeriod)) {
            ++delivered;
            EXPECT_EQ(s.found, 1);
            EXPECT_EQ(s.x, 300);
            EXPECT_EQ(s.y, 200);
        }
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    stop = true;
    tracker.join();
    EXPECT_GT(stats.received.load(), static_cast<std::uint64_t>(delivered));
    EXPECT_LE(delivered, elapsed / kPeriod + 1);
}

}  // namespace
}  // namespace qvtrack
