#include "SampleQueue.h"

#include <cmath>
#include <cstdint>
#include <thread>

namespace qvtrack {

SampleQueue::SampleQueue(TrackStats& stats, std::size_t capacity) : stats_(stats), ring_(capacity ? capacity : 1) {}

void SampleQueue::push(const GazeSample& sample) {
    stats_.countReceived(sample.found == 1);
    const Clock::time_point now = Clock::now();
    {
        std::lock_guard lock(mutex_);
        if (count_ == ring_.size()) {
            head_ = (head_ + 1) % ring_.size();
            --count_;
            ++dropped_;
        }
        ring_[(head_ + count_) % ring_.size()] = Entry{sample, now};
        ++count_;
    }
    arrived_.notify_one();
}

bool SampleQueue::next(GazeSample& out, std::chrono::nanoseconds period) {
    if (haveDue_ && Clock::now() < due_)
        std::this_thread::sleep_until(due_);
    const Clock::time_point start = Clock::now();
    std::unique_lock lock(mutex_);
    const bool any = arrived_.wait_until(lock, start + period, [this] { return count_ > 0; });
    const Clock::time_point now = Clock::now();
    haveDue_ = true;
    if (!any) {
        // The sample that ends a silence goes out the moment it comes.
        due_ = now;
        out = GazeSample{0, last_.x, last_.y};
        return false;
    }
    // The schedule moves by whole periods while samples keep coming, so a fast tracker gives
    // exactly one delivery per period; one that fell behind starts again from now.
    due_ = due_ + period > now ? due_ + period : now + period;
    // 64-bit sums: a thousand samples at the int limits must not overflow.
    std::int64_t sumX = 0;
    std::int64_t sumY = 0;
    std::int64_t found = 0;
    GazeSample newest{};
    for (; count_ > 0; --count_, head_ = (head_ + 1) % ring_.size()) {
        const GazeSample& s = ring_[head_].sample;
        newest = s;
        if (s.found == 1) {
            sumX += s.x;
            sumY += s.y;
            ++found;
        }
    }
    if (found > 0) {
        const double n = static_cast<double>(found);
        out = GazeSample{1, static_cast<std::int32_t>(std::llround(static_cast<double>(sumX) / n)),
                         static_cast<std::int32_t>(std::llround(static_cast<double>(sumY) / n))};
    } else {
        out = GazeSample{0, newest.x, newest.y};
    }
    last_ = out;
    return true;
}

void SampleQueue::discardOlderThan(std::chrono::nanoseconds age) {
    const Clock::time_point limit = Clock::now() - age;
    std::lock_guard lock(mutex_);
    while (count_ > 0 && ring_[head_].arrived < limit) {
        head_ = (head_ + 1) % ring_.size();
        --count_;
    }
}

std::size_t SampleQueue::dropped() const {
    std::lock_guard lock(mutex_);
    return dropped_;
}

std::size_t SampleQueue::waiting() const {
    std::lock_guard lock(mutex_);
    return count_;
}

}  // namespace qvtrack
