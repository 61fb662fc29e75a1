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
