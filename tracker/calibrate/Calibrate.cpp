// Calibrate: the calibration program that the gaze thread runs before it starts the tracker.
// For the Open Gaze source it runs the server's calibration and prints the average error; for
// the camera it runs the camera's calibration window (nine targets, the map saved for the user);
// for every other source there is nothing to calibrate and it ends at once.
//
// Usage: Calibrate [--timeout SECONDS]   (default 120, Open Gaze only; the source comes from
// QVTRACK_SOURCE)
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "CameraSourceFactory.h"
#include "NumberText.h"
#include "OpenGazeCalibration.h"
#include "SourceConfig.h"

namespace {
constexpr int kDefaultSeconds = 120;
constexpr int kMaxSeconds = 3600;
constexpr std::chrono::milliseconds kConnectTimeout{3000};
constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
}  // namespace

int main(int argc, char** argv) {
    int seconds = kDefaultSeconds;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--timeout") == 0 && i + 1 < argc) {
            auto value = qvtrack::ParseInteger(argv[++i], 1, kMaxSeconds);
            if (!value) {
                std::cerr << "Calibrate: --timeout takes a number of seconds from 1 to 3600" << std::endl;
                return kExitUsage;
            }
            seconds = static_cast<int>(*value);
        } else {
            std::cerr << "Calibrate: usage: Calibrate [--timeout SECONDS]" << std::endl;
            return kExitUsage;
        }
    }
    qvtrack::ConfigResult config = qvtrack::ReadSourceConfig([](const char* name) { return std::getenv(name); });
    if (config.error.empty() && config.config.kind == qvtrack::SourceKind::Camera) {
        return qvtrack::RunCameraCalibration(config.config.path);
    }
    if (!config.error.empty() || config.config.kind != qvtrack::SourceKind::OpenGaze) {
        return kExitDone;  // nothing to calibrate; the library reports bad settings itself
    }
    std::string error;
    auto connection = qvtrack::OpenGazeConnection::open(config.config.host, config.config.port, kConnectTimeout, error);
    if (!connection) {
        std::cout << "Calibration: cannot connect to the tracker server at " << config.config.host << ":"
                  << config.config.port << " (" << error << ")" << std::endl;
        return kExitFailed;
    }
    auto result = qvtrack::OpenGazeCalibration::run(*connection, std::chrono::seconds(seconds), std::cout);
    return result.outcome == qvtrack::OpenGazeCalibration::Outcome::Done ? kExitDone : kExitFailed;
}
