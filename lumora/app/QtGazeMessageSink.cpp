#include "app/QtGazeMessageSink.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>

#include "app/PendingGazePoint.h"

namespace lumora {

QtGazeMessageSink::QtGazeMessageSink(QObject* target, const std::atomic<int>* samplesPerSecond,
                                     std::chrono::microseconds longestWait)
    : m_target(target), m_rate(samplesPerSecond), m_longestWait(longestWait) {}

QtGazeMessageSink::~QtGazeMessageSink() = default;

std::chrono::microseconds QtGazeMessageSink::WaitFor(int samplesPerSecond, std::chrono::microseconds longestWait) {
    if (samplesPerSecond <= 0)
        return std::chrono::microseconds(0);
    constexpr long kHalfSecondUs = 500000;
    const std::chrono::microseconds half(kHalfSecondUs / samplesPerSecond);
    // A loaded machine does not keep a timed wait of a few tens of microseconds (it turns into
    // hundreds, and a fast tracker's thread falls behind), and no window takes a point that
    // quickly anyway: such a tracker's points are coalesced without waiting.
    if (half < kShortestWait)
        return std::chrono::microseconds(0);
    return std::min(half, longestWait);
}

void QtGazeMessageSink::post(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (m_target == nullptr)
        return;
    const std::lock_guard lock(m_mutex);
    if (msg != WM_GAZE_POINT) {
        // A point posted after this message must reach the window after it, not inside an
        // event queued before it.
        m_coalescing = false;
        PostLumoraMessage(m_target, msg, wParam, lParam);
        return;
    }
    if (m_lastPoint) {
        const std::chrono::microseconds wait =
            WaitFor(m_rate ? m_rate->load(std::memory_order_relaxed) : 0, m_longestWait);
        // On the window's own thread the window cannot take anything while we wait.
        if (wait.count() > 0 && QThread::currentThread() != m_target->thread())
            m_lastPoint->waitFinished(wait);
        if (m_coalescing && m_lastPoint->replace(wParam, lParam))
            return;
    }
    m_lastPoint = std::make_shared<PendingGazePoint>(wParam, lParam);
    m_coalescing = true;
    // postEvent takes ownership and is safe from any thread.
    QCoreApplication::postEvent(m_target, new LumoraMessageEvent(WM_GAZE_POINT, m_lastPoint));
}

}  // namespace lumora
