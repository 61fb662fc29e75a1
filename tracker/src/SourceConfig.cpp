#include "SourceConfig.h"

#include <string_view>

#include "NumberText.h"

namespace qvtrack {

namespace {

constexpr std::string_view kPointerName = "pointer";
constexpr std::string_view kReplayPrefix = "replay:";
constexpr std::string_view kOpenGazeName = "opengaze";
constexpr std::string_view kPupilName = "pupil";
constexpr std::string_view kUdpName = "udp";
constexpr std::string_view kCameraName = "camera";
constexpr int kMaxPort = 65535;
constexpr std::size_t kMaxHostLength = 253;
constexpr std::size_t kMaxSurfaceLength = 255;

bool ValidHost(std::string_view host) {
    if (host.empty() || host.size() > kMaxHostLength) {
        return false;
    }
    for (char c : host) {
        bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-';
        if (!ok) {
            return false;
        }
    }
    return true;
}

// "NAME", "NAME:HOST" or "NAME:HOST:PORT"; an absent host is the loopback address.
bool ReadHostPort(std::string_view rest, int defaultPort, SourceConfig& config, std::string& error) {
    config.host = SourceConfig::kLoopback;
    config.port = defaultPort;
    if (rest.empty()) {
        return true;
    }
    std::size_t colon = rest.rfind(':');
    std::string_view host = colon == std::string_view::npos ? rest : rest.substr(0, colon);
    if (colon != std::string_view::npos) {
        auto port = ParseInteger(rest.substr(colon + 1), 1, kMaxPort);
        if (!port) {
            error = "port \"" + std::string(rest.substr(colon + 1)) + "\" is not a number from 1 to 65535";
            return false;
        }
        config.port = static_cast<int>(*port);
    }
    if (!host.empty()) {
        if (!ValidHost(host)) {
            error = "host \"" + std::string(host) + "\" is not a host name or IPv4 address";
            return false;
        }
        config.host = std::string(host);
    }
    return true;
}

bool ReadSource(std::string_view value, SourceConfig& config, std::string& error) {
    if (value.empty() || value == kPointerName) {
        config.kind = SourceKind::Pointer;
        return true;
    }
    if (value.substr(0, kReplayPrefix.size()) == kReplayPrefix) {
        config.kind = SourceKind::Replay;
        config.path = std::string(value.substr(kReplayPrefix.size()));
        if (config.path.empty()) {
            error = "replay: needs the path of a gaze data file";
            return false;
        }
        return true;
    }
    std::size_t colon = value.find(':');
    if (value.substr(0, colon) == kCameraName) {
        // The rest is a device or a file name, which may hold colons of its own.
        config.kind = SourceKind::Camera;
        if (colon != std::string_view::npos) {
            config.path = std::string(value.substr(colon + 1));
            if (config.path.empty()) {
                // Most likely an unset variable in a script: the default camera would surprise.
                error = "camera: needs a camera device or a video file after the colon";
                return false;
            }
        }
        return true;
    }
    std::string_view name = value.substr(0, colon);
    std::string_view rest = colon == std::string_view::npos ? std::string_view() : value.substr(colon + 1);
    if (name == kOpenGazeName) {
        config.kind = SourceKind::OpenGaze;
        return ReadHostPort(rest, SourceConfig::kOpenGazePort, config, error);
    }
    if (name == kPupilName) {
        config.kind = SourceKind::Pupil;
        return ReadHostPort(rest, SourceConfig::kPupilPort, config, error);
    }
    if (name == kUdpName) {
        config.kind = SourceKind::Udp;
        if (rest.empty()) {
            error = "udp: needs a port";
            return false;
        }
        // "udp:PORT" listens on the loopback address only: gaze moves the user's pointer, so it
        // is taken from other machines only when an address is named ("udp:ADDRESS:PORT").
        std::string hostPort = rest.find(':') == std::string_view::npos ? ":" + std::string(rest) : std::string(rest);
        return ReadHostPort(hostPort, 0, config, error);
    }
    error = "unknown source \"" + std::string(value) + "\" (pointer, replay:PATH, opengaze:HOST:PORT, " +
            "pupil:HOST:PORT, udp:PORT or camera[:DEVICE_OR_FILE])";
    return false;
}

}  // namespace

int DeliveredRate(int sourceRate, const SourceConfig& config) {
    int rate = sourceRate > 0 ? sourceRate : SourceConfig::kDefaultRate;
    if (rate > SourceConfig::kMaxDeliveredRate)
        rate = SourceConfig::kMaxDeliveredRate;
    if (config.rateGiven && config.rate > 0 && config.rate < rate)
        rate = config.rate;
    return rate;
}

ConfigResult ReadSourceConfig(const EnvLookup& env) {
    ConfigResult result;
    SourceConfig& config = result.config;
    std::string error;
    const char* source = env("QVTRACK_SOURCE");
    if (!ReadSource(source ? std::string_view(source) : std::string_view(), config, error)) {
        result.error = "QVTRACK_SOURCE: " + error;
    }
    if (const char* rate = env("QVTRACK_RATE"); result.error.empty() && rate && *rate) {
        auto value = ParseInteger(rate, 1, SourceConfig::kMaxRate);
        if (!value) {
            result.error = "QVTRACK_RATE \"" + std::string(rate) + "\" is not a whole number from 1 to 10000";
        } else {
            config.rate = static_cast<int>(*value);
            config.rateGiven = true;
        }
    }
    if (const char* speed = env("QVTRACK_SPEED"); result.error.empty() && speed && *speed) {
        auto value = ParseDecimal(speed);
        if (!value || *value < 0 || *value > SourceConfig::kMaxSpeed) {
            result.error = "QVTRACK_SPEED \"" + std::string(speed) + "\" is not a number from 0 to 1000";
        } else {
            config.speed = *value;
        }
    }
    if (const char* surface = env("QVTRACK_SURFACE"); result.error.empty() && surface && *surface) {
        if (std::string_view(surface).size() > kMaxSurfaceLength) {
            result.error = "QVTRACK_SURFACE is longer than 255 characters";
        } else {
            config.surface = surface;
        }
    }
    if (!result.error.empty()) {
        result.config = SourceConfig{};
    }
    return result;
}

}  // namespace qvtrack
