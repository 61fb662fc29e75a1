// Turns the face seen in each frame into a gaze sample on the host screen: through the user's
// calibration map (or the default gain), smoothed against the camera's noise, held on the
// screen.
//
// Smoothing: a One Euro filter per coordinate on the screen point, restarted whenever the
// face was lost, so a face found again does not drag the pointer across from where it was.
// The point is held on the screen: a head pointer aims at the screen, and the buttons at its
// edges must be reachable without turning the head any further than towards them.
//
// One thread.
#pragma once

#include "FaceObservation.h"
#include "HeadMap.h"
#include "OneEuroFilter.h"
#include "SourceFactory.h"
#include "qvtrack.h"

namespace qvtrack {

class HeadPointer {
public:
    // Tuned on head videos: a still head stays within a pixel or two; a turn is followed with
    // the cutoff rising by one hertz for every 100 pixels a second.
    static constexpr OneEuroFilter::Tuning kSmoothing{0.6, 0.01, 1.0};

    HeadPointer(const HeadMap& map, HostScreen screen, OneEuroFilter::Tuning smoothing = kSmoothing);

    // The sample for one frame; without a face, found 0 at the last position.
    GazeSample point(const FaceObservation& face);
    const HeadMap& map() const { return m_map; }

private:
    HeadMap m_map;
    int m_width;
    int m_height;
    OneEuroFilter m_x;
    OneEuroFilter m_y;
    GazeSample m_last{};
};

}  // namespace qvtrack
