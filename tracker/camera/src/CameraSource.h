// Gaze from a webcam: the user's head as a pointer. The face is followed in every frame
// (CameraReader) and its place mapped to the screen (HeadPointer).
//
// A camera, or a video played at a pace, is read on a background thread like the network
// sources: next() hands out each frame's sample as soon as it is ready, waiting for it until a
// quarter of a frame period after it was due (SampleHandoff). A frame that does not come by then
// (a webcam slowing down in dim light, a dropped frame) is bridged by repeating the last sample
// for up to kBridgeFrames periods, so the program's dwell counts do not break on camera
// hiccups; after that, while the camera is away, next() repeats the last position with found 0.
// A face that leaves the view gives found 0 at once: its frames still come, without a face.
// A video played unpaced
// (speed 0) is read on demand instead, one frame per next(), so that a test or a demo run sees
// every frame exactly once, however slow the machine. After a video's end every sample is
// found 0 at the last position, one per frame period.
#pragma once

#include <memory>

#include "BackgroundLoop.h"
#include "CameraReader.h"
#include "Clock.h"
#include "GazeSource.h"
#include "HeadPointer.h"
#include "Pacer.h"
#include "SampleHandoff.h"

namespace qvtrack {

class CameraSource : public GazeSource {
public:
    enum class Pace { Background, OnDemand };
    static constexpr int kBridgeFrames = 3;

    // `reader` null: no face can be found (the detector's data is missing); every sample is
    // found 0. `framesPerSecond` is the nominal rate and `speed` the video's pace multiplier
    // (1 for a camera). `stats` and `clock` must outlive the source.
    CameraSource(std::unique_ptr<CameraReader> reader, double framesPerSecond, double speed, const HeadMap& map,
                 HostScreen screen, Pace pace, TrackStats& stats, Clock& clock);
    ~CameraSource() override;

    int samplesPerSecond() const override { return m_rate; }
    void next(GazeSample& out) override;

private:
    std::unique_ptr<CameraReader> m_reader;
    int m_rate;
    std::chrono::nanoseconds m_period;
    HeadPointer m_pointer;
    Pace m_pace;
    TrackStats& m_stats;
    Pacer m_afterEnd;
    bool m_ended = false;
    GazeSample m_lastReceived{};
    std::chrono::steady_clock::time_point m_lastReceivedAt{};
    SampleHandoff m_handoff;
    BackgroundLoop m_loop;  // last: joined before the members above go
};

}  // namespace qvtrack
