// A worker thread for a network source, with a stop request that interrupts its waits. The
// destructor asks it to stop and joins it, so a source declares its loop as its last member:
// the thread is gone before the members it uses.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace qvtrack {

class BackgroundLoop {
public:
    BackgroundLoop() = default;
    ~BackgroundLoop() { stop(); }
    BackgroundLoop(const BackgroundLoop&) = delete;
    BackgroundLoop& operator=(const BackgroundLoop&) = delete;

    void start(std::function<void()> body);
    void stop();
    bool stopping() const;
    // Sleeps for `d` unless a stop comes first; false when stopping.
    bool sleepFor(std::chrono::milliseconds d);

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    std::thread m_thread;
};

}  // namespace qvtrack
