// The demo recording: the house session done by a GazeUser, as gaze data file text (the header
// of a Lumora gaze data file, then one line per sample: "[x,y]", or "[-]" for a sample without
// gaze, which the replay source reads as not found).
#pragma once

#include <string>
#include <vector>

#include "GazeUser.h"

namespace lumora::demo {

inline constexpr unsigned long long kDemoSeed = 20261207;

struct DemoRecording {
    std::vector<Sample> samples;
    struct Step {
        QString what;
        std::size_t end;  // the sample count when it was done
        int commits;      // the commits so far, by then
    };
    std::vector<Step> steps;
    int commits = 0;
};

// Lumora on the recording's screen with the recording's gaze settings (the yellow step as
// given).
ModelSettings DemoModelSettings(bool yellow = kYellowStep);

// Throws SessionStalled when the session cannot be done on that screen.
DemoRecording RecordHouseSession(unsigned long long seed = kDemoSeed);

std::string RecordingText(const DemoRecording& recording);

}  // namespace lumora::demo
