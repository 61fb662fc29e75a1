// Gaze from an Open Gaze server (TCP): enables the fixation point of gaze and the data stream,
// turns REC records into samples on the host screen and reconnects in the background, also when
// a connected server falls silent for 3 s. Samples are handed out at the server's rate (or
// QVTRACK_RATE), never above 120 a second: a faster server is averaged down to it.
#pragma once

#include <atomic>
#include <chrono>
#include <string>

#include "BackgroundLoop.h"
#include "GazeSource.h"
#include "OpenGazeRecord.h"
#include "SampleQueue.h"
#include "SourceConfig.h"
#include "SourceFactory.h"

namespace qvtrack {

class OpenGazeSource : public GazeSource {
public:
    // How long QvInit waits for the server to tell its rate before it assumes the default.
    static constexpr std::chrono::milliseconds kRateWait{500};
    // A connection that brings no record for this long is closed and made anew.
    static constexpr std::chrono::seconds kSilenceBeforeReconnect{3};

    // Starts connecting at once. With `rateGiven` the configured rate is the nominal one;
    // otherwise the server's, when it reports one within kRateWait. Records received during
    // that wait and older than one period are dropped.
    OpenGazeSource(const SourceConfig& config, HostScreen screen, TrackStats& stats,
                   std::chrono::milliseconds rateWait = kRateWait);
    ~OpenGazeSource() override;

    int samplesPerSecond() const override { return m_rate; }
    void next(GazeSample& out) override;

    // The records sent after each connect, in order.
    static const char* const kStartRecords[];

private:
    void run();
    struct ConnectionEnd {
        bool heard = false;   // the connection brought at least one record
        bool silent = false;  // it ended because the server said nothing for too long
    };
    ConnectionEnd readConnection(class OpenGazeConnection& connection);
    void handle(const OpenGazeRecord& record);

    std::string m_host;
    int m_port;
    HostScreen m_screen;
    TrackStats& m_stats;
    SampleQueue m_queue;
    std::atomic<int> m_serverRate{0};
    int m_rate;
    std::chrono::nanoseconds m_period{};
    BackgroundLoop m_loop;  // last: joined before the members above go
};

}  // namespace qvtrack
