#include "SourceFactory.h"

#include "PointerSource.h"
#include "ReplaySource.h"

namespace qvtrack {

std::unique_ptr<GazeSource> CreateSource(const SourceConfig& config, HostScreen screen, Clock& clock, TrackStats& stats,
                                         std::string& error) {
    switch (config.kind) {
        case SourceKind::Pointer:
            return std::make_unique<PointerSource>(clock, PointerFeed::instance(), stats, config.rate, config.speed);
        case SourceKind::Replay: {
            auto stream = FileTextStream::open(config.path);
            if (!stream) {
                error = "cannot read the gaze data file \"" + config.path + "\"";
                return nullptr;
            }
            return std::make_unique<ReplaySource>(std::move(stream), screen.width, screen.height, clock, stats,
                                                  config.rate, config.speed);
        }
        case SourceKind::OpenGaze:
        case SourceKind::Pupil:
        case SourceKind::Udp:
            break;
    }
    error = "this source is not available in this build";
    return nullptr;
}

}  // namespace qvtrack
