// Fake tracker servers for the network source tests, on loopback only. Every wait is bounded,
// so a broken source fails a test instead of hanging it.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "Socket.h"

namespace qvtrack::testing {

// A TCP server on 127.0.0.1 (any free port) that runs `session` for each accepted connection,
// one at a time, until stopped.
class FakeTcpServer {
public:
    using Session = std::function<void(int fd, int index)>;
    explicit FakeTcpServer(Session session);
    ~FakeTcpServer();
    int port() const { return m_port; }
    int accepted() const { return m_accepted.load(); }

    // Helpers for sessions.
    static bool sendText(int fd, const std::string& text);
    // Reads lines until `count` lines came or `timeout` passed.
    static std::vector<std::string> readLines(int fd, std::size_t count, std::chrono::milliseconds timeout);

private:
    UniqueFd m_listener;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_accepted{0};
    Session m_session;
    std::thread m_thread;
};

// Sends UDP datagrams to 127.0.0.1:port.
bool SendUdp(int port, const std::string& datagram);

// Polls `condition` until it holds or `timeout` passes.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

}  // namespace qvtrack::testing
