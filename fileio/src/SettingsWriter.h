// Writing side of the settings line grammar: builds a whole file as UTF-16 little-endian bytes,
// which are then written in one piece.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace qvfileio {

class SettingsWriter {
public:
    // The byte-order mark that starts every file the library writes.
    void byteOrderMark();
    // "%d\t\t%s\r\n"
    void intLine(std::int32_t value, std::u16string_view label);
    // "%f\t%s\r\n": six decimals, one tab
    void floatLine(float value, std::u16string_view label);
    // "%x\t\t%s\r\n": lower-case digits of the 32-bit value, no prefix
    void hexLine(std::int32_t value, std::u16string_view label);
    // A float in seconds written as (int)(value * 100 + 0.5) with the integer format.
    void hundredthsLine(float value, std::u16string_view label);
    // "%s\r\n": the text of a field of capacity characters, never read past the field.
    void textLine(const char16_t* field, std::size_t capacity);
    void textLine(std::u16string_view text);
    // "\r\nSection <name> **********\r\n"
    void sectionHeader(std::u16string_view name);
    void raw(std::u16string_view text);

    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }

private:
    void ascii(std::string_view text);
    std::vector<std::uint8_t> m_bytes;
};

// The integer written for a value in hundredths.
std::int32_t toHundredths(float value);

}  // namespace qvfileio
