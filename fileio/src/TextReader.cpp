#include "TextReader.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace qvfileio {

namespace {

constexpr char16_t kByteOrderMark = 0xFEFF;
constexpr std::uint8_t kBomLow = 0xFF;
constexpr std::uint8_t kBomHigh = 0xFE;

// Windows-1252 0x80..0x9F; the five undefined bytes keep their own value, as the platform does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

int hexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// Digits in base from text[pos...], magnitude saturated at limit; returns characters used.
std::size_t parseDigits(std::u16string_view text, std::size_t pos, int base, std::uint64_t limit,
                        std::uint64_t& magnitude) {
    std::size_t start = pos;
    magnitude = 0;
    while (pos < text.size()) {
        int d = hexDigit(text[pos]);
        if (d < 0 || d >= base) {
            break;
        }
        magnitude = std::min<std::uint64_t>(magnitude * base + d, limit);
        ++pos;
    }
    return pos - start;
}

std::int32_t signedValue(bool negative, std::uint64_t magnitude) {
    if (negative) {
        return magnitude >= 0x80000000ull ? std::numeric_limits<std::int32_t>::min()
                                          : -static_cast<std::int32_t>(magnitude);
    }
    return magnitude > 0x7FFFFFFFull ? std::numeric_limits<std::int32_t>::max() : static_cast<std::int32_t>(magnitude);
}

std::size_t parseSign(std::u16string_view text, bool& negative) {
    negative = false;
    if (!text.empty() && (text[0] == u'-' || text[0] == u'+')) {
        negative = text[0] == u'-';
        return 1;
    }
    return 0;
}

}  // namespace

bool isSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == kByteOrderMark;
}

std::u16string decodeEightBit(std::span<const std::uint8_t> bytes) {
    // Filled by index rather than appended: files are decoded on every block open.
    std::u16string text(bytes.size(), u'\0');
    std::size_t n = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::uint8_t b = bytes[i];
        if (b == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            continue;
        }
        text[n++] = (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : static_cast<char16_t>(b);
    }
    text.resize(n);
    return text;
}

std::u16string decodeFileText(std::span<const std::uint8_t> bytes) {
    if (bytes.size() >= 2 && bytes[0] == kBomLow && bytes[1] == kBomHigh) {
        std::u16string text((bytes.size() - 2) / 2, u'\0');
        for (std::size_t i = 0; i < text.size(); ++i) {
            text[i] = static_cast<char16_t>(bytes[2 + 2 * i] | (bytes[3 + 2 * i] << 8));
        }
        return text;
    }
    return decodeEightBit(bytes);
}

std::size_t parseInt(std::u16string_view text, std::int32_t& value) {
    bool negative;
    std::size_t pos = parseSign(text, negative);
    std::uint64_t magnitude;
    std::size_t digits = parseDigits(text, pos, 10, 0x80000000ull, magnitude);
    if (digits == 0) {
        return 0;
    }
    value = signedValue(negative, magnitude);
    return pos + digits;
}

std::size_t parseAutoInt(std::u16string_view text, std::int32_t& value) {
    bool negative;
    std::size_t pos = parseSign(text, negative);
    std::uint64_t magnitude;
    if (pos < text.size() && text[pos] == u'0') {
        if (pos + 2 < text.size() && (text[pos + 1] == u'x' || text[pos + 1] == u'X') && hexDigit(text[pos + 2]) >= 0) {
            std::size_t digits = parseDigits(text, pos + 2, 16, 0x80000000ull, magnitude);
            value = signedValue(negative, magnitude);
            return pos + 2 + digits;
        }
        std::size_t digits = parseDigits(text, pos, 8, 0x80000000ull, magnitude);
        value = signedValue(negative, magnitude);
        return pos + digits;
    }
    std::size_t digits = parseDigits(text, pos, 10, 0x80000000ull, magnitude);
    if (digits == 0) {
        return 0;
    }
    value = signedValue(negative, magnitude);
    return pos + digits;
}

