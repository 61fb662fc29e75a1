// The pointer position that the host reports through QvFeedPointer: process-wide, written by
// any thread at any time (also before QvInit), read by the pointer source.
#pragma once

#include <atomic>
#include <cstdint>

namespace qvtrack {

class PointerFeed {
public:
    static PointerFeed& instance();
    void feed(int x, int y);
    // False until a position was fed; x and y are then left alone.
    bool latest(int& x, int& y) const;

private:
    std::atomic<std::uint64_t> m_packed{0};
    std::atomic<bool> m_fed{false};
};

}  // namespace qvtrack
