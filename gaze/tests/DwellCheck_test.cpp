#include "DwellCheck.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumora {
namespace {

// Feeds `count` fixating samples at (x, y) and returns the 1-based indexes that gave a dwell.
std::vector<int> Dwells(DwellCheck& d, float x, float y, int count, int n, float threshold) {
    std::vector<int> hits;
    for (int i = 1; i <= count; ++i)
        if (d.onFixating(x, y, n, threshold))
            hits.push_back(i);
    return hits;
}

TEST(DwellCheck, FirstCheckComparesWithTheOrigin) {
    DwellCheck d;
    // The 3rd sample checks against (0, 0) and fails; counting restarts, so the next check is a
    // full 3 samples later.
    EXPECT_EQ(Dwells(d, 500, 400, 12, 3, 38.0f), (std::vector<int>{6, 9, 12}));
}

TEST(DwellCheck, NearTheOriginTheFirstCheckPasses) {
    DwellCheck d;
    EXPECT_EQ(Dwells(d, 3, 4, 6, 3, 5.0f), (std::vector<int>{3, 6}));
}

TEST(DwellCheck, MovedGazeRestartsTheCount) {
    DwellCheck d;
    Dwells(d, 100, 100, 1, 1, 50.0f);  // check point (100, 100)
    EXPECT_TRUE(d.onFixating(110, 100, 1, 50.0f));
    EXPECT_FALSE(d.onFixating(300, 100, 1, 50.0f));  // moved 190 px
    EXPECT_EQ(d.dwellCounter(), 0);
    EXPECT_TRUE(d.onFixating(300, 100, 1, 50.0f));  // compared with the moved point
}

TEST(DwellCheck, DistanceIsTruncatedBeforeTheComparison) {
    DwellCheck d;
    // 10.9 px truncates to 10, within a 10 px threshold.
    EXPECT_TRUE(d.onFixating(10.9f, 0, 1, 10.0f));
    DwellCheck e;
    EXPECT_FALSE(e.onFixating(11.0f, 0, 1, 10.9f));
}

// Gaze at the integer limits (a udp: or replay: source can send them) lies billions of pixels
// from the last check: that is no dwell, and no undefined conversion on the way.
TEST(DwellCheck, GazeFarBeyondAnyIntDistanceNeverDwells) {
    constexpr float kMin = -2147483648.0f;
    constexpr float kMax = 2147483647.0f;
    constexpr float kHuge = 3.0e38f;
    const struct {
        float x, y;
    } far[] = {{kMin, kMin}, {kMax, kMax}, {kMin, kMax}, {kMax, 0}, {kHuge, kHuge}, {-kHuge, 0}};
    for (const auto& p : far) {
        DwellCheck d;
        EXPECT_FALSE(d.onFixating(p.x, p.y, 1, 38.0f)) << p.x << "," << p.y;
        EXPECT_EQ(d.dwellCounter(), 0);
        // Held there, the gaze dwells as anywhere else.
        EXPECT_TRUE(d.onFixating(p.x, p.y, 1, 38.0f)) << p.x << "," << p.y;
    }
    DwellCheck back;
    back.onFixating(kMax, kMax, 1, 38.0f);
    EXPECT_FALSE(back.onFixating(kMin, kMin, 1, 38.0f));
}

TEST(DwellCheck, CountOfZeroOrLessChecksEverySample) {
    for (int n : {0, -1, -31}) {
        DwellCheck d;
        EXPECT_EQ(Dwells(d, 2, 2, 4, n, 10.0f), (std::vector<int>{1, 2, 3, 4})) << n;
    }
}

TEST(DwellCheck, ResetRestartsTheCount) {
    DwellCheck d;
    Dwells(d, 1, 1, 2, 3, 10.0f);
    d.reset();
    EXPECT_EQ(Dwells(d, 1, 1, 3, 3, 10.0f), (std::vector<int>{3}));
}

TEST(DwellCheck, CountChangeTakesEffectAtTheNextSample) {
    DwellCheck d;
    EXPECT_EQ(Dwells(d, 1, 1, 4, 4, 10.0f), (std::vector<int>{4}));
    EXPECT_EQ(Dwells(d, 1, 1, 4, 2, 10.0f), (std::vector<int>{2, 4}));  // counter 6 and 8
}

}  // namespace
}  // namespace lumora
