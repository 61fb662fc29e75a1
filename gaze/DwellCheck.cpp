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
    const int distance = static_cast<int>(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
    m_checkX = x;
    m_checkY = y;
    if (distance <= thresholdPx)
        return true;
    m_dwellCounter = 0;
    return false;
}

}  // namespace lumora
