#include "ReplaySource.h"

#include <cmath>
#include <cstdint>

namespace qvtrack {

ReplaySource::ReplaySource(std::unique_ptr<support::ByteSource> stream, int hostWidth, int hostHeight, Clock& clock,
                           TrackStats& stats, int recordedRate, double speed, int deliveredRate)
    : m_stream(std::move(stream)),
      m_reader(*m_stream, hostWidth, hostHeight),
      m_pacer(clock, deliveredRate * speed),
      m_endPacer(clock, deliveredRate),
      m_stats(stats),
      m_recordedRate(recordedRate > 0 ? recordedRate : 1),
      m_deliveredRate(deliveredRate > 0 && deliveredRate <= m_recordedRate ? deliveredRate : m_recordedRate) {
    m_stats.connected = 1;
}

void ReplaySource::next(GazeSample& out) {
    (m_reader.atEnd() ? m_endPacer : m_pacer).wait();
    if (m_deliveredRate == m_recordedRate) {
        m_reader.next(out);
        m_stats.countReceived(out.found == 1);
        return;
    }
    // Whole lines for this delivery: the recorded rate over the delivered one, the remainder
    // carried, so n deliveries always take n x recorded / delivered lines (rounded down).
    m_owed += m_recordedRate;
    const long long lines = m_owed / m_deliveredRate;
    m_owed %= m_deliveredRate;
    // 64-bit sums: samples at the int limits must not overflow.
    std::int64_t sumX = 0;
    std::int64_t sumY = 0;
    std::int64_t found = 0;
    GazeSample sample = out;
    for (long long i = 0; i < lines; ++i) {
        m_reader.next(sample);
        m_stats.countReceived(sample.found == 1);
        if (sample.found == 1) {
            sumX += sample.x;
            sumY += sample.y;
            ++found;
        }
        if (m_reader.atEnd()) {
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
