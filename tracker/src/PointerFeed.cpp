#include "PointerFeed.h"

namespace qvtrack {

PointerFeed& PointerFeed::instance() {
    static PointerFeed feed;
    return feed;
}

void PointerFeed::feed(int x, int y) {
    // One 64-bit word, so a reader never sees the x of one position with the y of another.
    std::uint64_t word =
        (static_cast<std::uint64_t>(static_cast<std::uint32_t>(y)) << 32) | static_cast<std::uint32_t>(x);
    m_packed.store(word, std::memory_order_release);
    m_fed.store(true, std::memory_order_release);
}

bool PointerFeed::latest(int& x, int& y) const {
    if (!m_fed.load(std::memory_order_acquire)) {
        return false;
    }
    std::uint64_t word = m_packed.load(std::memory_order_acquire);
    x = static_cast<std::int32_t>(static_cast<std::uint32_t>(word));
    y = static_cast<std::int32_t>(static_cast<std::uint32_t>(word >> 32));
    return true;
}

}  // namespace qvtrack
