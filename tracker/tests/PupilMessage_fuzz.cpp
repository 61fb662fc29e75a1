// Feeds arbitrary bytes to the Pupil surface message decoder, as a hostile publisher would.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "PupilMessage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<GazeSample> samples;
    qvtrack::PupilMessage::parseSurfaceGaze(reinterpret_cast<const char*>(data), size, {1920, 1080}, samples);
    if (samples.size() > qvtrack::PupilMessage::kMaxSamplesPerMessage) {
        __builtin_trap();
    }
    for (const GazeSample& s : samples) {
        if (s.found != 0 && s.found != 1) {
            __builtin_trap();
        }
    }
    return 0;
}
