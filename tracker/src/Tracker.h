// The library's state between QvInit and QvExit: the chosen source and the sample record the
// program reads. The C exports forward here.
#pragma once

#include <memory>
#include <ostream>

#include "Clock.h"
#include "GazeSource.h"
#include "SourceConfig.h"
#include "SourceFactory.h"

namespace qvtrack {

class Tracker {
public:
    // Reads the configuration through `env`, builds its source and, when anything is wrong,
    // writes one line to `err` and uses the pointer source instead. Never null.
    static std::unique_ptr<Tracker> start(const EnvLookup& env, HostScreen screen, Clock& clock, TrackStats& stats,
                                          std::ostream& err);

    int samplesPerSecond() const { return m_source->samplesPerSecond(); }
    // Fills `out` with the next sample; returns within one sample period.
    void next(GazeSample& out);

private:
    Tracker(std::unique_ptr<GazeSource> source, TrackStats& stats) : m_source(std::move(source)), m_stats(stats) {}

    std::unique_ptr<GazeSource> m_source;
    TrackStats& m_stats;
};

}  // namespace qvtrack
