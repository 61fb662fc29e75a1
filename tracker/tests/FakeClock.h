// A clock for tests: sleeping only moves the time on, and every sleep is recorded.
#pragma once

#include <vector>

#include "Clock.h"

namespace qvtrack {

class FakeClock : public Clock {
public:
    time_point now() override { return now_; }
    void sleepUntil(time_point when) override {
        sleeps.push_back(when - now_);
        if (when > now_) {
            now_ = when;
        }
    }
    void advance(std::chrono::nanoseconds d) { now_ += d; }

    std::vector<std::chrono::nanoseconds> sleeps;

private:
    time_point now_{std::chrono::seconds(1000)};
};

}  // namespace qvtrack
