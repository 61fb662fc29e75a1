#include "ReplaySource.h"

namespace qvtrack {

ReplaySource::ReplaySource(std::unique_ptr<TextStream> stream, int hostWidth, int hostHeight, Clock& clock,
                           TrackStats& stats, int rate, double speed)
    : stream_(std::move(stream)),
      reader_(*stream_, hostWidth, hostHeight),
      pacer_(clock, rate * speed),
      stats_(stats),
      rate_(rate) {
    stats_.connected = 1;
}

void ReplaySource::next(GazeSample& out) {
    pacer_.wait();
    reader_.next(out);
    stats_.countReceived(out.found == 1);
}

}  // namespace qvtrack
