#include "SampleQueue.h"

namespace qvtrack {

SampleQueue::SampleQueue(TrackStats& stats, std::size_t capacity) : stats_(stats), ring_(capacity ? capacity : 1) {}

void SampleQueue::push(const GazeSample& sample) {
    stats_.countReceived(sample.found == 1);
    {
        std::lock_guard lock(mutex_);
        if (count_ == ring_.size()) {
            head_ = (head_ + 1) % ring_.size();
            --count_;
            ++dropped_;
        }
        ring_[(head_ + count_) % ring_.size()] = sample;
        ++count_;
    }
    arrived_.notify_one();
}

bool SampleQueue::take(GazeSample& out, std::chrono::nanoseconds maxWait) {
    std::unique_lock lock(mutex_);
    if (!arrived_.wait_for(lock, maxWait, [this] { return count_ > 0; })) {
        out = GazeSample{0, last_.x, last_.y};
        return false;
    }
    out = ring_[head_];
    head_ = (head_ + 1) % ring_.size();
    --count_;
    last_ = out;
    return true;
}

std::size_t SampleQueue::dropped() const {
    std::lock_guard lock(mutex_);
    return dropped_;
}

}  // namespace qvtrack
