// Paces samples at a fixed rate: each wait() returns when the next sample is due.
//
// A caller that falls behind (a slow loop pass, a debugger stop) is not paid back with a burst
// of immediate samples: when more than one period late, the schedule starts again from now. A
// wait never lasts longer than one period, whatever the clock does.
#pragma once

#include <chrono>

#include "Clock.h"

namespace qvtrack {

class Pacer {
public:
    // `samplesPerSecond` of 0 or less: no pacing, wait() returns at once. `clock` must outlive
    // the pacer.
    Pacer(Clock& clock, double samplesPerSecond);

    void wait();
    std::chrono::nanoseconds period() const { return period_; }
    bool paced() const { return period_.count() > 0; }

private:
    Clock& clock_;
    std::chrono::nanoseconds period_{0};
    Clock::time_point due_{};
    bool started_ = false;
};

}  // namespace qvtrack
