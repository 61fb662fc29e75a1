// Hands samples from a network source's receiving thread to QvGetData, at no more than the rate
// the program was told (iSamplePerSec).
//
// next() delivers at most one sample per period. A tracker slower than that has each of its
// samples delivered as it comes, in order. A faster one is decimated: each delivery is the
// average of every sample that arrived since the previous delivery (rounded to the nearest
// pixel, over the samples with the eye found; found 0 only when none had it). When nothing
// arrives for a period, next() repeats the last position with found 0, as a tracker does when
// it loses the eye.
//
// Samples waiting are bounded: when the program falls behind by more than the bound, the oldest
// go, since a stale gaze is worth less than a current one. One thread pushes, one takes.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <vector>

#include "TrackStats.h"
#include "qvtrack.h"

namespace qvtrack {

class SampleQueue {
public:
    static constexpr std::size_t kDefaultCapacity = 1024;
    using Clock = std::chrono::steady_clock;

    // `stats` must outlive the queue; push() counts every sample received.
    explicit SampleQueue(TrackStats& stats, std::size_t capacity = kDefaultCapacity);

    void push(const GazeSample& sample);
    // The next delivery for a program that takes one sample per `period`: returns no sooner than
    // one period after the previous delivery's due time, and at most one period after that when
    // nothing comes. True when `out` holds received samples, false when it is the not-found
    // repeat.
    bool next(GazeSample& out, std::chrono::nanoseconds period);
    // Forgets the samples that arrived more than `age` ago (received while nobody took them).
    void discardOlderThan(std::chrono::nanoseconds age);
    std::size_t dropped() const;
    std::size_t waiting() const;

private:
    struct Entry {
        GazeSample sample;
        Clock::time_point arrived;
    };

    TrackStats& m_stats;
    mutable std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::vector<Entry> m_ring;
    std::size_t m_head = 0;
    std::size_t m_count = 0;
    std::size_t m_dropped = 0;
    GazeSample m_last{};
    // Only the taking thread uses these.
    Clock::time_point m_due{};
    bool m_haveDue = false;
};

}  // namespace qvtrack
