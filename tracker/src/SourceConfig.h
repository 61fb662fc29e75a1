// The tracker's settings from the environment (QVTRACK_SOURCE, QVTRACK_RATE, QVTRACK_SPEED,
// QVTRACK_SURFACE), checked as a whole. A bad value yields an error text and the pointer
// source with its defaults, so a typing slip never leaves the user without gaze input.
#pragma once

#include <functional>
#include <string>

namespace qvtrack {

enum class SourceKind { Pointer, Replay, OpenGaze, Pupil, Udp, Camera };

struct SourceConfig {
    static constexpr int kDefaultRate = 60;
    static constexpr int kMaxRate = 10000;
    // The most samples a second the library hands to the program. The program's fixation
    // detector keeps 100 samples, so at 200 and more a second a dwell timing of 500 ms no longer
    // fits in it; faster trackers are decimated to this.
    static constexpr int kMaxDeliveredRate = 120;
    static constexpr double kMaxSpeed = 1000.0;
    static constexpr int kOpenGazePort = 4242;
    static constexpr int kPupilPort = 50020;
    static constexpr const char* kDefaultSurface = "screen";
    static constexpr const char* kLoopback = "127.0.0.1";

    SourceKind kind = SourceKind::Pointer;
    std::string path;  // replay: the gaze data file; camera: the device or video, empty for the default camera
    std::string host;  // network sources (udp: the local address to listen on)
    int port = 0;
    int rate = kDefaultRate;
    bool rateGiven = false;  // QVTRACK_RATE set: network sources then take it over the server's
    double speed = 1.0;
    std::string surface = kDefaultSurface;  // pupil
};

// Reads a variable; null when unset.
using EnvLookup = std::function<const char*(const char* name)>;

struct ConfigResult {
    SourceConfig config;
    std::string error;  // empty when every value was good; otherwise one line, no line end
};

ConfigResult ReadSourceConfig(const EnvLookup& env);

// The rate at which samples of a source delivering `sourceRate` a second are handed out (and
// reported as iSamplePerSec): the source's own rate, but no more than kMaxDeliveredRate and no
// more than QVTRACK_RATE when that is set lower.
int DeliveredRate(int sourceRate, const SourceConfig& config);

}  // namespace qvtrack
