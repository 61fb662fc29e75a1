// Starts the camera's calibration window (the program CameraCalibrate, a Qt program beside the
// calling one) and waits for it: what Calibrate does for the camera source.
//
// QVTRACK_CALIBRATION=keep skips the window while the user has a usable calibration. Without
// a screen to show the window on (no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM) there is
// nothing to do either. SIGINT, SIGTERM and SIGHUP received while waiting are passed on to the
// window, so stopping the caller stops the calibration.
#pragma once

#include <string>

#include "SourceConfig.h"

namespace qvtrack {

class CalibrationLauncher {
public:
    static constexpr const char* kProgram = "CameraCalibrate";
    static constexpr const char* kKeepVariable = "QVTRACK_CALIBRATION";
    static constexpr const char* kKeep = "keep";

    enum Exit { kSaved = 0, kNotSaved = 1, kUsage = 2 };

    // `programFolder`: where CameraCalibrate is looked for. Messages on `out` (stdout).
    // Returns the window's exit status, kSaved when there was nothing to do, kNotSaved when
    // the program could not be run.
    static int Run(const std::string& camera, const std::string& programFolder, const EnvLookup& env,
                   const std::string& calibrationPath);
    // Whether the window is needed: false with `why` set when it is not.
    static bool Needed(const EnvLookup& env, const std::string& calibrationPath, std::string& why);
};

}  // namespace qvtrack
