// DemoRandom: the demo's random numbers. Its own small generator and normal deviate, not the
// standard library's distributions, so that one seed gives the same recording byte for byte on
// every machine and library.
#pragma once

#include <cmath>
#include <cstdint>

namespace lumora::demo {

class DemoRandom {
public:
    explicit DemoRandom(std::uint64_t seed) : m_state(seed) {}

    // splitmix64.
    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // In [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    // In [low, high], both included.
    int between(int low, int high) {
        return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
    }
    bool chance(double p) { return uniform() < p; }
    // Standard normal, Box-Muller.
    double normal() {
        constexpr double kTwoPi = 6.283185307179586;
        const double u1 = 1.0 - uniform();
        const double u2 = uniform();
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(kTwoPi * u2);
    }

private:
    std::uint64_t m_state;
};

}  // namespace lumora::demo
