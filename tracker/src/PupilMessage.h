// The payload of a Pupil surface event (msgpack): its gaze points on the surface become samples
// on the host screen. Decoding is bounded (sizes, nesting) and refuses what it does not know.
#pragma once

#include <cstddef>
#include <vector>

#include "SourceFactory.h"
#include "qvtrack.h"

namespace qvtrack {

class PupilMessage {
public:
    static constexpr double kMinConfidence = 0.6;
    static constexpr std::size_t kMaxSamplesPerMessage = 256;

    // Appends one sample per entry of "gaze_on_surfaces": normalized coordinates with their
    // origin at the bottom left turned into host pixels; found 1 only with a confidence of at
    // least kMinConfidence and the point on the surface. False for a payload that is not a
    // msgpack map or breaks the bounds; entries without a usable position are left out.
    static bool parseSurfaceGaze(const char* data, std::size_t size, HostScreen screen, std::vector<GazeSample>& out);
};

}  // namespace qvtrack
