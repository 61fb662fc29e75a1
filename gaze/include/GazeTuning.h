// The three gaze tuning values, where they live in the gaze settings file, and the derived
// minimum fixation length in samples.
#pragma once

#include <string>
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

// The values of the first-run settings file that ships with Lumora: 500 ms, green-yellow-red,
// a quarter inch.
GazeTuning FirstRunGazeTuning();
// That file's text, as the program writes it.
std::string FirstRunSettingsText();

// Whether the values can drive the gaze: a dwell timing and a dwell size above 0 (a file emptied
// by a crash, or holding no numbers, gives 0 for both).
bool IsUsableGazeTuning(const GazeTuning& tuning);

// The start-up read: points the document at the gaze settings file, reads it (a missing file or
// one whose keys are missing leaves the values at 0 / false) and takes the three values. A path
// that holds something other than a settings file (a folder, a FIFO, a device, a file too large)
// cannot be the user's settings: the first-run values are used, the document stays empty.
GazeTuning ReadGazeTuning(IniDocument& doc);
// The three values as the document holds them (0 / false for missing keys).
GazeTuning GazeTuningOf(const IniDocument& doc);

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
