// Plain BSD sockets for the network sources: an owning descriptor, a TCP connect with a time
// limit, and a TextStream over a connection whose reads wait a bounded time.
#pragma once

#include <netinet/in.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "TextStream.h"

namespace qvtrack {

class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd() { reset(); }
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release();
    void reset();

private:
    int fd_ = -1;
};

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
class SocketTextStream : public TextStream {
public:
    explicit SocketTextStream(int fd) : fd_(fd) {}
    void armWait(std::chrono::milliseconds wait) { wait_ = wait; }
    std::size_t read(char* buffer, std::size_t size) override;
    bool closed() const { return closed_; }

private:
    int fd_;
    std::chrono::milliseconds wait_{0};
    bool closed_ = false;
};

}  // namespace qvtrack
