// Builds the gaze source that a configuration names.
#pragma once

#include <memory>
#include <string>

#include "Clock.h"
#include "GazeSource.h"
#include "SourceConfig.h"

namespace qvtrack {

struct HostScreen {
    int width = 0;
    int height = 0;
};

// Null with `error` set (one line) when the source cannot be used, for example a replay file
// that cannot be opened or a video that cannot be played. `clock` and `stats` must outlive the source.
std::unique_ptr<GazeSource> CreateSource(const SourceConfig& config, HostScreen screen, Clock& clock, TrackStats& stats,
                                         std::string& error);

}  // namespace qvtrack
