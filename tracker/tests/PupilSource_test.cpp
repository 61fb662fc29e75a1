#include "PupilSource.h"

#define MSGPACK_NO_BOOST 1
#include <gtest/gtest.h>
#include <zmq.h>

#include <msgpack.hpp>
#include <thread>

#include "FakeServers.h"
#include "PupilMessage.h"

namespace qvtrack {
namespace {

using namespace std::chrono_literals;

struct Point {
    double x;
    double y;
    double confidence;
    bool onSurface;
};

std::string SurfaceMessage(const std::vector<Point>& points) {
    msgpack::sbuffer buffer;
    msgpack::packer<msgpack::sbuffer> pk(buffer);
    pk.pack_map(3);
    pk.pack(std::string("topic"));
    pk.pack(std::string("surfaces.screen"));
    pk.pack(std::string("name"));
    pk.pack(std::string("screen"));
    pk.pack(std::string("gaze_on_surfaces"));
    pk.pack_array(static_cast<uint32_t>(points.size()));
    for (const Point& p : points) {
        pk.pack_map(4);
        pk.pack(std::string("norm_pos"));
        pk.pack_array(2);
        pk.pack(p.x);
        pk.pack(p.y);
        pk.pack(std::string("confidence"));
        pk.pack(p.confidence);
        pk.pack(std::string("on_surf"));
        pk.pack(p.onSurface);
        pk.pack(std::string("timestamp"));
        pk.pack(12.5);
    }
    return std::string(buffer.data(), buffer.size());
}

TEST(PupilMessage, SurfaceGazeToSamples) {
    std::string m = SurfaceMessage({{0.5, 0.25, 0.9, true}, {0.5, 0.5, 0.59, true}, {1.2, -0.1, 0.99, false}});
    std::vector<GazeSample> out;
    ASSERT_TRUE(PupilMessage::parseSurfaceGaze(m.data(), m.size(), {1000, 800}, out));
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0].found, 1);
    EXPECT_EQ(out[0].x, 500);
    EXPECT_EQ(out[0].y, 600);    // origin at the bottom left
    EXPECT_EQ(out[1].found, 0);  // confidence under 0.6
    EXPECT_EQ(out[2].found, 0);  // off the surface
    EXPECT_EQ(out[2].x, 1200);
    EXPECT_EQ(out[2].y, 880);
}

TEST(PupilMessage, RefusesBrokenPayloads) {
    std::string m = SurfaceMessage({{0.5, 0.25, 0.9, true}});
    std::vector<GazeSample> out;
    EXPECT_FALSE(PupilMessage::parseSurfaceGaze(m.data(), m.size() - 3, {1000, 800}, out));  // truncated
    EXPECT_FALSE(PupilMessage::parseSurfaceGaze("", 0, {1000, 800}, out));
    const char hugeArray[] = {'\xdd', '\xff', '\xff', '\xff', '\xff'};  // declares 4 billion entries
    EXPECT_FALSE(PupilMessage::parseSurfaceGaze(hugeArray, sizeof hugeArray, {1000, 800}, out));
    std::string deep(100, '\x91');  // arrays nested 100 deep
    deep += '\x01';
    EXPECT_FALSE(PupilMessage::parseSurfaceGaze(deep.data(), deep.size(), {1000, 800}, out));
    EXPECT_TRUE(out.empty());
}

// Pupil Remote and its publisher on 127.0.0.1, each on a free port.
class FakePupil {
public:
    FakePupil() : context_(zmq_ctx_new()) {
        remote_ = zmq_socket(context_, ZMQ_REP);
        pub_ = zmq_socket(context_, ZMQ_PUB);
        int linger = 0;
        zmq_setsockopt(remote_, ZMQ_LINGER, &linger, sizeof linger);
        zmq_setsockopt(pub_, ZMQ_LINGER, &linger, sizeof linger);
        zmq_bind(remote_, "tcp://127.0.0.1:*");
        zmq_bind(pub_, "tcp://127.0.0.1:*");
        remotePort_ = PortOf(remote_);
        pubPort_ = PortOf(pub_);
        thread_ = std::thread([this] { answer(); });
    }
    ~FakePupil() {
        stop_ = true;
        thread_.join();
        zmq_close(remote_);
        zmq_close(pub_);
        zmq_ctx_term(context_);
    }
    int remotePort() const { return remotePort_; }
    // Publishes from the test thread only, after the remote thread is done with its socket.
    void publish(const std::string& topic, const std::string& payload) {
        std::lock_guard lock(pubMutex_);
        zmq_send(pub_, topic.data(), topic.size(), ZMQ_SNDMORE);
        zmq_send(pub_, payload.data(), payload.size(), 0);
    }

private:
    static int PortOf(void* socket) {
        char endpoint[256];
        size_t size = sizeof endpoint;
        zmq_getsockopt(socket, ZMQ_LAST_ENDPOINT, endpoint, &size);
        std::string e(endpoint);
        return std::stoi(e.substr(e.rfind(':') + 1));
    }
    void answer() {
        while (!stop_) {
            zmq_pollitem_t item{remote_, 0, ZMQ_POLLIN, 0};
            if (zmq_poll(&item, 1, 20) <= 0) {
                continue;
            }
            char request[64];
            int n = zmq_recv(remote_, request, sizeof request, 0);
            std::string reply = n == 8 && std::string(request, 8) == "SUB_PORT" ? std::to_string(pubPort_) : "?";
            zmq_send(remote_, reply.data(), reply.size(), 0);
        }
    }

    void* context_;
    void* remote_;
    void* pub_;
    int remotePort_ = 0;
    int pubPort_ = 0;
    std::mutex pubMutex_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

TEST(PupilSource, TakesSurfaceGazeFromThePublisher) {
    FakePupil pupil;
    SourceConfig config;
    config.kind = SourceKind::Pupil;
    config.host = "127.0.0.1";
    config.port = pupil.remotePort();
    TrackStats stats;
    PupilSource source(config, {1000, 800}, stats);
    // A subscriber joins some time after the publisher sends: publish until samples arrive.
    std::string good = SurfaceMessage({{0.25, 0.75, 0.95, true}});
    bool arrived = testing::WaitFor(
        [&] {
            pupil.publish("surfaces.screen2", SurfaceMessage({{0.9, 0.9, 0.95, true}}));  // another surface
            pupil.publish("surfaces.screen", std::string("\xc1 not msgpack"));
            pupil.publish("surfaces.screen", good);
            return stats.validReceived.load() >= 3;
        },
        10s);
    ASSERT_TRUE(arrived);
    GazeSample s{};
    for (int i = 0; i < 100 && s.found != 1; ++i) {
        source.next(s);
    }
    EXPECT_EQ(s.found, 1);
    EXPECT_EQ(s.x, 250);
    EXPECT_EQ(s.y, 200);
    EXPECT_EQ(stats.received.load(), stats.validReceived.load());  // nothing from screen2 or junk
}

TEST(PupilSource, NoPupilRemoteGivesNotFound) {
    SourceConfig config;
    config.kind = SourceKind::Pupil;
    config.host = "127.0.0.1";
    config.port = 9;  // nothing answers there
    config.rate = 200;
    TrackStats stats;
    PupilSource source(config, {1000, 800}, stats);
    GazeSample s{1, 0, 0};
    source.next(s);
    EXPECT_EQ(s.found, 0);
}

}  // namespace
}  // namespace qvtrack
