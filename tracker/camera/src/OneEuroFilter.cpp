#include "OneEuroFilter.h"

#include <cmath>
#include <numbers>

namespace qvtrack {

double OneEuroFilter::Smoothing(double cutoff, double dt) {
    const double tau = 1.0 / (2.0 * std::numbers::pi * cutoff);
    return 1.0 / (1.0 + tau / dt);
}

double OneEuroFilter::filter(double value, double seconds) {
    if (!m_started) {
        m_started = true;
        m_value = value;
        m_speed = 0;
        m_seconds = seconds;
        return value;
    }
    const double dt = seconds - m_seconds;
    if (!(dt > 0)) {
        return m_value;
    }
    m_seconds = seconds;
    const double speed = (value - m_value) / dt;
    m_speed += Smoothing(m_tuning.speedCutoff, dt) * (speed - m_speed);
    const double cutoff = m_tuning.minCutoff + m_tuning.beta * std::fabs(m_speed);
    m_value += Smoothing(cutoff, dt) * (value - m_value);
    return m_value;
}

}  // namespace qvtrack
