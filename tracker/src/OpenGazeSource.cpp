#include "OpenGazeSource.h"

#include <iostream>
#include <thread>

#include "OpenGazeConnection.h"

namespace qvtrack {

namespace {
constexpr std::chrono::milliseconds kConnectTimeout{1000};
constexpr std::chrono::milliseconds kReadWait{50};
constexpr std::chrono::milliseconds kFirstRetry{100};
constexpr std::chrono::milliseconds kLongestRetry{2000};
constexpr std::string_view kAckTag = "ACK";
constexpr std::string_view kProductId = "PRODUCT_ID";
constexpr std::string_view kRateAttribute = "RATE";
}  // namespace

const char* const OpenGazeSource::kStartRecords[] = {
    "<GET ID=\"PRODUCT_ID\" />",
    "<SET ID=\"ENABLE_SEND_POG_FIX\" STATE=\"1\" />",
    "<SET ID=\"ENABLE_SEND_DATA\" STATE=\"1\" />",
};

OpenGazeSource::OpenGazeSource(const SourceConfig& config, HostScreen screen, TrackStats& stats,
                               std::chrono::milliseconds rateWait)
    : m_host(config.host), m_port(config.port), m_screen(screen), m_stats(stats), m_queue(stats), m_rate(config.rate) {
    m_loop.start([this] { run(); });
    int rate = config.rate;
    if (!config.rateGiven) {
        auto deadline = std::chrono::steady_clock::now() + rateWait;
        while (m_serverRate.load() == 0 && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        if (m_serverRate.load() > 0) {
            rate = m_serverRate.load();
        }
    }
    m_rate = DeliveredRate(rate, config);
    m_period = std::chrono::nanoseconds(1'000'000'000LL / m_rate);
    // Records that came while QvInit waited for the rate are up to half a second old: the
    // program starts with the current gaze, not with a replay of that wait.
    m_queue.discardOlderThan(m_period);
}

OpenGazeSource::~OpenGazeSource() {
    m_loop.stop();
}

void OpenGazeSource::next(GazeSample& out) {
    m_queue.next(out, m_period);
}

void OpenGazeSource::handle(const OpenGazeRecord& record) {
    GazeSample sample{};
    if (record.toSample(m_screen.width, m_screen.height, sample)) {
        m_queue.push(sample);
        return;
    }
    if (record.tag() == kAckTag && record.attribute("ID") == kProductId) {
        if (auto rate = record.number(kRateAttribute); rate && *rate >= 1 && *rate <= SourceConfig::kMaxRate) {
            m_serverRate = static_cast<int>(*rate);
        }
    }
}

OpenGazeSource::ConnectionEnd OpenGazeSource::readConnection(OpenGazeConnection& connection) {
    OpenGazeRecord record;
    ConnectionEnd end;
    auto lastHeard = std::chrono::steady_clock::now();
    while (!m_loop.stopping()) {
        switch (connection.next(record, kReadWait)) {
            case OpenGazeConnection::Read::Record:
                handle(record);
                end.heard = true;
                lastHeard = std::chrono::steady_clock::now();
                break;
            case OpenGazeConnection::Read::Nothing:
                // A server that hangs keeps the connection open and says nothing; a new
                // connection is the only way back to its data.
                if (std::chrono::steady_clock::now() - lastHeard > kSilenceBeforeReconnect) {
                    end.silent = true;
                    return end;
                }
                break;
            case OpenGazeConnection::Read::Closed:
                return end;
        }
    }
    return end;
}

void OpenGazeSource::run() {
    const std::string where = m_host + ":" + std::to_string(m_port);
    std::chrono::milliseconds retry = kFirstRetry;
    bool reported = false;
    while (!m_loop.stopping()) {
        std::string error;
        auto connection =
            OpenGazeConnection::open(m_host, m_port, kConnectTimeout, error, [this] { return m_loop.stopping(); });
        bool started = connection != nullptr;
        for (const char* record : kStartRecords) {
            started = started && connection->send(record);
        }
        if (started) {
            m_stats.connected = 1;
            const ConnectionEnd end = readConnection(*connection);
            m_stats.connected = 0;
            if (m_loop.stopping()) {
                break;
            }
            if (end.heard) {
                retry = kFirstRetry;
                reported = false;
            }
            if (!reported) {
                std::cerr << "qvtrack: the Open Gaze server at " << where
                          << (end.silent ? " sent nothing for 3 s" : " closed the connection") << "; reconnecting"
                          << std::endl;
                reported = true;
            }
        } else if (!reported) {
            // Once per outage: the user learns the tracker is not there, the log does not fill up.
            std::cerr << "qvtrack: cannot connect to the Open Gaze server at " << where << " ("
                      << (error.empty() ? "it refused the start records" : error) << "); retrying" << std::endl;
            reported = true;
        }
        connection.reset();
        if (!m_loop.sleepFor(retry)) {
            break;
        }
        retry = std::min(retry * 2, kLongestRetry);
    }
}

}  // namespace qvtrack
