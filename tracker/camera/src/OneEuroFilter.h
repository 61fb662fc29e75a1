// Adaptive smoothing of one coordinate: a low-pass filter whose cutoff rises with the speed of
// the signal. A head held still gets a low cutoff, so camera noise does not make the pointer
// tremble; a head turning gets a high one, so the pointer follows without trailing behind.
//
// Units: the value in any unit (screen pixels here), times in seconds, cutoffs in hertz, and
// `beta` in hertz per (unit per second). One thread.
#pragma once

namespace qvtrack {

class OneEuroFilter {
public:
    struct Tuning {
        double minCutoff = 1.0;     // cutoff while the value holds still
        double beta = 0.0;          // how fast the cutoff rises with the speed
        double speedCutoff = 1.0;   // the cutoff that smooths the speed estimate itself
    };

    explicit OneEuroFilter(Tuning tuning) : m_tuning(tuning) {}

    // The filtered value at `seconds`. The first value after a reset passes unchanged. A time
    // that does not advance (a repeated or out-of-order stamp) keeps the last output, so a
    // broken clock never divides by zero.
    double filter(double value, double seconds);
    void reset() { m_started = false; }
    bool started() const { return m_started; }

private:
    static double Smoothing(double cutoff, double dt);

    Tuning m_tuning;
    bool m_started = false;
    double m_value = 0;
    double m_speed = 0;
    double m_seconds = 0;
};

}  // namespace qvtrack
