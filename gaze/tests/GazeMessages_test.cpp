#include "GazeMessages.h"

#include <gtest/gtest.h>

#include <climits>

namespace lumora {
namespace {

TEST(GazeMessages, PointsPackWithXLowAndYHigh) {
    EXPECT_EQ(MakePointLParam(1023, 767), (767 << 16) | 1023);
    EXPECT_EQ(PointLParamX(MakePointLParam(-1, -2)), 65535u);
    EXPECT_EQ(PointLParamY(MakePointLParam(-1, -2)), 65534u);
}

TEST(GazeMessages, ClampingKeepsTheScreenAndItsSurroundings) {
    const struct {
        int v, side, clamped;
    } cases[] = {
        {0, 1024, 0},           {1023, 1024, 1023},        {-1, 1024, -1},
        {-1024, 1024, -1024},   {-1025, 1024, -1024},      {2047, 1024, 2047},
        {2048, 1024, 2047},     {INT_MAX, 1024, 2047},     {INT_MIN, 1024, -1024},
        {70000, 0, 70000},      {-70000, -5, -70000},      {40000, 32768, 40000},
        {70000, 32768, 65535},  {-40000, 32768, -32768},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClampToScreenReach(c.v, c.side), c.clamped) << c.v << " on " << c.side;
}

// Whatever the gaze, a packed point reads as one on the screen only when it is on the screen.
TEST(GazeMessages, NoPointOffTheScreenPacksOntoIt) {
    for (int side : {1, 2, 640, 1024, 1920, 32768}) {
        for (long long v = -5LL * 65536; v <= 5LL * 65536; v += 97) {
            const int x = static_cast<int>(v);
            const unsigned packed = PointLParamX(MakeScreenPointLParam(x, 0, side, side));
            const bool onScreen = x >= 0 && x < side;
            EXPECT_EQ(packed < unsigned(side), onScreen) << x << " on " << side;
            if (onScreen) {
                EXPECT_EQ(packed, unsigned(x));
            }
        }
    }
}

}  // namespace
}  // namespace lumora
