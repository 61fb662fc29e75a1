// Replays a gaze data file at the configured rate (QVTRACK_RATE, the rate it was recorded at)
// times QVTRACK_SPEED.
//
// A recording faster than the program takes (above 120 samples a second, or above QVTRACK_RATE
// set lower) is decimated in recorded time: each delivered sample is the average of the lines
// of one delivered period (over those with the eye found), so the same file always replays the
// same way, paced or not. Once the data has ended the source gives not-found samples at the
// delivered rate, whatever the speed: an unpaced replay must not spin when it has nothing left.
#pragma once

#include <memory>

#include "GazeSource.h"
#include "Pacer.h"
#include "ReplayReader.h"

namespace qvtrack {

class ReplaySource : public GazeSource {
public:
    // Takes the stream; `clock` and `stats` must outlive the source. `deliveredRate` is at most
    // `recordedRate`.
    ReplaySource(std::unique_ptr<TextStream> stream, int hostWidth, int hostHeight, Clock& clock, TrackStats& stats,
                 int recordedRate, double speed, int deliveredRate);
    int samplesPerSecond() const override { return deliveredRate_; }
    void next(GazeSample& out) override;

private:
    std::unique_ptr<TextStream> stream_;
    ReplayReader reader_;
    Pacer pacer_;
    Pacer endPacer_;
    TrackStats& stats_;
    int recordedRate_;
    int deliveredRate_;
    // Recorded samples owed to the deliveries so far, in units of 1/deliveredRate_.
    long long owed_ = 0;
};

}  // namespace qvtrack
