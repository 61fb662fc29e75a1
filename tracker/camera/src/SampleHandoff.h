// Hands each camera frame's sample from the camera's thread to next() the moment it is ready.
//
// A camera's frames come at its rate, give or take a few milliseconds, and following the face
// takes longer in some frames than in others (a search, a check). So the wait for the next
// sample is measured from when it is due (the last sample's arrival plus one frame period),
// not from the call, with a quarter period's grace: a frame a little late is still delivered
// as itself, not replaced by a stand-in sample followed by itself, which would count twice in
// the program's dwell counts. A call right after a sample thus waits at most 1.25 periods for
// the next; a call when a sample is overdue waits at most a quarter period.
//
// Samples are never held back to keep a schedule: latency is only the frame's own processing.
// Up to kCapacity samples wait for a slow taker; beyond that the oldest go.
//
// One thread pushes, one takes.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>

#include "TrackStats.h"
#include "qvtrack.h"

namespace qvtrack {

class SampleHandoff {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::size_t kCapacity = 8;

    // `stats` must outlive the handoff; push() counts every sample received.
    SampleHandoff(TrackStats& stats, std::chrono::nanoseconds period);

    void push(const GazeSample& sample);
    // True with the next sample in `out`; false (and `out` untouched) when none came in time.
    bool next(GazeSample& out);
    std::size_t dropped() const;

private:
    struct Entry {
        GazeSample sample;
        Clock::time_point arrived;
    };

    TrackStats& m_stats;
    const std::chrono::nanoseconds m_period;
    mutable std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::deque<Entry> m_waiting;
    std::size_t m_dropped = 0;
    // Only the taking thread uses these.
    Clock::time_point m_due{};
    bool m_haveDue = false;
};

}  // namespace qvtrack
