// Screen fractions to pixels for the network sources, kept representable whatever the input.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace qvtrack {

inline std::int32_t FractionToPixel(double fraction, int screenSize) {
    double pixel = std::round(fraction * screenSize);
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (!(pixel >= lo)) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(pixel > hi ? hi : pixel);
}

}  // namespace qvtrack
