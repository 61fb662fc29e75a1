#include "FakeServers.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace qvtrack::testing {

FakeTcpServer::FakeTcpServer(Session session) : m_session(std::move(session)) {
    m_listener = UniqueFd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    ::bind(m_listener.get(), reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    ::listen(m_listener.get(), 4);
    socklen_t len = sizeof addr;
    ::getsockname(m_listener.get(), reinterpret_cast<sockaddr*>(&addr), &len);
    m_port = ntohs(addr.sin_port);
    m_thread = std::thread([this] {
        while (!m_stop) {
            pollfd p{m_listener.get(), POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0) {
                continue;
            }
            UniqueFd client(::accept(m_listener.get(), nullptr, nullptr));
            if (!client.valid()) {
                continue;
            }
            int index = m_accepted++;
            m_session(client.get(), index);
        }
    });
}

FakeTcpServer::~FakeTcpServer() {
    m_stop = true;
    m_thread.join();
}

bool FakeTcpServer::sendText(int fd, const std::string& text) {
    return SendAll(fd, text, std::chrono::seconds(5));
}

std::vector<std::string> FakeTcpServer::readLines(int fd, std::size_t count, std::chrono::milliseconds timeout) {
    std::vector<std::string> lines;
    std::string partial;
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (lines.size() < count && std::chrono::steady_clock::now() < deadline) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0) {
            continue;
        }
        char buffer[512];
        ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) {
            break;
        }
        for (ssize_t i = 0; i < n; ++i) {
            if (buffer[i] == '\n') {
                lines.push_back(partial);
                partial.clear();
            } else {
                partial += buffer[i];
            }
        }
    }
    return lines;
}

bool SendUdp(int port, const std::string& datagram) {
    UniqueFd fd(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(static_cast<uint16_t>(port));
    return ::sendto(fd.get(), datagram.data(), datagram.size(), 0, reinterpret_cast<sockaddr*>(&addr), sizeof addr) ==
           static_cast<ssize_t>(datagram.size());
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

}  // namespace qvtrack::testing
