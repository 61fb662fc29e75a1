// Gaze from any bridge program as UDP datagrams "x y" in screen pixels, or "- -" when the
// tracker has no gaze, at whatever rate they come; handed out at the configured rate at most
// (QVTRACK_RATE, default 60, never above 120 a second), faster senders averaged down to it.
#pragma once

#include <string_view>

#include "BackgroundLoop.h"
#include "GazeSource.h"
#include "SampleQueue.h"
#include "Socket.h"
#include "SourceConfig.h"

namespace qvtrack {

class UdpSource : public GazeSource {
public:
    // Longer datagrams are no gaze datagrams: refused whole.
    static constexpr std::size_t kMaxDatagram = 128;

    // Binds at once; null with `error` set when the address cannot be had.
    static std::unique_ptr<UdpSource> open(const SourceConfig& config, TrackStats& stats, std::string& error);
    ~UdpSource() override;

    int samplesPerSecond() const override { return m_rate; }
    void next(GazeSample& out) override;
    // The port bound, useful when the configuration asked for any.
    int port() const { return m_port; }

    // "x y", "- -" (found 0), with optional blanks and a line end; false for anything else.
    static bool parse(std::string_view datagram, GazeSample& out);

private:
    UdpSource(UniqueFd fd, int port, int rate, TrackStats& stats);
    void run();

    UniqueFd m_fd;
    int m_port;
    int m_rate;
    std::chrono::nanoseconds m_period;
    SampleQueue m_queue;
    BackgroundLoop m_loop;  // last: joined before the members above go
};

}  // namespace qvtrack
