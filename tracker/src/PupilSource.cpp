#include "PupilSource.h"

#include <zmq.h>

#include <chrono>
#include <cstring>
#include <iostream>
#include <vector>

#include "NumberText.h"
#include "PupilMessage.h"

namespace qvtrack {

namespace {

constexpr int kRequestTimeoutMs = 1000;
constexpr int kPollMs = 50;
constexpr std::chrono::seconds kSilenceBeforeAsking{3};
constexpr std::chrono::milliseconds kRetry{1000};
constexpr const char* kSubPortRequest = "SUB_PORT";
constexpr std::size_t kMaxReply = 32;
constexpr int kMaxFramesPerMessage = 16;
constexpr int kMaxMessagesPerPoll = 256;
constexpr int kReceiveQueue = 1000;
constexpr const char* kTopicPrefix = "surfaces.";

// Closes a ZeroMQ socket when it goes; a linger of 0 so closing never waits for a peer.
class ZmqSocket {
public:
    ZmqSocket(void* context, int type) : m_socket(zmq_socket(context, type)) {
        int linger = 0;
        if (m_socket) {
            zmq_setsockopt(m_socket, ZMQ_LINGER, &linger, sizeof linger);
        }
    }
    ~ZmqSocket() {
        if (m_socket) {
            zmq_close(m_socket);
        }
    }
    ZmqSocket(const ZmqSocket&) = delete;
    ZmqSocket& operator=(const ZmqSocket&) = delete;
    void* get() const { return m_socket; }

private:
    void* m_socket;
};

std::string Endpoint(const std::string& host, int port) {
    return "tcp://" + host + ":" + std::to_string(port);
}

}  // namespace

PupilSource::PupilSource(const SourceConfig& config, HostScreen screen, TrackStats& stats)
    : m_host(config.host),
      m_port(config.port),
      m_topic(kTopicPrefix + config.surface),
      m_screen(screen),
      m_stats(stats),
      m_rate(DeliveredRate(config.rate, config)),
      m_queue(stats),
      m_context(zmq_ctx_new()) {
    m_loop.start([this] { run(); });
}

PupilSource::~PupilSource() {
    m_loop.stop();
    if (m_context) {
        zmq_ctx_term(m_context);
    }
}

void PupilSource::next(GazeSample& out) {
    m_queue.next(out, std::chrono::nanoseconds(1'000'000'000LL / m_rate));
}

int PupilSource::askSubscriptionPort() {
    ZmqSocket req(m_context, ZMQ_REQ);
    if (!req.get()) {
        return 0;
    }
    int timeout = kRequestTimeoutMs;
    long long maxReply = kMaxReply;
    zmq_setsockopt(req.get(), ZMQ_RCVTIMEO, &timeout, sizeof timeout);
    zmq_setsockopt(req.get(), ZMQ_SNDTIMEO, &timeout, sizeof timeout);
    zmq_setsockopt(req.get(), ZMQ_MAXMSGSIZE, &maxReply, sizeof maxReply);
    if (zmq_connect(req.get(), Endpoint(m_host, m_port).c_str()) != 0 ||
        zmq_send(req.get(), kSubPortRequest, std::strlen(kSubPortRequest), 0) < 0) {
        return 0;
    }
    // Wait in short steps, so that QvExit is not held up by a Pupil Remote that does not answer.
    zmq_pollitem_t item{req.get(), 0, ZMQ_POLLIN, 0};
    int waited = 0;
    while (waited < kRequestTimeoutMs && !m_loop.stopping()) {
        if (zmq_poll(&item, 1, kPollMs) > 0) {
            break;
        }
        waited += kPollMs;
    }
    if (!(item.revents & ZMQ_POLLIN)) {
        return 0;
    }
    char reply[kMaxReply];
    int n = zmq_recv(req.get(), reply, sizeof reply, ZMQ_DONTWAIT);
    if (n <= 0 || static_cast<std::size_t>(n) > sizeof reply) {
        return 0;
    }
    auto port = ParseInteger(std::string_view(reply, static_cast<std::size_t>(n)), 1, 65535);
    return port ? static_cast<int>(*port) : 0;
}

void PupilSource::receive(void* sub) {
    std::vector<GazeSample> samples;
    zmq_msg_t frame;
    for (int m = 0; m < kMaxMessagesPerPoll; ++m) {
        std::string topic;
        bool topicMatches = false;
        bool more = true;
        for (int part = 0; more; ++part) {
            zmq_msg_init(&frame);
            if (zmq_msg_recv(&frame, sub, ZMQ_DONTWAIT) < 0) {
                zmq_msg_close(&frame);
                return;
            }
            more = zmq_msg_more(&frame) != 0;
            const char* data = static_cast<const char*>(zmq_msg_data(&frame));
            std::size_t size = zmq_msg_size(&frame);
            if (part == 0) {
                // Subscriptions match by prefix: "surfaces.screen" would also take "surfaces.screen2".
                topicMatches = std::string_view(data, size) == m_topic;
            } else if (part == 1 && topicMatches) {
                samples.clear();
                if (PupilMessage::parseSurfaceGaze(data, size, m_screen, samples)) {
                    for (const GazeSample& s : samples) {
                        m_queue.push(s);
                    }
                }
            }
            zmq_msg_close(&frame);
            if (part >= kMaxFramesPerMessage) {
                topicMatches = false;  // drain the rest of an absurd message, ignoring it
            }
        }
    }
}

void PupilSource::run() {
    if (!m_context) {
        return;
    }
    const std::string where = m_host + ":" + std::to_string(m_port);
    bool reported = false;
    while (!m_loop.stopping()) {
        int subPort = askSubscriptionPort();
        if (subPort == 0) {
            if (!reported) {
                std::cerr << "qvtrack: no answer from Pupil Remote at " << where << "; retrying" << std::endl;
                reported = true;
            }
            if (!m_loop.sleepFor(kRetry)) {
                break;
            }
            continue;
        }
        reported = false;
        ZmqSocket sub(m_context, ZMQ_SUB);
        long long maxMessage = kMaxMessageBytes;
        int queue = kReceiveQueue;
        zmq_setsockopt(sub.get(), ZMQ_MAXMSGSIZE, &maxMessage, sizeof maxMessage);
        zmq_setsockopt(sub.get(), ZMQ_RCVHWM, &queue, sizeof queue);
        zmq_setsockopt(sub.get(), ZMQ_SUBSCRIBE, m_topic.data(), m_topic.size());
        if (zmq_connect(sub.get(), Endpoint(m_host, subPort).c_str()) != 0) {
            m_loop.sleepFor(kRetry);
            continue;
        }
        m_stats.connected = 1;
        auto lastHeard = std::chrono::steady_clock::now();
        while (!m_loop.stopping()) {
            zmq_pollitem_t item{sub.get(), 0, ZMQ_POLLIN, 0};
            if (zmq_poll(&item, 1, kPollMs) > 0 && (item.revents & ZMQ_POLLIN)) {
                receive(sub.get());
                lastHeard = std::chrono::steady_clock::now();
            } else if (std::chrono::steady_clock::now() - lastHeard > kSilenceBeforeAsking) {
                // Silence may mean Capture restarted on another port: ask again, and keep this
                // subscription when the port is the same.
                int again = askSubscriptionPort();
                lastHeard = std::chrono::steady_clock::now();
                if (again != subPort) {
                    break;
                }
            }
        }
        m_stats.connected = 0;
    }
}

}  // namespace qvtrack
