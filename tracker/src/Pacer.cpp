#include "Pacer.h"

#include <cmath>

namespace qvtrack {

Pacer::Pacer(Clock& clock, double samplesPerSecond) : clock_(clock) {
    if (samplesPerSecond > 0 && std::isfinite(samplesPerSecond)) {
        double ns = std::max(1.0, std::round(1e9 / samplesPerSecond));
        period_ = std::chrono::nanoseconds(static_cast<long long>(ns));
    }
}

void Pacer::wait() {
    if (!paced()) {
        return;
    }
    Clock::time_point now = clock_.now();
    if (!started_) {
        started_ = true;
        due_ = now + period_;
    } else {
        due_ += period_;
        if (due_ < now - period_ || due_ > now + period_) {
            // Far behind, or the clock stepped: start a fresh schedule rather than bursting or
            // waiting longer than a period.
            due_ = now + period_;
        }
    }
    if (due_ > now) {
        clock_.sleepUntil(due_);
    }
}

}  // namespace qvtrack