std::size_t parseHex(std::u16string_view text, std::int32_t& value) {
    bool negative;
    std::size_t pos = parseSign(text, negative);
    if (pos + 2 < text.size() && text[pos] == u'0' && (text[pos + 1] == u'x' || text[pos + 1] == u'X') &&
        hexDigit(text[pos + 2]) >= 0) {
        pos += 2;
    }
    std::uint64_t magnitude;
    std::size_t digits = parseDigits(text, pos, 16, 0xFFFFFFFFull, magnitude);
    if (digits == 0) {
        return 0;
    }
    std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
    if (negative) {
        bits = 0u - bits;
    }
    value = static_cast<std::int32_t>(bits);
    return pos + digits;
}

std::size_t parseFloat(std::u16string_view text, float& value) {
    // Copies the longest decimal number at the start into ASCII and converts it without regard
    // to the process's locale (a caller may have set one with a decimal comma).
    constexpr std::size_t kMaxNumber = 64;
    char ascii[kMaxNumber];
    std::size_t n = 0;
    std::size_t pos = 0;
    auto put = [&](char16_t c) {
        if (n < kMaxNumber) {
            ascii[n++] = static_cast<char>(c);
        }
    };
    bool negative;
    pos = parseSign(text, negative);
    if (negative) {
        put(u'-');
    }
    std::size_t mantissaDigits = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        put(text[pos++]);
        ++mantissaDigits;
    }
    if (pos < text.size() && text[pos] == u'.') {
        std::size_t dot = pos++;
        std::size_t fraction = 0;
        while (pos < text.size() && isDigit(text[pos])) {
            ++fraction;
            ++pos;
        }
        if (mantissaDigits + fraction > 0) {
            for (std::size_t i = dot; i < pos; ++i) {
                put(text[i]);
            }
            mantissaDigits += fraction;
        } else {
            pos = dot;
        }
    }
    if (mantissaDigits == 0 || n == kMaxNumber) {
        // No digits, or a number too long for any float: such a line never came from a writer.
        return 0;
    }
    if (pos + 1 < text.size() && (text[pos] == u'e' || text[pos] == u'E')) {
        std::size_t e = pos + 1;
        if (e < text.size() && (text[e] == u'+' || text[e] == u'-')) {
            ++e;
        }
        if (e < text.size() && isDigit(text[e])) {
            std::size_t save = n;
            for (std::size_t i = pos; i < e; ++i) {
                put(text[i]);
            }
            while (e < text.size() && isDigit(text[e])) {
                put(text[e++]);
            }
            if (n == kMaxNumber) {
                n = save;
            } else {
                pos = e;
            }
        }
    }
    float parsed = 0.0f;
    auto [end, ec] = std::from_chars(ascii, ascii + n, parsed, std::chars_format::general);
    // Out of a float's range counts as unreadable: the field keeps what it had.
    if (ec != std::errc() || end != ascii + n) {
        return 0;
    }
    value = parsed;
    return pos;
}

void TextReader::skipSpace() {
    while (m_pos < m_text.size() && isSpace(m_text[m_pos])) {
        ++m_pos;
    }
}

namespace {
template <typename T, typename Parse>
bool scanWith(std::u16string_view text, std::size_t& pos, T& value, Parse parse) {
    std::size_t used = parse(text.substr(pos), value);
    pos += used;
    return used > 0;
}
}  // namespace

bool TextReader::scanInt(std::int32_t& value) {
    skipSpace();
    return scanWith(m_text, m_pos, value, parseInt);
}

bool TextReader::scanAutoInt(std::int32_t& value) {
    skipSpace();
    return scanWith(m_text, m_pos, value, parseAutoInt);
}

bool TextReader::scanHex(std::int32_t& value) {
    skipSpace();
    return scanWith(m_text, m_pos, value, parseHex);
}

bool TextReader::scanFloat(float& value) {
    skipSpace();
    return scanWith(m_text, m_pos, value, parseFloat);
}

