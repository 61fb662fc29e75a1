// A fake Pupil Capture for tests and benchmarks: Pupil Remote (answers SUB_PORT) and a
// publisher, both on 127.0.0.1 at free ports.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qvtrack::testing {

struct SurfacePoint {
    double x;
    double y;
    double confidence;
    bool onSurface;
};

// The msgpack payload of a surface event of the surface "screen".
std::string SurfaceMessage(const std::vector<SurfacePoint>& points);

class FakePupil {
public:
    FakePupil();
    ~FakePupil();
    FakePupil(const FakePupil&) = delete;
    FakePupil& operator=(const FakePupil&) = delete;

    int remotePort() const { return remotePort_; }
    // Any thread; one message of two frames.
    void publish(const std::string& topic, const std::string& payload);

private:
    void answer();

    void* context_;
    void* remote_;
    void* pub_;
    int remotePort_ = 0;
    int pubPort_ = 0;
    std::mutex pubMutex_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace qvtrack::testing
