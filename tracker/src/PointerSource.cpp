#include "PointerSource.h"

namespace qvtrack {

PointerSource::PointerSource(Clock& clock, PointerFeed& feed, TrackStats& stats, int rate, double speed)
    : pacer_(clock, rate * speed), feed_(feed), stats_(stats), rate_(rate) {
    stats_.connected = 1;
}

void PointerSource::next(GazeSample& out) {
    pacer_.wait();
    int x = 0;
    int y = 0;
    if (feed_.latest(x, y)) {
        out.found = 1;
        out.x = x;
        out.y = y;
    } else {
        out.found = 0;
    }
    stats_.countReceived(out.found == 1);
}

}  // namespace qvtrack
