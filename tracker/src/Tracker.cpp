#include "Tracker.h"

namespace qvtrack {

namespace {
constexpr const char* kMessagePrefix = "qvtrack: ";
constexpr const char* kFallbackNote = "; using the pointer source";
}  // namespace

std::unique_ptr<Tracker> Tracker::start(const EnvLookup& env, HostScreen screen, Clock& clock, TrackStats& stats,
                                        std::ostream& err) {
    stats.reset();
    ConfigResult result = ReadSourceConfig(env);
    std::string error = result.error;
    std::unique_ptr<GazeSource> source;
    if (error.empty()) {
        source = CreateSource(result.config, screen, clock, stats, error);
    }
    if (!source) {
        err << kMessagePrefix << error << kFallbackNote << std::endl;
        stats.reset();
        std::string unused;
        source = CreateSource(SourceConfig{}, screen, clock, stats, unused);
    }
    return std::unique_ptr<Tracker>(new Tracker(std::move(source), stats));
}

void Tracker::next(GazeSample& out) {
    m_source->next(out);
    m_stats.countDelivered(out.found == 1);
}

}  // namespace qvtrack
