// Where the camera source finds its files: the user's calibration and the face detector's data.
//
// The calibration is per user: "lumora/camera-calibration" in $XDG_CONFIG_HOME, or in
// ~/.config when that variable is unset, empty or not an absolute path. Without a home folder
// there is no calibration path (empty) and the default gain applies.
//
// The face detector's data (OpenCV's frontal face cascade, from the opencv-data package):
// $QVTRACK_FACE_CASCADE when set; otherwise the file found when the suite was configured;
// otherwise where Debian puts it. The result may name a missing file; whoever loads it says so.
#pragma once

#include <string>

#include "SourceConfig.h"

namespace qvtrack {

struct CameraPaths {
    static constexpr const char* kCalibrationName = "lumora/camera-calibration";
    static constexpr const char* kCascadeVariable = "QVTRACK_FACE_CASCADE";
    static constexpr const char* kDebianCascade = "/usr/share/opencv4/haarcascades/haarcascade_frontalface_default.xml";

    std::string calibration;
    std::string cascade;

    static CameraPaths FromEnvironment(const EnvLookup& env);
    // The process's own environment.
    static CameraPaths FromEnvironment();
};

}  // namespace qvtrack
