// A clock for tests: sleeping only moves the time on, and every sleep is recorded.
#pragma once

#include <vector>

#include "Clock.h"

namespace qvtrack {

class FakeClock : public Clock {
public:
    time_point now() override { return m_now; }
    void sleepUntil(time_point when) override {
        sleeps.push_back(when - m_now);
        if (when > m_now) {
            m_now = when;
        }
    }
    void advance(std::chrono::nanoseconds d) { m_now += d; }

    std::vector<std::chrono::nanoseconds> sleeps;

private:
    time_point m_now{std::chrono::seconds(1000)};
};

}  // namespace qvtrack
