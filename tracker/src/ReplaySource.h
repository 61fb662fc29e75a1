// Replays a gaze data file at the configured rate (QVTRACK_RATE, the rate it was recorded at)
// times QVTRACK_SPEED.
//
// A recording faster than the program takes (above 120 samples a second, or above QVTRACK_RATE
// set lower) is decimated in recorded time: each delivered sample is the average of the lines
// of one delivered period (over those with the eye found), so the same file always replays the
// same way, paced or not. Once the data has ended the source gives not-found samples at the
// delivered rate, whatever the speed: an unpaced replay must not spin when it has nothing left.
#pragma once

#include <cstdint>
#include <memory>

#include "GazeSource.h"
#include "Pacer.h"
#include "ReplayReader.h"

namespace qvtrack {

class ReplaySource : public GazeSource {
public:
    // Longer recordings are no recordings (a day at 120 samples a second is about 150 MB).
    static constexpr std::uint64_t kMaxFileBytes = 1ULL << 30;

    // Takes the stream; `clock` and `stats` must outlive the source. `deliveredRate` is at most
    // `recordedRate`.
    ReplaySource(std::unique_ptr<support::ByteSource> stream, int hostWidth, int hostHeight, Clock& clock, TrackStats& stats,
                 int recordedRate, double speed, int deliveredRate);
    int samplesPerSecond() const override { return m_deliveredRate; }
    void next(GazeSample& out) override;

private:
    std::unique_ptr<support::ByteSource> m_stream;
    ReplayReader m_reader;
    Pacer m_pacer;
    Pacer m_endPacer;
    TrackStats& m_stats;
    int m_recordedRate;
    int m_deliveredRate;
    // Recorded samples owed to the deliveries so far, in units of 1/m_deliveredRate.
    long long m_owed = 0;
};

}  // namespace qvtrack
