// Screen fractions to pixels for the network sources, kept representable whatever the input.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace qvtrack {

inline std::int32_t FractionToPixel(double fraction, int screenSize) {
    double pixel = std::round(fraction * screenSize);
    constexpr double kLo = std::numeric_limits<std::int32_t>::min();
    constexpr double kHi = std::numeric_limits<std::int32_t>::max();
    if (!(pixel >= kLo)) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(pixel > kHi ? kHi : pixel);
}

}  // namespace qvtrack
