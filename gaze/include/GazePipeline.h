// GazePipeline: the gaze thread's work for one sample from the tracker. A valid sample (found
// flag exactly 1) is written to the gaze data file, fed to the fixation detector, and turned
// into messages for the main window:
//   fixating            WM_GAZE_POINT (1, smoothed over 10) and, when due, WM_GAZE_DWELL (1, point)
//   fixation completed  WM_GAZE_FIXATION_END (1, point)
//   moving              WM_GAZE_POINT (0, smoothed over 3)
// where point is the detector's delayed position truncated toward zero. Any other sample does
// nothing at all. Owned and used by one thread; it allocates nothing per sample.
#pragma once

#include <array>

#include "DwellCheck.h"
#include "FixationDetector.h"
#include "GazeMessages.h"
#include "GazeShared.h"
#include "GazeSmoother.h"

namespace lumora {

// Room for "[-2147483648,-2147483648]".
using SampleLineBuffer = std::array<char, 32>;

class GazePipeline {
public:
    // `thresholdPx` is the fixation deviation threshold in screen pixels, fixed for the run.
    // Posted points are clamped to within one screen size of the screen of screenWidth x
    // screenHeight pixels (0: no screen known, points go as they are).
    GazePipeline(GazeMessageSink& sink, GazeShared& shared, float thresholdPx, int screenWidth = 0,
                 int screenHeight = 0);

    // Clears the detector, the smoothing ring and the dwell check.
    void reset();

    void onSample(int found, int x, int y);

private:
    std::intptr_t point(int x, int y) const { return MakeScreenPointLParam(x, y, m_screenWidth, m_screenHeight); }

    GazeMessageSink& m_sink;
    GazeShared& m_shared;
    float m_thresholdPx;
    int m_screenWidth;
    int m_screenHeight;
    FixationDetector m_detector;
    GazeSmoother m_smoother;
    DwellCheck m_dwell;
    SampleLineBuffer m_line{};
};

}  // namespace lumora
