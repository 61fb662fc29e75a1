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
    int samplesPerSecond() const override { return m_rate; }
    void next(GazeSample& out) override;

private:
    Pacer m_pacer;
    PointerFeed& m_feed;
    TrackStats& m_stats;
    int m_rate;
};

}  // namespace qvtrack
