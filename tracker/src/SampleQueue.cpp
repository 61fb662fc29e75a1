#include "SampleQueue.h"

#include <cmath>
#include <cstdint>
#include <thread>

namespace qvtrack {

SampleQueue::SampleQueue(TrackStats& stats, std::size_t capacity) : m_stats(stats), m_ring(capacity ? capacity : 1) {}

void SampleQueue::push(const GazeSample& sample) {
    m_stats.countReceived(sample.found == 1);
    const Clock::time_point now = Clock::now();
    {
        std::lock_guard lock(m_mutex);
        if (m_count == m_ring.size()) {
            m_head = (m_head + 1) % m_ring.size();
            --m_count;
            ++m_dropped;
        }
        m_ring[(m_head + m_count) % m_ring.size()] = Entry{sample, now};
        ++m_count;
    }
    m_arrived.notify_one();
}

bool SampleQueue::next(GazeSample& out, std::chrono::nanoseconds period) {
    if (m_haveDue && Clock::now() < m_due)
        std::this_thread::sleep_until(m_due);
    const Clock::time_point start = Clock::now();
    std::unique_lock lock(m_mutex);
    const bool any = m_arrived.wait_until(lock, start + period, [this] { return m_count > 0; });
    const Clock::time_point now = Clock::now();
    m_haveDue = true;
    if (!any) {
        // The sample that ends a silence goes out the moment it comes.
        m_due = now;
        out = GazeSample{0, m_last.x, m_last.y};
        return false;
    }
    // The schedule moves by whole periods while samples keep coming, so a fast tracker gives
    // exactly one delivery per period; one that fell behind starts again from now.
    m_due = m_due + period > now ? m_due + period : now + period;
    // 64-bit sums: a thousand samples at the int limits must not overflow.
    std::int64_t sumX = 0;
    std::int64_t sumY = 0;
    std::int64_t found = 0;
    GazeSample newest{};
    for (; m_count > 0; --m_count, m_head = (m_head + 1) % m_ring.size()) {
        const GazeSample& s = m_ring[m_head].sample;
        newest = s;
        if (s.found == 1) {
            sumX += s.x;
            sumY += s.y;
            ++found;
        }
    }
    if (found > 0) {
        const double n = static_cast<double>(found);
        out = GazeSample{1, static_cast<std::int32_t>(std::llround(static_cast<double>(sumX) / n)),
                         static_cast<std::int32_t>(std::llround(static_cast<double>(sumY) / n))};
    } else {
        out = GazeSample{0, newest.x, newest.y};
    }
    m_last = out;
    return true;
}

void SampleQueue::discardOlderThan(std::chrono::nanoseconds age) {
    const Clock::time_point limit = Clock::now() - age;
    std::lock_guard lock(m_mutex);
    while (m_count > 0 && m_ring[m_head].arrived < limit) {
        m_head = (m_head + 1) % m_ring.size();
        --m_count;
    }
}

std::size_t SampleQueue::dropped() const {
    std::lock_guard lock(m_mutex);
    return m_dropped;
}

std::size_t SampleQueue::waiting() const {
    std::lock_guard lock(m_mutex);
    return m_count;
}

}  // namespace qvtrack
