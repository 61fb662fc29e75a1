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
    std::chrono::nanoseconds period() const { return m_period; }
    bool paced() const { return m_period.count() > 0; }

private:
    Clock& m_clock;
    std::chrono::nanoseconds m_period{0};
    Clock::time_point m_due{};
    bool m_started = false;
};

}  // namespace qvtrack
