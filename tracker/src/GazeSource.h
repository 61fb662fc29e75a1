// One source of gaze samples behind QvGetData.
#pragma once

#include "TrackStats.h"
#include "qvtrack.h"

namespace qvtrack {

class GazeSource {
public:
    virtual ~GazeSource() = default;
    // The nominal rate, reported to the program as iSamplePerSec.
    virtual int samplesPerSecond() const = 0;
    // Fills the next sample. Returns within one nominal sample period.
    virtual void next(GazeSample& out) = 0;
};

}  // namespace qvtrack
