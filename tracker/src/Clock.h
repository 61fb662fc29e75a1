// Time for the pacing of samples, behind an interface so tests run on a fake clock without
// sleeping.
#pragma once

#include <chrono>

namespace qvtrack {

class Clock {
public:
    using time_point = std::chrono::steady_clock::time_point;
    virtual ~Clock() = default;
    virtual time_point now() = 0;
    virtual void sleepUntil(time_point when) = 0;
};

class SteadyClock : public Clock {
public:
    time_point now() override;
    void sleepUntil(time_point when) override;
};

}  // namespace qvtrack
