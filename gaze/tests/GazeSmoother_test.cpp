#include "GazeSmoother.h"

#include <gtest/gtest.h>

#include <climits>

namespace lumora {
namespace {

TEST(GazeSmoother, AveragesTheNewestFoundEntriesOfTheWindow) {
    GazeSmoother s;
    s.SmoothGazePoint(1, 10, 100, 3);
    s.SmoothGazePoint(1, 20, 200, 3);
    s.SmoothGazePoint(1, 30, 300, 3);
    EXPECT_EQ(s.SmoothGazePoint(1, 40, 400, 3), (GazePoint{30, 300}));   // 20, 30, 40
    EXPECT_EQ(s.SmoothGazePoint(1, 50, 500, 10), (GazePoint{30, 300}));  // all five
}

TEST(GazeSmoother, UnwrittenEntriesDoNotCount) {
    GazeSmoother s;
    EXPECT_EQ(s.SmoothGazePoint(1, 7, 9, 60), (GazePoint{7, 9}));
}

TEST(GazeSmoother, IntegerDivisionTruncatesTowardZero) {
    GazeSmoother s;
    s.SmoothGazePoint(1, -1, 1, 2);
    EXPECT_EQ(s.SmoothGazePoint(1, -2, 2, 2), (GazePoint{-1, 1}));  // -1.5 and 1.5
}

TEST(GazeSmoother, NoFoundEntryRepeatsThePreviousResult) {
    GazeSmoother s;
    EXPECT_EQ(s.SmoothGazePoint(0, 50, 50, 3), (GazePoint{0, 0}));
    EXPECT_EQ(s.SmoothGazePoint(1, 10, 20, 3), (GazePoint{10, 20}));
    EXPECT_EQ(s.SmoothGazePoint(0, 99, 99, 1), (GazePoint{10, 20}));
    // Only a found flag of exactly 1 counts.
    EXPECT_EQ(s.SmoothGazePoint(2, 99, 99, 1), (GazePoint{10, 20}));
}

struct WindowCase {
    int window;
    GazePoint expected;
};

class SmootherWindow : public ::testing::TestWithParam<WindowCase> {};

TEST_P(SmootherWindow, IsClampedToTheRing) {
    GazeSmoother s;
    // 70 samples at x = 1..70: the ring keeps the newest 60 (11..70).
    GazePoint last;
    for (int i = 1; i <= 70; ++i)
        last = s.SmoothGazePoint(1, i, 2 * i, GetParam().window);
    EXPECT_EQ(last, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Windows, SmootherWindow,
                         ::testing::Values(WindowCase{0, {70, 140}}, WindowCase{-5, {70, 140}},
                                           WindowCase{1, {70, 140}}, WindowCase{10, {65, 131}},
                                           WindowCase{60, {40, 81}}, WindowCase{61, {40, 81}},
                                           WindowCase{1000, {40, 81}}));

TEST(GazeSmoother, ExtremeCoordinatesDoNotOverflow) {
    GazeSmoother s;
    GazePoint p;
    for (int i = 0; i < 60; ++i)
        p = s.SmoothGazePoint(1, INT_MAX, INT_MIN, 60);
    EXPECT_EQ(p, (GazePoint{INT_MAX, INT_MIN}));
}

}  // namespace
}  // namespace lumora
