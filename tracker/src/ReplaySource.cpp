#include "ReplaySource.h"

#include <cmath>
#include <cstdint>

namespace qvtrack {

ReplaySource::ReplaySource(std::unique_ptr<TextStream> stream, int hostWidth, int hostHeight, Clock& clock,
                           TrackStats& stats, int recordedRate, double speed, int deliveredRate)
    : stream_(std::move(stream)),
      reader_(*stream_, hostWidth, hostHeight),
      pacer_(clock, deliveredRate * speed),
      endPacer_(clock, deliveredRate),
      stats_(stats),
      recordedRate_(recordedRate > 0 ? recordedRate : 1),
      deliveredRate_(deliveredRate > 0 && deliveredRate <= recordedRate_ ? deliveredRate : recordedRate_) {
    stats_.connected = 1;
}

void ReplaySource::next(GazeSample& out) {
    (reader_.atEnd() ? endPacer_ : pacer_).wait();
    if (deliveredRate_ == recordedRate_) {
        reader_.next(out);
        stats_.countReceived(out.found == 1);
        return;
    }
    // Whole lines for this delivery: the recorded rate over the delivered one, the remainder
    // carried, so n deliveries always take n x recorded / delivered lines (rounded down).
    owed_ += recordedRate_;
    const long long lines = owed_ / deliveredRate_;
    owed_ %= deliveredRate_;
    // 64-bit sums: samples at the int limits must not overflow.
    std::int64_t sumX = 0;
    std::int64_t sumY = 0;
    std::int64_t found = 0;
    GazeSample sample = out;
    for (long long i = 0; i < lines; ++i) {
        reader_.next(sample);
        stats_.countReceived(sample.found == 1);
        if (sample.found == 1) {
            sumX += sample.x;
            sumY += sample.y;
            ++found;
        }
        if (reader_.atEnd()) {
            break;
        }
    }
    if (found == 0) {
        // The reader keeps the last position on a not-found sample, as a tracker does.
        out = GazeSample{0, sample.x, sample.y};
        return;
    }
    const double n = static_cast<double>(found);
    out = GazeSample{1, static_cast<std::int32_t>(std::llround(static_cast<double>(sumX) / n)),
                     static_cast<std::int32_t>(std::llround(static_cast<double>(sumY) / n))};
}

}  // namespace qvtrack
