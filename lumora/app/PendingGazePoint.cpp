#include "app/PendingGazePoint.h"

namespace lumora {

bool PendingGazePoint::replace(std::uintptr_t wParam, std::intptr_t lParam) {
    const std::lock_guard lock(m_mutex);
    if (m_state != State::Queued)
        return false;
    m_wParam = wParam;
    m_lParam = lParam;
    ++m_points;
    return true;
}

std::pair<std::uintptr_t, std::intptr_t> PendingGazePoint::take() {
    const std::lock_guard lock(m_mutex);
    if (m_state == State::Queued)
        m_state = State::Taken;
    return {m_wParam, m_lParam};
}

void PendingGazePoint::finish() {
    {
        const std::lock_guard lock(m_mutex);
        m_state = State::Finished;
    }
    m_finished.notify_all();
}

bool PendingGazePoint::waitFinished(std::chrono::microseconds timeout) {
    std::unique_lock lock(m_mutex);
    return m_finished.wait_for(lock, timeout, [this] { return m_state == State::Finished; });
}

std::uint64_t PendingGazePoint::pointsCarried() const {
    const std::lock_guard lock(m_mutex);
    return m_points;
}

}  // namespace lumora
