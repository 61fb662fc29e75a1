// CameraCalibrate: the camera's calibration window. Calibrate starts it for the camera source
// and waits; a helper may also run it to calibrate again.
//
// Usage: CameraCalibrate [--camera DEVICE_OR_FILE] [--speed S] [--calibration FILE]
//   --camera       the camera device or a video file (default: the camera of QVTRACK_SOURCE
//                  camera[:X], else /dev/video0)
//   --speed        a video's pace multiplier (default QVTRACK_SPEED, else 1; 0 as fast as it
//                  decodes)
//   --calibration  where the map is saved (default $XDG_CONFIG_HOME/lumora/camera-calibration)
// Exit status: 0 a calibration was saved, 1 none was saved (cancelled or failed), 2 bad usage.
#include <QApplication>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

#include "CameraCalibrateWindow.h"
#include "CameraPaths.h"
#include "CameraSourceFactory.h"

namespace {

constexpr int kExitUsage = 2;
constexpr const char* kUsage =
    "usage: CameraCalibrate [--camera DEVICE_OR_FILE] [--speed S] [--calibration FILE]";
constexpr const char* kCameraSource = "camera";

// The camera that QVTRACK_SOURCE names, if it names one.
std::string CameraOfSource() {
    const char* source = std::getenv("QVTRACK_SOURCE");
    if (!source || std::strncmp(source, kCameraSource, std::strlen(kCameraSource)) != 0) {
        return qvtrack::kDefaultCamera;
    }
    const char* rest = source + std::strlen(kCameraSource);
    return *rest == ':' && rest[1] ? std::string(rest + 1) : std::string(qvtrack::kDefaultCamera);
}

// A pace multiplier from 0 on, or nothing.
std::optional<double> Speed(const char* text) {
    if (!text || !*text) {
        return std::nullopt;
    }
    char* end = nullptr;
    const double speed = std::strtod(text, &end);
    if (*end || !std::isfinite(speed) || speed < 0) {
        return std::nullopt;
    }
    return speed;
}

}  // namespace

int main(int argc, char** argv) {
    const qvtrack::CameraPaths paths = qvtrack::CameraPaths::FromEnvironment();
    qvtrack::CameraCalibrateWindow::Setup setup;
    setup.camera = CameraOfSource();
    setup.calibration = paths.calibration;
    setup.cascade = paths.cascade;
    setup.speed = Speed(std::getenv("QVTRACK_SPEED")).value_or(1.0);
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) {
            std::cerr << kUsage << std::endl;
            return kExitUsage;
        }
        const std::string value = argv[++i];
        if (option == "--camera") {
            setup.camera = value;
        } else if (option == "--calibration") {
            setup.calibration = value;
        } else if (option == "--speed") {
            const auto speed = Speed(value.c_str());
            if (!speed) {
                std::cerr << "CameraCalibrate: --speed takes a number from 0 on" << std::endl;
                return kExitUsage;
            }
            setup.speed = *speed;
        } else {
            std::cerr << kUsage << std::endl;
            return kExitUsage;
        }
    }
    if (setup.calibration.empty()) {
        std::cerr << "CameraCalibrate: no place for the calibration (HOME is not set); give --calibration FILE"
                  << std::endl;
        return kExitUsage;
    }
    QApplication app(argc, argv);
    qvtrack::CameraCalibrateWindow window(setup);
    window.showFullScreen();
    app.exec();
    return window.exitCode();
}
