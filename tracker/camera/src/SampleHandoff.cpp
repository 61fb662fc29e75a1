#include "SampleHandoff.h"

#include <algorithm>

namespace qvtrack {

SampleHandoff::SampleHandoff(TrackStats& stats, std::chrono::nanoseconds period) : m_stats(stats), m_period(period) {}

void SampleHandoff::push(const GazeSample& sample) {
    m_stats.countReceived(sample.found == 1);
    const Clock::time_point now = Clock::now();
    {
        std::lock_guard lock(m_mutex);
        if (m_waiting.size() == kCapacity) {
            m_waiting.pop_front();
            ++m_dropped;
        }
        m_waiting.push_back(Entry{sample, now});
    }
    m_arrived.notify_one();
}

bool SampleHandoff::next(GazeSample& out) {
    const Clock::time_point now = Clock::now();
    const Clock::time_point due = m_haveDue ? std::max(m_due, now) : now + m_period;
    std::unique_lock lock(m_mutex);
    if (!m_arrived.wait_until(lock, due + m_period / 4, [this] { return !m_waiting.empty(); })) {
        // The frame's slot has passed; the next one is due a period later.
        m_due = due + m_period;
        m_haveDue = true;
        return false;
    }
    const Entry entry = m_waiting.front();
    m_waiting.pop_front();
    out = entry.sample;
    m_due = entry.arrived + m_period;
    m_haveDue = true;
    return true;
}

std::size_t SampleHandoff::dropped() const {
    std::lock_guard lock(m_mutex);
    return m_dropped;
}

}  // namespace qvtrack
