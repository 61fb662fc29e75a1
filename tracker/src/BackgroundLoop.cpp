#include "BackgroundLoop.h"

namespace qvtrack {

void BackgroundLoop::start(std::function<void()> body) {
    thread_ = std::thread(std::move(body));
}

void BackgroundLoop::stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

bool BackgroundLoop::stopping() const {
    std::lock_guard lock(mutex_);
    return stopping_;
}

bool BackgroundLoop::sleepFor(std::chrono::milliseconds d) {
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, d, [this] { return stopping_; });
    return !stopping_;
}

}  // namespace qvtrack
