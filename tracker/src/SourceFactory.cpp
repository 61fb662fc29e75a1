#include "SourceFactory.h"

#include "CameraModule.h"
#include "FileByteSource.h"
#include "OpenGazeSource.h"
#include "PointerSource.h"
#include "ReplaySource.h"
#include "UdpSource.h"
#ifdef QVTRACK_HAVE_PUPIL
#include "PupilSource.h"
#endif

namespace qvtrack {

std::unique_ptr<GazeSource> CreateSource(const SourceConfig& config, HostScreen screen, Clock& clock, TrackStats& stats,
                                         std::string& error) {
    switch (config.kind) {
        case SourceKind::Pointer:
            // The pointer is read, not received: a lower rate loses nothing.
            return std::make_unique<PointerSource>(clock, PointerFeed::instance(), stats,
                                                   DeliveredRate(config.rate, config), config.speed);
        case SourceKind::Replay: {
            // Only a regular file: a folder fails on every read, and a FIFO or device would block
            // QvInit or never end; refused here, the caller reports it at start.
            auto stream = support::FileByteSource::open(config.path, ReplaySource::kMaxFileBytes);
            if (!stream) {
                error = "cannot read the gaze data file \"" + config.path + "\"";
                return nullptr;
            }
            return std::make_unique<ReplaySource>(std::move(stream), screen.width, screen.height, clock, stats,
                                                  config.rate, config.speed, DeliveredRate(config.rate, config));
        }
        case SourceKind::OpenGaze:
            return std::make_unique<OpenGazeSource>(config, screen, stats);
        case SourceKind::Udp:
            return UdpSource::open(config, stats, error);
        case SourceKind::Camera:
            return CameraModule::Create(config, screen, clock, stats, error);
        case SourceKind::Pupil:
#ifdef QVTRACK_HAVE_PUPIL
            return std::make_unique<PupilSource>(config, screen, stats);
#else
            break;
#endif
    }
    error = "the pupil source was left out of this build (no ZeroMQ or msgpack headers)";
    return nullptr;
}

}  // namespace qvtrack
