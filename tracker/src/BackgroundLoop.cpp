#include "BackgroundLoop.h"

namespace qvtrack {

void BackgroundLoop::start(std::function<void()> body) {
    m_thread = std::thread(std::move(body));
}

void BackgroundLoop::stop() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

bool BackgroundLoop::stopping() const {
    std::lock_guard lock(m_mutex);
    return m_stopping;
}

bool BackgroundLoop::sleepFor(std::chrono::milliseconds d) {
    std::unique_lock lock(m_mutex);
    m_wake.wait_for(lock, d, [this] { return m_stopping; });
    return !m_stopping;
}

}  // namespace qvtrack
