// Hands samples from a network source's receiving thread to QvGetData.
//
// Every sample is kept in order, up to a bound: when the program falls behind by more than the
// bound, the oldest samples go, since a stale gaze is worth less than a current one. take()
// waits at most the given time; when nothing came, it repeats the last position with found 0,
// as a tracker does when it loses the eye.
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

    // `stats` must outlive the queue; push() counts every sample received.
    explicit SampleQueue(TrackStats& stats, std::size_t capacity = kDefaultCapacity);

    void push(const GazeSample& sample);
    // Returns true when `out` is a received sample, false when the wait ran out.
    bool take(GazeSample& out, std::chrono::nanoseconds maxWait);
    std::size_t dropped() const;

private:
    TrackStats& stats_;
    mutable std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<GazeSample> ring_;
    std::size_t head_ = 0;
    std::size_t count_ = 0;
    std::size_t dropped_ = 0;
    GazeSample last_{};
};

}  // namespace qvtrack
