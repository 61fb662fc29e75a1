// Replays a gaze data file at the configured rate.
#pragma once

#include <memory>

#include "GazeSource.h"
#include "Pacer.h"
#include "ReplayReader.h"

namespace qvtrack {

class ReplaySource : public GazeSource {
public:
    // Takes the stream; `clock` and `stats` must outlive the source.
    ReplaySource(std::unique_ptr<TextStream> stream, int hostWidth, int hostHeight, Clock& clock, TrackStats& stats,
                 int rate, double speed);
    int samplesPerSecond() const override { return rate_; }
    void next(GazeSample& out) override;

private:
    std::unique_ptr<TextStream> stream_;
    ReplayReader reader_;
    Pacer pacer_;
    TrackStats& stats_;
    int rate_;
};

}  // namespace qvtrack
