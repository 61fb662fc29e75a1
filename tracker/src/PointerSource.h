// The default source: the latest position fed through QvFeedPointer, at a fixed rate.
#pragma once

#include "GazeSource.h"
#include "Pacer.h"
#include "PointerFeed.h"

namespace qvtrack {

class PointerSource : public GazeSource {
public:
    // `clock`, `feed` and `stats` must outlive the source.
    PointerSource(Clock& clock, PointerFeed& feed, TrackStats& stats, int rate, double speed);
    int samplesPerSecond() const override { return rate_; }
    void next(GazeSample& out) override;

private:
    Pacer pacer_;
    PointerFeed& feed_;
    TrackStats& stats_;
    int rate_;
};

}  // namespace qvtrack
