#include "PointerSource.h"

namespace qvtrack {

PointerSource::PointerSource(Clock& clock, PointerFeed& feed, TrackStats& stats, int rate, double speed)
    : m_pacer(clock, rate * speed), m_feed(feed), m_stats(stats), m_rate(rate) {
    m_stats.connected = 1;
}

void PointerSource::next(GazeSample& out) {
    m_pacer.wait();
    int x = 0;
    int y = 0;
    if (m_feed.latest(x, y)) {
        out.found = 1;
        out.x = x;
        out.y = y;
    } else {
        out.found = 0;
    }
    m_stats.countReceived(out.found == 1);
}

}  // namespace qvtrack
