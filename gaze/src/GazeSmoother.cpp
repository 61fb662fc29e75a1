#include "GazeSmoother.h"

namespace lumora {

GazePoint GazeSmoother::SmoothGazePoint(int found, int x, int y, int window) {
    if (window < 1)
        window = 1;
    if (window > RING_SIZE)
        window = RING_SIZE;
    m_index = (m_index + 1) % RING_SIZE;
    // Only a found flag of exactly 1 counts. Storing it as 1 or 0, with the point zeroed when it
    // does not count, makes the walk back a plain sum over at most two contiguous runs.
    const bool counts = found == 1;
    m_found[m_index] = counts ? 1 : 0;
    m_x[m_index] = counts ? x : 0;
    m_y[m_index] = counts ? y : 0;

    long long sumX = 0, sumY = 0;  // sixty points near the int limits must not overflow
    int count = 0;
    const auto sumRun = [&](int from, int to) {
        for (int i = from; i <= to; ++i) {
            sumX += m_x[i];
            sumY += m_y[i];
            count += m_found[i];
        }
    };
    const int first = m_index - window + 1;
    if (first >= 0) {
        sumRun(first, m_index);
    } else {
        sumRun(0, m_index);
        sumRun(first + RING_SIZE, RING_SIZE - 1);
    }
    if (count > 0)
        m_last = GazePoint{static_cast<int>(sumX / count), static_cast<int>(sumY / count)};
    return m_last;
}

}  // namespace lumora
