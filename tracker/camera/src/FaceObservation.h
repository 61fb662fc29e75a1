// What the camera saw of the face in one frame.
#pragma once

namespace qvtrack {

struct FaceObservation {
    bool found = false;
    // The face's centre in frame pixels (0, 0 the top-left corner), as the camera delivers the
    // frame (not mirrored). Kept from the last frame with a face when `found` is false.
    double x = 0;
    double y = 0;
    int frameWidth = 0;
    int frameHeight = 0;
    // When the frame was taken, in seconds: camera frames on the steady clock, video frames by
    // their place in the video. Only differences count.
    double seconds = 0;

    // The face's place in shares of the frame: -0.5 at the left/top edge, 0.5 at the right/bottom.
    double u() const { return frameWidth > 0 ? x / frameWidth - 0.5 : 0; }
    double v() const { return frameHeight > 0 ? y / frameHeight - 0.5 : 0; }
};

}  // namespace qvtrack
