// Strict number parsing for outside text: the whole field must be the number, with nothing
// but surrounding blanks; out-of-range values are refusals, not wrapped or clamped values.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace qvtrack {

std::string_view TrimBlanks(std::string_view text);
std::optional<std::int64_t> ParseInteger(std::string_view text, std::int64_t min, std::int64_t max);
// Finite decimal numbers only (no "nan", "inf", hexadecimal forms).
std::optional<double> ParseDecimal(std::string_view text);

}  // namespace qvtrack
