// QtGazeMessageSink: the gaze thread's way of posting to the main window on Qt. Every message
// becomes a LumoraMessageEvent queued for one target object (the main window).
//
// Gaze points are coalesced, so that a gaze source faster than the window (a flood of samples,
// a stalled window) costs a bounded queue instead of one event per sample: at most one point
// from this sink waits in the queue, and a newer point posted while it waits takes its place in
// the queued event. Every other message (dwell steps, fixation ends, tracker ready, close) is
// queued as it comes, never dropped, and a point posted after it gets an event of its own
// behind it: the receiver sees points, dwells and fixation ends in the order they were posted,
// and the point before each dwell is the last one posted before it.
//
// A window that keeps up sees every point: before a point replaces the one queued, the sink
// gives the window up to half a sample period (of the tracker's rate, when known; at most
// 500 samples a second) to take it. That is time the gaze thread has in every sample anyway, so
// it still keeps up with the tracker, while a source that is not paced at all (a replay at full
// speed) goes at the pace of the window instead of running ahead of it.
//
// post() may be called from any thread, one poster at a time being the normal case (the gaze
// thread); a post from the target's own thread never waits. The target must outlive the sink's
// events, the rate variable the sink.
#pragma once

#include <QObject>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>

#include "app/MessageRegistry.h"

namespace lumora {

class PendingGazePoint;

class QtGazeMessageSink : public GazeMessageSink {
public:
    // The longest a point waits for the window to take the one queued before it, and the
    // shortest wait worth making (trackers faster than 500 samples a second never wait).
    static constexpr std::chrono::microseconds kLongestWait{20000};
    static constexpr std::chrono::microseconds kShortestWait{1000};

    // samplesPerSecond: the tracker's rate as the gaze thread publishes it (0 before it is
    // known); null or 0: points never wait. longestWait: the bound on a wait whatever the rate.
    explicit QtGazeMessageSink(QObject* target, const std::atomic<int>* samplesPerSecond = nullptr,
                               std::chrono::microseconds longestWait = kLongestWait);
    ~QtGazeMessageSink() override;

    void post(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override;

    // Half a sample period at that rate, at most longestWait; zero for a rate of 0 or less and
    // where half a period is less than kShortestWait.
    static std::chrono::microseconds WaitFor(int samplesPerSecond,
                                             std::chrono::microseconds longestWait = kLongestWait);

private:
    QObject* m_target;
    const std::atomic<int>* m_rate;
    std::chrono::microseconds m_longestWait;
    std::mutex m_mutex;
    // The point event posted last, and whether a newer point may still go into it (no other
    // message has been posted since).
    std::shared_ptr<PendingGazePoint> m_lastPoint;
    bool m_coalescing = false;
};

}  // namespace lumora
