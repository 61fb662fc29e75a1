// Counters of the samples taken in and handed out since QvInit. Static storage, atomics only,
// so any thread may read them at any time, even while the tracker starts or stops.
#pragma once

#include <atomic>
#include <cstdint>

#include "qvtrack.h"

namespace qvtrack {

struct TrackStats {
    std::atomic<std::uint64_t> received{0};
    std::atomic<std::uint64_t> validReceived{0};
    std::atomic<std::uint64_t> delivered{0};
    std::atomic<std::uint64_t> validDelivered{0};
    std::atomic<std::int32_t> connected{0};

    void reset();
    void countReceived(bool valid);
    void countDelivered(bool valid);
    QvTrackStats snapshot() const;
};

}  // namespace qvtrack
