// GazeSmoother: the moving average that steadies the gaze point the windows see. One ring of
// the last 60 samples serves every window length, so after a change between moving (short
// window) and fixating (long window) the average reaches back across the change.
// Fixed storage; gaze thread only.
#pragma once

namespace lumora {

struct GazePoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const GazePoint&, const GazePoint&) = default;
};

class GazeSmoother {
public:
    static constexpr int RING_SIZE = 60;
    static constexpr int kFixatingWindow = 10;
    static constexpr int kMovingWindow = 3;

    // Stores the sample and returns the integer mean (truncated toward zero) of the found
    // samples among the newest `window` entries (clamped to 1..RING_SIZE). When none of them
    // was found, the previous result is returned again (initially (0, 0)).
    GazePoint SmoothGazePoint(int found, int x, int y, int window);

private:
    // Three parallel rings; an entry whose found flag was not 1 holds 0, 0, 0.
    int m_found[RING_SIZE] = {};
    int m_x[RING_SIZE] = {};
    int m_y[RING_SIZE] = {};
    int m_index = 0;  // the first sample lands in slot 1
    GazePoint m_last;
};

}  // namespace lumora
