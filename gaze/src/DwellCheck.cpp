#include "DwellCheck.h"

#include <cmath>

namespace lumora {

bool DwellCheck::onFixating(float x, float y, int minimumFixSamples, float thresholdPx) {
    // Without a settings file the sample count is 0; dividing by it would end the program.
    const int every = minimumFixSamples > 0 ? minimumFixSamples : 1;
    ++m_dwellCounter;
    if (m_dwellCounter % every != 0)
        return false;
    const float dx = x - m_checkX;
    const float dy = y - m_checkY;
    // Truncated to whole pixels as the check has always been, but kept in floating point: gaze
    // far off the screen (a tracker at its integer limits) is billions of pixels away, which no
    // int holds, and such a distance must never pass as a dwell.
    const double distance = std::trunc(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
    m_checkX = x;
    m_checkY = y;
    if (distance <= thresholdPx)
        return true;
    m_dwellCounter = 0;
    return false;
}

}  // namespace lumora
