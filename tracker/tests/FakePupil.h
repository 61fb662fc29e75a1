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

    int remotePort() const { return m_remotePort; }
    // Any thread; one message of two frames.
    void publish(const std::string& topic, const std::string& payload);

private:
    void answer();

    void* m_context;
    void* m_remote;
    void* m_pub;
    int m_remotePort = 0;
    int m_pubPort = 0;
    std::mutex m_pubMutex;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

}  // namespace qvtrack::testing
