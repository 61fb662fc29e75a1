// What the gaze thread shares with the user-interface thread.
#pragma once

#include <atomic>

#include "GazeDataFile.h"

namespace lumora {

struct GazeShared {
    // Set before the thread starts; cleared by the user-interface thread to stop it. The thread
    // tests it before each sample.
    std::atomic<bool> gazeRunning{false};
    // Rewritten by the settings command; read by the gaze thread at every sample.
    std::atomic<int> minimum_fix_samples{0};
    // The tracker's sample rate, published by the thread once the tracker has started (0 before),
    // so the settings command can recompute minimum_fix_samples.
    std::atomic<int> iSamplePerSec{0};
    // The run's gaze data file: sample lines from the gaze thread, settings lines from the
    // settings command.
    GazeDataFile dataFile;
};

}  // namespace lumora
