// DwellCheck: decides, for each fixating sample, whether the gaze has held still for another
// `minimum_fix_samples` samples (a dwell step of the canvas). Gaze thread only.
#pragma once

namespace lumora {

class DwellCheck {
public:
    // A fixating sample at the detector's delayed position. True when a dwell message is due:
    // the counter reached a whole multiple of `minimumFixSamples` and the position is within
    // `thresholdPx` (whole pixels, truncated) of the last check's position; any distance, however
    // large or infinite, compares as the number it is. A check that finds
    // the gaze moved restarts the count. Every check remembers the position. A minimum count of
    // 0 or less (no settings file yet) counts as 1.
    bool onFixating(float x, float y, int minimumFixSamples, float thresholdPx);

    // A sample that is not fixating restarts the count.
    void reset() { m_dwellCounter = 0; }

    int dwellCounter() const { return m_dwellCounter; }

private:
    int m_dwellCounter = 0;
    float m_checkX = 0.0f;
    float m_checkY = 0.0f;
};

}  // namespace lumora
