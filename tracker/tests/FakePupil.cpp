#include "FakePupil.h"

#define MSGPACK_NO_BOOST 1
#include <zmq.h>

#include <msgpack.hpp>

namespace qvtrack::testing {

namespace {
int PortOf(void* socket) {
    char endpoint[256];
    size_t size = sizeof endpoint;
    zmq_getsockopt(socket, ZMQ_LAST_ENDPOINT, endpoint, &size);
    std::string e(endpoint);
    return std::stoi(e.substr(e.rfind(':') + 1));
}
}  // namespace

std::string SurfaceMessage(const std::vector<SurfacePoint>& points) {
    msgpack::sbuffer buffer;
    msgpack::packer<msgpack::sbuffer> pk(buffer);
    pk.pack_map(3);
    pk.pack(std::string("topic"));
    pk.pack(std::string("surfaces.screen"));
    pk.pack(std::string("name"));
    pk.pack(std::string("screen"));
    pk.pack(std::string("gaze_on_surfaces"));
    pk.pack_array(static_cast<uint32_t>(points.size()));
    for (const SurfacePoint& p : points) {
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

FakePupil::FakePupil() : m_context(zmq_ctx_new()) {
    m_remote = zmq_socket(m_context, ZMQ_REP);
    m_pub = zmq_socket(m_context, ZMQ_PUB);
    int linger = 0;
    int queue = 100000;
    zmq_setsockopt(m_remote, ZMQ_LINGER, &linger, sizeof linger);
    zmq_setsockopt(m_pub, ZMQ_LINGER, &linger, sizeof linger);
    zmq_setsockopt(m_pub, ZMQ_SNDHWM, &queue, sizeof queue);
    zmq_bind(m_remote, "tcp://127.0.0.1:*");
    zmq_bind(m_pub, "tcp://127.0.0.1:*");
    m_remotePort = PortOf(m_remote);
    m_pubPort = PortOf(m_pub);
    m_thread = std::thread([this] { answer(); });
}

FakePupil::~FakePupil() {
    m_stop = true;
    m_thread.join();
    zmq_close(m_remote);
    zmq_close(m_pub);
    zmq_ctx_term(m_context);
}

void FakePupil::publish(const std::string& topic, const std::string& payload) {
    std::lock_guard lock(m_pubMutex);
    zmq_send(m_pub, topic.data(), topic.size(), ZMQ_SNDMORE);
    zmq_send(m_pub, payload.data(), payload.size(), 0);
}

void FakePupil::answer() {
    while (!m_stop) {
        zmq_pollitem_t item{m_remote, 0, ZMQ_POLLIN, 0};
        if (zmq_poll(&item, 1, 20) <= 0) {
            continue;
        }
        char request[64];
        int n = zmq_recv(m_remote, request, sizeof request, 0);
        std::string reply = n == 8 && std::string(request, 8) == "SUB_PORT" ? std::to_string(m_pubPort) : "?";
        zmq_send(m_remote, reply.data(), reply.size(), 0);
    }
}

}  // namespace qvtrack::testing
