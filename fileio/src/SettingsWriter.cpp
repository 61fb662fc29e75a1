#include "SettingsWriter.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "TextReader.h"

namespace qvfileio {

namespace {
constexpr std::u16string_view kLineEnd = u"\r\n";
constexpr std::u16string_view kTwoTabs = u"\t\t";
constexpr std::u16string_view kSectionWord = u"Section";
constexpr std::u16string_view kSectionStars = u" **********";
constexpr int kFloatDecimals = 6;
}  // namespace

void SettingsWriter::byteOrderMark() {
    m_bytes.push_back(0xFF);
    m_bytes.push_back(0xFE);
}

void SettingsWriter::raw(std::u16string_view text) {
    for (char16_t c : text) {
        m_bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        m_bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
}

void SettingsWriter::ascii(std::string_view text) {
    for (char c : text) {
        m_bytes.push_back(static_cast<std::uint8_t>(c));
        m_bytes.push_back(0);
    }
}

void SettingsWriter::intLine(std::int32_t value, std::u16string_view label) {
    char buf[16];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    ascii(std::string_view(buf, r.ptr - buf));
    raw(kTwoTabs);
    raw(label);
    raw(kLineEnd);
}

void SettingsWriter::floatLine(float value, std::u16string_view label) {
    // Locale-independent "%f": the file format has a decimal point whatever the caller's locale.
    char buf[384];
    auto r = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value), std::chars_format::fixed, kFloatDecimals);
    if (r.ec == std::errc()) {
        ascii(std::string_view(buf, r.ptr - buf));
    }
    raw(u"\t");
    raw(label);
    raw(kLineEnd);
}

void SettingsWriter::hexLine(std::int32_t value, std::u16string_view label) {
    char buf[16];
    auto r = std::to_chars(buf, buf + sizeof buf, static_cast<std::uint32_t>(value), 16);
    ascii(std::string_view(buf, r.ptr - buf));
    raw(kTwoTabs);
    raw(label);
    raw(kLineEnd);
}

std::int32_t toHundredths(float value) {
    double scaled = static_cast<double>(value * 100.0f) + 0.5;
    // Out-of-range and non-numbers cannot be stored in an int; they are held at its limits.
    if (std::isnan(scaled)) {
        return 0;
    }
    if (scaled >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (scaled <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(scaled);
}

void SettingsWriter::hundredthsLine(float value, std::u16string_view label) {
    intLine(toHundredths(value), label);
}

void SettingsWriter::textLine(const char16_t* field, std::size_t capacity) {
    textLine(std::u16string_view(field, boundedLength(field, capacity)));
}

void SettingsWriter::textLine(std::u16string_view text) {
    raw(text);
    raw(kLineEnd);
}

void SettingsWriter::sectionHeader(std::u16string_view name) {
    raw(kLineEnd);
    raw(kSectionWord);
    raw(u" ");
    raw(name);
    raw(kSectionStars);
    raw(kLineEnd);
}

}  // namespace qvfileio
