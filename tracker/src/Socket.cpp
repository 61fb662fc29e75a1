#include "Socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace qvtrack {

bool ResolveIpv4(const std::string& host, int port, sockaddr_in& out) {
    std::memset(&out, 0, sizeof out);
    out.sin_family = AF_INET;
    out.sin_port = htons(static_cast<uint16_t>(port));
    if (inet_pton(AF_INET, host.c_str(), &out.sin_addr) == 1) {
        return true;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) {
        return false;
    }
    out.sin_addr = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr;
    freeaddrinfo(found);
    return true;
}

UniqueFd ConnectTcp(const std::string& host, int port, std::chrono::milliseconds timeout, std::string& error,
                    const std::function<bool()>& cancelled) {
    sockaddr_in addr{};
    if (!ResolveIpv4(host, port, addr)) {
        error = "cannot resolve \"" + host + "\"";
        return UniqueFd();
    }
    UniqueFd fd(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd.valid()) {
        error = std::strerror(errno);
        return UniqueFd();
    }
    int one = 1;
    // Gaze records are small and late ones are useless: no batching on our side.
    ::setsockopt(fd.get(), IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    if (::connect(fd.get(), reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        if (errno != EINPROGRESS) {
            error = std::strerror(errno);
            return UniqueFd();
        }
        constexpr int kStepMs = 20;
        auto deadline = std::chrono::steady_clock::now() + timeout;
        pollfd p{fd.get(), POLLOUT, 0};
        int r = 0;
        while (r == 0 && std::chrono::steady_clock::now() < deadline && !(cancelled && cancelled())) {
            r = ::poll(&p, 1, kStepMs);
        }
        int soError = 0;
        socklen_t len = sizeof soError;
        if (r <= 0) {
            error = r == 0 ? "timed out" : std::strerror(errno);
            return UniqueFd();
        }
        ::getsockopt(fd.get(), SOL_SOCKET, SO_ERROR, &soError, &len);
        if (soError != 0) {
            error = std::strerror(soError);
            return UniqueFd();
        }
    }
    return fd;
}

bool SendAll(int fd, std::string_view data, std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!data.empty()) {
        ssize_t n = ::send(fd, data.data(), data.size(), MSG_NOSIGNAL);
        if (n > 0) {
            data.remove_prefix(static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            return false;
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd p{fd, POLLOUT, 0};
        ::poll(&p, 1, static_cast<int>(left.count()));
    }
    return true;
}

std::size_t SocketByteSource::read(char* buffer, std::size_t size) {
    if (m_closed) {
        return 0;
    }
    pollfd p{m_fd, POLLIN, 0};
    int r = ::poll(&p, 1, static_cast<int>(m_wait.count()));
    m_wait = std::chrono::milliseconds(0);
    if (r < 0 && errno == EINTR) {
        return 0;
    }
    if (r <= 0) {
        if (r < 0) {
            m_closed = true;
        }
        return 0;
    }
    ssize_t n = ::recv(m_fd, buffer, size, 0);
    if (n > 0) {
        return static_cast<std::size_t>(n);
    }
    if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
        m_closed = true;
    }
    return 0;
}

}  // namespace qvtrack
