#include "TrackStats.h"

namespace qvtrack {

void TrackStats::reset() {
    received = 0;
    validReceived = 0;
    delivered = 0;
    validDelivered = 0;
    connected = 0;
}

void TrackStats::countReceived(bool valid) {
    received.fetch_add(1, std::memory_order_relaxed);
    if (valid) {
        validReceived.fetch_add(1, std::memory_order_relaxed);
    }
}

void TrackStats::countDelivered(bool valid) {
    delivered.fetch_add(1, std::memory_order_relaxed);
    if (valid) {
        validDelivered.fetch_add(1, std::memory_order_relaxed);
    }
}

QvTrackStats TrackStats::snapshot() const {
    QvTrackStats s{};
    s.samplesReceived = received.load(std::memory_order_relaxed);
    s.validReceived = validReceived.load(std::memory_order_relaxed);
    s.samplesDelivered = delivered.load(std::memory_order_relaxed);
    s.validDelivered = validDelivered.load(std::memory_order_relaxed);
    s.connected = connected.load(std::memory_order_relaxed);
    return s;
}

}  // namespace qvtrack
