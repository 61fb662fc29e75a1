// The webcam head pointer as a gaze source of the tracker library: QVTRACK_SOURCE
// camera[:DEVICE_OR_FILE]. Without OpenCV's headers: the library's factory calls this.
//
// DEVICE_OR_FILE: a camera device (/dev/video0 when left out; a number N means /dev/videoN) or
// a video file, which plays as a camera at its own frame rate times QVTRACK_SPEED (0: one
// frame for every sample asked for). The face is followed in the frames and its place mapped to
// the screen through the user's calibration ($XDG_CONFIG_HOME/lumora/camera-calibration; the
// default gain without one). iSamplePerSec is the camera's or the video's frame rate; a camera
// faster than the program takes samples (120 a second, or QVTRACK_RATE when lower; the camera is
// asked for that rate, 30 by default) has only every second, third, ... frame followed, and the
// rate reported is what that leaves.
//
// Failures: a video that cannot be played yields no source (null, `error` set). A camera that
// is away yields a source that reports found 0 and keeps trying to open it, with one line on
// standard error per outage; so does a source whose face detector data is missing (it then
// never finds a face). A damaged calibration file is named on standard error and the default
// gain used. A video's end is named on standard error, once; every sample after it is found 0.
//
// For the whole process, the source tells OpenCV to write nothing on standard error (the source
// says what went wrong, once) and to work without its thread pool.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "Clock.h"
#include "GazeSource.h"
#include "SourceFactory.h"
#include "TrackStats.h"

namespace qvtrack {

inline constexpr const char* kDefaultCamera = "/dev/video0";

struct CameraRequest {
    std::string name;      // DEVICE_OR_FILE; empty: kDefaultCamera
    int requestedRate = 0; // QVTRACK_RATE: frames per second to ask a camera for, and the most
                           // samples a second to deliver; 0: the camera's default (30)
    double speed = 1.0;    // a video's pace multiplier; 0: unpaced
    HostScreen screen;
    std::string calibration;  // the calibration file; empty: none (the default gain)
    std::string cascade;      // the face detector's data
};

// The source for camera[:NAME] with the paths from the process's environment; messages go to
// standard error. `clock` and `stats` must outlive the source.
std::unique_ptr<GazeSource> CreateCameraSource(const std::string& name, int requestedRate, double speed,
                                               HostScreen screen, Clock& clock, TrackStats& stats,
                                               std::string& error);
// The same with everything given, for tests and tools.
std::unique_ptr<GazeSource> CreateCameraSource(const CameraRequest& request, Clock& clock, TrackStats& stats,
                                               std::ostream& log, std::string& error);

// What the calibration program does for camera[:NAME]: runs the calibration window (the
// program CameraCalibrate beside the running program) for the user and waits for it. Returns
// the exit status to end with: 0 when a calibration was saved or none was needed (see
// CalibrationLauncher.h: QVTRACK_CALIBRATION=keep, no screen), 1 when none was saved.
int RunCameraCalibration(const std::string& name);

}  // namespace qvtrack
