#include "GazeSmoother.h"

namespace lumora {

GazePoint GazeSmoother::SmoothGazePoint(int found, int x, int y, int window) {
    if (window < 1)
        window = 1;
    if (window > RING_SIZE)
        window = RING_SIZE;
    m_index = (m_index + 1) % RING_SIZE;
    m_found[m_index] = found;
    m_x[m_index] = x;
    m_y[m_index] = y;

    // Sums in 64 bits: sixty points near the int limits must not overflow.
    long long sumX = 0, sumY = 0;
    int count = 0;
    int i = m_index;
    for (int k = 0; k < window; ++k) {
        if (m_found[i] == 1) {
            sumX += m_x[i];
            sumY += m_y[i];
            ++count;
        }
        i = (i == 0) ? RING_SIZE - 1 : i - 1;
    }
    if (count > 0)
        m_last = GazePoint{static_cast<int>(sumX / count), static_cast<int>(sumY / count)};
    return m_last;
}

}  // namespace lumora
