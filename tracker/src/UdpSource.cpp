#include "UdpSource.h"

#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstring>
#include <limits>

#include "NumberText.h"

namespace qvtrack {

namespace {
constexpr int kReadWaitMs = 50;
constexpr std::string_view kNoGaze = "-";
}  // namespace

bool UdpSource::parse(std::string_view datagram, GazeSample& out) {
    datagram = TrimBlanks(datagram);
    while (!datagram.empty() && (datagram.back() == '\n' || datagram.back() == '\r')) {
        datagram.remove_suffix(1);
    }
    datagram = TrimBlanks(datagram);
    std::size_t blank = datagram.find_first_of(" \t");
    if (blank == std::string_view::npos) {
        return false;
    }
    std::string_view first = datagram.substr(0, blank);
    std::string_view second = TrimBlanks(datagram.substr(blank + 1));
    if (first == kNoGaze && second == kNoGaze) {
        out.found = 0;
        return true;
    }
    constexpr auto kLo = std::numeric_limits<std::int32_t>::min();
    constexpr auto kHi = std::numeric_limits<std::int32_t>::max();
    auto x = ParseInteger(first, kLo, kHi);
    auto y = ParseInteger(second, kLo, kHi);
    if (!x || !y) {
        return false;
    }
    out = GazeSample{1, static_cast<std::int32_t>(*x), static_cast<std::int32_t>(*y)};
    return true;
}

std::unique_ptr<UdpSource> UdpSource::open(const SourceConfig& config, TrackStats& stats, std::string& error) {
    sockaddr_in addr{};
    if (!ResolveIpv4(config.host, config.port, addr)) {
        error = "cannot resolve \"" + config.host + "\"";
        return nullptr;
    }
    UniqueFd fd(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    if (!fd.valid() || ::bind(fd.get(), reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        error = "cannot listen for UDP on " + config.host + ":" + std::to_string(config.port) + " (" +
                std::strerror(errno) + ")";
        return nullptr;
    }
    socklen_t len = sizeof addr;
    ::getsockname(fd.get(), reinterpret_cast<sockaddr*>(&addr), &len);
    return std::unique_ptr<UdpSource>(
        new UdpSource(std::move(fd), ntohs(addr.sin_port), DeliveredRate(config.rate, config), stats));
}

UdpSource::UdpSource(UniqueFd fd, int port, int rate, TrackStats& stats)
    : m_fd(std::move(fd)), m_port(port), m_rate(rate), m_period(std::chrono::nanoseconds(1'000'000'000LL / rate)), m_queue(stats) {
    stats.connected = 1;
    m_loop.start([this] { run(); });
}

UdpSource::~UdpSource() {
    m_loop.stop();
}

void UdpSource::next(GazeSample& out) {
    m_queue.next(out, m_period);
}

void UdpSource::run() {
    char buffer[kMaxDatagram + 1];
    GazeSample last{};
    while (!m_loop.stopping()) {
        pollfd p{m_fd.get(), POLLIN, 0};
        if (::poll(&p, 1, kReadWaitMs) <= 0) {
            continue;
        }
        // MSG_TRUNC reports the datagram's real length, so an oversized one is refused rather
        // than read as its first bytes.
        ssize_t n = ::recv(m_fd.get(), buffer, sizeof buffer, MSG_TRUNC | MSG_DONTWAIT);
        if (n <= 0 || static_cast<std::size_t>(n) > kMaxDatagram) {
            continue;
        }
        GazeSample sample = last;
        if (parse(std::string_view(buffer, static_cast<std::size_t>(n)), sample)) {
            if (sample.found == 0) {
                sample.x = last.x;
                sample.y = last.y;
            }
            last = sample;
            m_queue.push(sample);
        }
    }
}

}  // namespace qvtrack
