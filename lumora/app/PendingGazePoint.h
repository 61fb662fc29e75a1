// PendingGazePoint: one gaze point on its way from the gaze thread to the main window, shared by
// the sink that posted it (QtGazeMessageSink, gaze thread) and the queued event that carries it
// (user-interface thread). Until the window takes the point the sink may put a newer one in its
// place; from the window's first look at it the point is fixed; when the event has been handled
// (or dropped) and destroyed the point is finished, which tells the sink the window has caught
// up.
//
// Any thread: every member locks.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <utility>

namespace lumora {

class PendingGazePoint {
public:
    PendingGazePoint(std::uintptr_t wParam, std::intptr_t lParam) : m_wParam(wParam), m_lParam(lParam) {}

    // Puts a newer point in place of this one while the window has not taken it; false once it
    // has (the newer point then needs an event of its own).
    bool replace(std::uintptr_t wParam, std::intptr_t lParam);
    // The window's look at the point (wParam, lParam); from now on it stays as it is.
    std::pair<std::uintptr_t, std::intptr_t> take();
    // The event that carried the point is gone.
    void finish();
    // Waits until finish() or for at most `timeout`; true when finished.
    bool waitFinished(std::chrono::microseconds timeout);
    // How many points were posted as this one (1 plus the replacements).
    std::uint64_t pointsCarried() const;

private:
    enum class State { Queued, Taken, Finished };

    mutable std::mutex m_mutex;
    std::condition_variable m_finished;
    State m_state = State::Queued;
    std::uintptr_t m_wParam;
    std::intptr_t m_lParam;
    std::uint64_t m_points = 1;
};

}  // namespace lumora
