// Plain BSD sockets for the network sources: a TCP connect with a time limit, and a byte source
// over a connection whose reads wait a bounded time. Descriptors are owned by support::UniqueFd.
#pragma once

#include <netinet/in.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "ByteSource.h"
#include "UniqueFd.h"

namespace qvtrack {

using support::UniqueFd;

// IPv4 address of `host` (a dotted address or a name); false when it cannot be resolved.
bool ResolveIpv4(const std::string& host, int port, sockaddr_in& out);

// An open TCP connection, or an invalid descriptor with `error` set.
// `cancelled`, when given, is asked every few milliseconds while the connection is pending.
UniqueFd ConnectTcp(const std::string& host, int port, std::chrono::milliseconds timeout, std::string& error,
                    const std::function<bool()>& cancelled = {});

// Sends all of `data`, waiting at most `timeout` in all; false on failure.
bool SendAll(int fd, std::string_view data, std::chrono::milliseconds timeout);

// Reads from a connected socket without blocking: a read gives 0 bytes when nothing is there,
// except that the first read after armWait() may wait up to the armed time for data.
// closed() tells a quiet connection from an ended one.
class SocketByteSource : public support::ByteSource {
public:
    explicit SocketByteSource(int fd) : m_fd(fd) {}
    void armWait(std::chrono::milliseconds wait) { m_wait = wait; }
    std::size_t read(char* buffer, std::size_t size) override;
    bool closed() const { return m_closed; }

private:
    int m_fd;
    std::chrono::milliseconds m_wait{0};
    bool m_closed = false;
};

}  // namespace qvtrack
