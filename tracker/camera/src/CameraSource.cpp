#include "CameraSource.h"

#include <algorithm>
#include <cmath>

namespace qvtrack {

namespace {
constexpr double kOneSecondNs = 1e9;
}

CameraSource::CameraSource(std::unique_ptr<CameraReader> reader, double framesPerSecond, double speed,
                           const HeadMap& map, HostScreen screen, Pace pace, TrackStats& stats, Clock& clock)
    : m_reader(std::move(reader)),
      m_rate(std::max(1, static_cast<int>(std::lround(framesPerSecond)))),
      m_period(static_cast<long long>(kOneSecondNs / (m_rate * (pace == Pace::Background && speed > 0 ? speed : 1.0)))),
      m_pointer(map, screen),
      m_pace(pace),
      m_stats(stats),
      m_afterEnd(clock, m_rate),
      m_handoff(stats, m_period) {
    m_stats.connected = m_reader && m_reader->connected() ? 1 : 0;
    if (!m_reader) {
        m_ended = true;
    } else if (m_pace == Pace::Background) {
        m_loop.start([this] {
            m_reader->run(
                m_loop, [this](const FaceObservation& face) { m_handoff.push(m_pointer.point(face)); },
                &m_stats.connected);
        });
    }
}

CameraSource::~CameraSource() {
    m_loop.stop();
}

void CameraSource::next(GazeSample& out) {
    if (m_pace == Pace::Background) {
        if (m_handoff.next(out)) {
            m_lastReceived = out;
            m_lastReceivedAt = std::chrono::steady_clock::now();
        } else if (m_lastReceived.found == 1 &&
                   std::chrono::steady_clock::now() - m_lastReceivedAt < kBridgeFrames * m_period) {
            out = m_lastReceived;
        } else {
            out = GazeSample{0, m_lastReceived.x, m_lastReceived.y};
        }
        return;
    }
    if (!m_ended) {
        FaceObservation face;
        if (m_reader->step(face) == CameraReader::Step::Observed) {
            m_stats.connected = 1;
            out = m_pointer.point(face);
            m_stats.countReceived(out.found == 1);
            return;
        }
        m_ended = true;
        m_stats.connected = 0;
    }
    // Paced like a camera after the end, so a program reading as fast as it can does not spin.
    m_afterEnd.wait();
    out = m_pointer.point(FaceObservation{});
}

}  // namespace qvtrack
