// Gaze from Pupil Capture's network interface: asks Pupil Remote (a ZeroMQ request socket) for
// the subscription port, subscribes to the gaze mapped on the named screen surface and turns
// each gaze point into a sample, handed out at the configured rate at most (QVTRACK_RATE,
// default 60, never above 120 a second; Pupil's 200 Hz and faster gaze is averaged down to it).
// Reconnects in the background.
#pragma once

#include <string>

#include "BackgroundLoop.h"
#include "GazeSource.h"
#include "SampleQueue.h"
#include "SourceConfig.h"
#include "SourceFactory.h"

namespace qvtrack {

class PupilSource : public GazeSource {
public:
    // Multi-part messages larger than this are refused by ZeroMQ itself.
    static constexpr long long kMaxMessageBytes = 1024 * 1024;

    PupilSource(const SourceConfig& config, HostScreen screen, TrackStats& stats);
    ~PupilSource() override;

    int samplesPerSecond() const override { return m_rate; }
    void next(GazeSample& out) override;

private:
    void run();
    int askSubscriptionPort();
    void receive(void* sub);

    std::string m_host;
    int m_port;
    std::string m_topic;
    HostScreen m_screen;
    TrackStats& m_stats;
    int m_rate;
    SampleQueue m_queue;
    void* m_context;
    BackgroundLoop m_loop;  // last: joined before the members above go
};

}  // namespace qvtrack
