#include "CameraSourceFactory.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include "CalibrationFile.h"
#include "CameraPaths.h"
#include "CameraSource.h"
#include "CaptureFeed.h"
#include "SourceConfig.h"

namespace qvtrack {

namespace {
constexpr const char* kPrefix = "qvtrack: ";
}

std::unique_ptr<GazeSource> CreateCameraSource(const std::string& name, int requestedRate, double speed,
                                               HostScreen screen, Clock& clock, TrackStats& stats,
                                               std::string& error) {
    const CameraPaths paths = CameraPaths::FromEnvironment();
    CameraRequest request;
    request.name = name;
    request.requestedRate = requestedRate;
    request.speed = speed;
    request.screen = screen;
    request.calibration = paths.calibration;
    request.cascade = paths.cascade;
    return CreateCameraSource(request, clock, stats, std::cerr, error);
}

std::unique_ptr<GazeSource> CreateCameraSource(const CameraRequest& request, Clock& clock, TrackStats& stats,
                                               std::ostream& log, std::string& error) {
    const std::string name = request.name.empty() ? std::string(kDefaultCamera) : request.name;
    const bool camera = CaptureFeed::NamesCamera(name);
    auto feed = std::make_unique<CaptureFeed>(camera ? CaptureFeed::Kind::Camera : CaptureFeed::Kind::Video, name,
                                              request.requestedRate, camera ? 1.0 : request.speed, clock);
    std::string why;
    // A video is there or not, for good: better the user hears it now than watches a pointer
    // that never moves. A camera may be plugged in later.
    const bool open = feed->open(why);
    if (!camera && !open) {
        error = "cannot play the video \"" + name + "\": " + why;
        return nullptr;
    }
    // The program takes at most kMaxDeliveredRate samples a second (or fewer, when asked for
    // fewer); a faster camera has only every stride-th frame followed. The cap is the one every
    // source is held to; frames are not averaged like the samples of a tracker, as a face
    // followed in every frame would cost the processor time the cap is there to save.
    SourceConfig rule;
    rule.rateGiven = request.requestedRate > 0;
    rule.rate = request.requestedRate;
    const int limit = DeliveredRate(SourceConfig::kMaxDeliveredRate, rule);
    const double fps = feed->framesPerSecond();
    const int stride = std::max(1, static_cast<int>(std::ceil(fps / limit - 1e-9)));
    const double rate = fps / stride;

    HeadMap map = HeadMap::Default();
    if (!request.calibration.empty()) {
        CalibrationFile::ReadResult calibration = CalibrationFile::Read(request.calibration);
        if (calibration.status == CalibrationFile::Status::Ok) {
            map = calibration.contents.map;
        } else if (calibration.status == CalibrationFile::Status::Refused) {
            log << kPrefix << "the camera calibration \"" << request.calibration << "\" is not used ("
                << calibration.error << "); using the default gain" << std::endl;
        }
    }

    auto finder = std::make_unique<FaceFinder>();
    std::unique_ptr<CameraReader> reader;
    if (finder->load(request.cascade, why)) {
        reader = std::make_unique<CameraReader>(std::move(feed), std::move(finder), log, open);
        reader->setStride(stride);
    } else {
        log << kPrefix << why << "; the camera source finds no face" << std::endl;
    }
    const auto pace = !camera && request.speed <= 0 ? CameraSource::Pace::OnDemand : CameraSource::Pace::Background;
    return std::make_unique<CameraSource>(std::move(reader), rate, camera ? 1.0 : request.speed, map, request.screen,
                                          pace, stats, clock);
}

}  // namespace qvtrack
