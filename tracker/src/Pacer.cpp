#include "Pacer.h"

#include <cmath>

namespace qvtrack {

Pacer::Pacer(Clock& clock, double samplesPerSecond) : m_clock(clock) {
    if (samplesPerSecond > 0 && std::isfinite(samplesPerSecond)) {
        double ns = std::max(1.0, std::round(1e9 / samplesPerSecond));
        m_period = std::chrono::nanoseconds(static_cast<long long>(ns));
    }
}

void Pacer::wait() {
    if (!paced()) {
        return;
    }
    Clock::time_point now = m_clock.now();
    if (!m_started) {
        m_started = true;
        m_due = now + m_period;
    } else {
        m_due += m_period;
        if (m_due < now - m_period || m_due > now + m_period) {
            // Far behind, or the clock stepped: start a fresh schedule rather than bursting or
            // waiting longer than a period.
            m_due = now + m_period;
        }
    }
    if (m_due > now) {
        m_clock.sleepUntil(m_due);
    }
}

}  // namespace qvtrack
