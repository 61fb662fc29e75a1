#include "Pacer.h"

#include <gtest/gtest.h>

#include "FakeClock.h"

namespace qvtrack {
namespace {

using std::chrono::milliseconds;
using std::chrono::nanoseconds;

TEST(Pacer, WaitsOnePeriodPerSampleAtTheRate) {
    FakeClock clock;
    Pacer pacer(clock, 100);
    auto start = clock.now();
    for (int i = 0; i < 10; ++i) {
        pacer.wait();
    }
    EXPECT_EQ(clock.now() - start, milliseconds(100));
}

TEST(Pacer, SpeedZeroNeverWaits) {
    FakeClock clock;
    Pacer pacer(clock, 0);
    pacer.wait();
    pacer.wait();
    EXPECT_TRUE(clock.sleeps.empty());
}

TEST(Pacer, SlowCallerIsNotPaidBackWithABurstAndNoWaitExceedsAPeriod) {
    FakeClock clock;
    Pacer pacer(clock, 50);  // 20 ms
    pacer.wait();
    clock.advance(milliseconds(500));  // the caller stalls for 25 periods
    pacer.wait();
    pacer.wait();
    for (auto d : clock.sleeps) {
        EXPECT_LE(d, milliseconds(20));
    }
    // After the stall the schedule restarts: the next two samples are a period apart, not at once.
    ASSERT_GE(clock.sleeps.size(), 3u);
    EXPECT_EQ(clock.sleeps.back(), milliseconds(20));
}

TEST(Pacer, CallerTakingPartOfThePeriodWaitsOnlyTheRest) {
    FakeClock clock;
    Pacer pacer(clock, 50);
    pacer.wait();
    clock.advance(milliseconds(15));
    pacer.wait();
    EXPECT_EQ(clock.sleeps.back(), milliseconds(5));
}

TEST(Pacer, SpeedMultipliesTheRate) {
    FakeClock clock;
    Pacer fast(clock, 60 * 2.0);
    Pacer slow(clock, 60 * 0.5);
    EXPECT_EQ(fast.period(), nanoseconds(8333333));
    EXPECT_EQ(slow.period(), nanoseconds(33333333));
}

}  // namespace
}  // namespace qvtrack