bool TextReader::scanWord(std::u16string& word, std::size_t maxChars) {
    skipSpace();
    word.clear();
    while (m_pos < m_text.size() && !isSpace(m_text[m_pos]) && word.size() < maxChars) {
        word += m_text[m_pos++];
    }
    return !word.empty();
}

void TextReader::readInt(std::int32_t& field) {
    std::int32_t v;
    if (scanInt(v)) {
        field = v;
    }
    skipLine();
}

void TextReader::readAutoInt(std::int32_t& field) {
    std::int32_t v;
    if (scanAutoInt(v)) {
        field = v;
    }
    skipLine();
}

void TextReader::readHex(std::int32_t& field) {
    std::int32_t v;
    if (scanHex(v)) {
        field = v;
    }
    skipLine();
}

void TextReader::readFloat(float& field) {
    float v;
    if (scanFloat(v)) {
        field = v;
    }
    skipLine();
}

void TextReader::readHundredths(float& field) {
    std::int32_t v;
    if (scanInt(v)) {
        field = static_cast<float>(v) / 100.0f;
    }
    skipLine();
}

void TextReader::skipLine() {
    std::size_t lf = m_text.find(u'\n', m_pos);
    m_pos = lf == std::u16string::npos ? m_text.size() : lf + 1;
}

void TextReader::skipLines(int count) {
    for (int i = 0; i < count; ++i) {
        skipLine();
    }
}

std::u16string_view TextReader::readLinePiece(std::size_t maxChars) {
    std::size_t start = m_pos;
    std::size_t end = std::min(m_text.size(), start + maxChars);
    std::size_t lf = m_text.find(u'\n', start);
    if (lf != std::u16string::npos && lf < end) {
        end = lf + 1;
    }
    m_pos = end;
    return std::u16string_view(m_text).substr(start, end - start);
}

bool TextReader::readWholeLine(std::u16string_view& line) {
    if (atEnd()) {
        return false;
    }
    std::size_t start = m_pos;
    skipLine();
    std::size_t end = m_pos;
    while (end > start && (m_text[end - 1] == u'\n' || m_text[end - 1] == u'\r')) {
        --end;
    }
    line = std::u16string_view(m_text).substr(start, end - start);
    return true;
}

void TextReader::readText(char16_t* field, std::size_t capacity) {
    if (capacity == 0 || atEnd()) {
        return;
    }
    std::u16string_view piece = readLinePiece(capacity - 1);
    bool sawLineFeed = !piece.empty() && piece.back() == u'\n';
    while (!piece.empty() && (piece.back() == u'\n' || piece.back() == u'\r')) {
        piece.remove_suffix(1);
    }
    copyText(field, capacity, piece);
    if (!sawLineFeed) {
        skipLine();
    }
}

void LineScanner::skipSpace() {
    while (m_pos < m_line.size() && isSpace(m_line[m_pos])) {
        ++m_pos;
    }
}

bool LineScanner::autoInt(std::int32_t& value) {
    skipSpace();
    std::size_t used = parseAutoInt(m_line.substr(m_pos), value);
    m_pos += used;
    return used > 0;
}

bool LineScanner::word(std::u16string& value, std::size_t maxChars) {
    skipSpace();
    std::size_t start = m_pos;
    while (m_pos < m_line.size() && !isSpace(m_line[m_pos])) {
        ++m_pos;
    }
    if (m_pos == start) {
        return false;
    }
    value.assign(m_line.substr(start, std::min(m_pos - start, maxChars)));
    return true;
}

bool LineScanner::atEnd() {
    skipSpace();
    return m_pos >= m_line.size();
}

std::size_t boundedLength(const char16_t* text, std::size_t capacity) {
    std::size_t n = 0;
    while (n < capacity && text[n] != 0) {
        ++n;
    }
    return n;
}

void copyText(char16_t* field, std::size_t capacity, std::u16string_view text) {
    if (capacity == 0) {
        return;
    }
    std::size_t n = std::min(text.size(), capacity - 1);
    std::copy_n(text.data(), n, field);
    field[n] = 0;
}

}  // namespace qvfileio
