// Lumora's sounds. Each is short and distinct, so that a user who cannot look away from the
// screen can tell by ear what happened.
#include "Catalog.h"
#include "WavWriter.h"

namespace artgen {

namespace {

constexpr double kClickSeconds = 0.045;
constexpr double kClickHertz = 2400;

}  // namespace

std::vector<Artifact> SoundFiles() {
    return {
        {"Lumora/Sounds/CLICK.WAV", [] { return EncodeWav(Tick(kClickSeconds, kClickHertz)); }},
    };
}

}  // namespace artgen
