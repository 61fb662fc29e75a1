// The window messages that the gaze thread posts to the main window, with the numbers of the
// program's message registry (which includes this header and adds the rest), and the posting
// interface the thread uses. No Qt here: the drawing program implements GazeMessageSink with
// Qt's event posting, tests record what is posted.
#pragma once

#include <cstdint>

namespace lumora {

constexpr unsigned WM_APP = 0x8000;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_GAZE_POINT = 0x8101;
constexpr unsigned WM_GAZE_DWELL = 0x8102;
constexpr unsigned WM_GAZE_FIXATION_END = 0x8103;
constexpr unsigned WM_TRACKER_READY = 0x8104;

// A screen point in lParam: x in the low, y in the high 16 bits. Receivers read both halves
// as unsigned, so a point left of or above the screen arrives as 32768 or more.
constexpr std::intptr_t MakePointLParam(int x, int y) {
    return static_cast<std::intptr_t>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) |
                                      static_cast<std::uint32_t>(x & 0xFFFF));
}

// A gaze coordinate brought within one screen size of the screen: [-side, 2 * side - 1] for a
// screen side of `side` pixels (no change when side is 0 or less). Packed into 16 bits, a
// coordinate 65536 beyond the screen would read as one on it; within this reach it never does,
// for any screen side up to 32768, so gaze far off the screen cannot choose a button. Points
// near the screen keep their value.
constexpr int ClampToScreenReach(int v, int side) {
    if (side <= 0)
        return v;
    if (v < -side)
        return -side;
    if (v > 2 * side - 1)
        return 2 * side - 1;
    return v;
}

// A point of a screen of width x height pixels, clamped as above and packed.
constexpr std::intptr_t MakeScreenPointLParam(int x, int y, int width, int height) {
    return MakePointLParam(ClampToScreenReach(x, width), ClampToScreenReach(y, height));
}

constexpr unsigned PointLParamX(std::intptr_t lParam) {
    return static_cast<std::uint32_t>(lParam) & 0xFFFFu;
}
constexpr unsigned PointLParamY(std::intptr_t lParam) {
    return (static_cast<std::uint32_t>(lParam) >> 16) & 0xFFFFu;
}

// Posts one message to the main window's queue without waiting. Implementations must be safe
// to call from the gaze thread.
class GazeMessageSink {
public:
    virtual ~GazeMessageSink() = default;
    virtual void post(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

}  // namespace lumora
