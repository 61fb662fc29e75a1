#include "GazeTuning.h"

#include <cmath>

namespace lumora {

namespace {
constexpr float kMsToSeconds = 0.001f;
}

GazeTuning FirstRunGazeTuning() {
    return GazeTuning{500.0f, true, 6.35f};
}

std::string FirstRunSettingsText() {
    IniDocument doc;
    SetGazeTuning(doc, FirstRunGazeTuning());
    support::MemoryByteSink text;
    doc.write(text);
    return text.bytes();
}

bool IsUsableGazeTuning(const GazeTuning& tuning) {
    return std::isfinite(tuning.fMinFixMs) && tuning.fMinFixMs > 0.0f && std::isfinite(tuning.GazeDev) &&
           tuning.GazeDev > 0.0f;
}

GazeTuning ReadGazeTuning(IniDocument& doc) {
    doc.setPath(std::string(kGazeSettingsPath));
    doc.read();
    switch (doc.fileStatus()) {
        case support::ReadStatus::NotRegular:
        case support::ReadStatus::TooLarge:
        case support::ReadStatus::Unreadable:
            return FirstRunGazeTuning();
        case support::ReadStatus::Ok:
        case support::ReadStatus::Missing:
            break;
    }
    return GazeTuningOf(doc);
}

GazeTuning GazeTuningOf(const IniDocument& doc) {
    GazeTuning t;
    t.fMinFixMs = static_cast<float>(doc.getNumber(kFixTimeSection, kFixTimeKey, 0.0));
    t.Yellow = doc.getNumber(kCursorColorSection, kCursorColorKey, 0.0) != 0.0;
    t.GazeDev = static_cast<float>(doc.getNumber(kGazeDevSection, kGazeDevKey, 0.0));
    return t;
}

void SetGazeTuning(IniDocument& doc, const GazeTuning& tuning) {
    doc.setNumber(kFixTimeSection, kFixTimeKey, tuning.fMinFixMs);
    doc.setNumber(kCursorColorSection, kCursorColorKey, tuning.Yellow ? 1.0 : 0.0);
    doc.setNumber(kGazeDevSection, kGazeDevKey, tuning.GazeDev);
}

support::WriteStatus StoreGazeTuning(IniDocument& doc, const GazeTuning& tuning) {
    SetGazeTuning(doc, tuning);
    return doc.write();
}

int MinimumFixSamples(int iSamplePerSec, float fMinFixMs) {
    const long double product = static_cast<long double>(iSamplePerSec) * static_cast<long double>(fMinFixMs) *
                                static_cast<long double>(kMsToSeconds);
    const long double samples = std::ceil(product);
    // Settings files are outside data: keep absurd values inside int rather than overflow.
    if (!(samples < 1e9L))
        return samples > 0 ? 1000000000 : 0;
    if (samples < -1e9L)
        return -1000000000;
    return static_cast<int>(samples);
}

float DeviationThresholdPx(float gazeDevMm, int screenWidth) {
    // The single-precision value of 1/338.
    constexpr float kPixelsPerMmPerPixelOfWidth = 0.00295858f;
    const float pixelsPerMm = static_cast<float>(screenWidth) * kPixelsPerMmPerPixelOfWidth;
    return gazeDevMm * pixelsPerMm;
}

}  // namespace lumora
