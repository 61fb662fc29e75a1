// The three gaze tuning values, where they live in the gaze settings file, and the derived
// minimum fixation length in samples.
#pragma once

#include <string_view>

#include "IniDocument.h"

namespace lumora {

struct GazeTuning {
    float fMinFixMs = 0.0f;  // minimum fixation duration, milliseconds
    bool Yellow = false;     // the dwell colours go green, yellow, red (else green, red)
    float GazeDev = 0.0f;    // fixation deviation threshold, millimetres on the screen
};

inline constexpr std::string_view kGazeSettingsPath = "Lumora/LMSettings.ini";
inline constexpr std::string_view kFixTimeSection = "FixTime";
inline constexpr std::string_view kFixTimeKey = "fMinFixMs";
inline constexpr std::string_view kCursorColorSection = "CursorColor";
inline constexpr std::string_view kCursorColorKey = "Yellow";
inline constexpr std::string_view kGazeDevSection = "GazeDev";
inline constexpr std::string_view kGazeDevKey = "Thresh";

// The start-up read: points the document at the gaze settings file, reads it (a missing or bad
// file leaves the values at 0 / false) and takes the three values.
GazeTuning ReadGazeTuning(IniDocument& doc);

// Sets the three keys in the document (sections created when missing); nothing is written.
void SetGazeTuning(IniDocument& doc, const GazeTuning& tuning);

// Sets the three keys and writes the document to its path; what the settings command does.
support::WriteStatus StoreGazeTuning(IniDocument& doc, const GazeTuning& tuning);

// ceil(iSamplePerSec x fMinFixMs x 0.001f), the product taken in extended precision: because
// 0.001f is a little above 1/1000, a duration that is a whole number of samples gets one more
// (60 samples/s and 500 ms give 31). Callers that divide by it must guard against 0 and below.
int MinimumFixSamples(int iSamplePerSec, float fMinFixMs);

// The fixation deviation threshold in screen pixels for a GazeDev in millimetres, the screen
// taken to be 338 mm wide whatever its pixel width.
float DeviationThresholdPx(float gazeDevMm, int screenWidth);

}  // namespace lumora
