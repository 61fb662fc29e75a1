// Reading side of the settings line grammar: a whole decoded file with a read position and the
// scanning primitives that the block readers are built from.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace qvfileio {

// Decodes a file's bytes: UTF-16 little-endian after a leading FF FE, otherwise 8-bit
// Windows-1252 text whose CR LF line ends become LF.
std::u16string decodeFileText(std::span<const std::uint8_t> bytes);
// Decodes bytes as 8-bit Windows-1252 text (older per-block files), CR LF becoming LF.
std::u16string decodeEightBit(std::span<const std::uint8_t> bytes);

bool isSpace(char16_t c);

class TextReader {
public:
    explicit TextReader(std::u16string text) : m_text(std::move(text)) {}

    void rewind() { m_pos = 0; }
    bool atEnd() const { return m_pos >= m_text.size(); }
    std::size_t position() const { return m_pos; }

    // scanf-like conversions: skip white space (line ends included), parse, and leave the
    // position after the number. On failure they return false, store nothing and leave the
    // position after the skipped white space.
    bool scanInt(std::int32_t& value);      // optionally signed decimal
    bool scanAutoInt(std::int32_t& value);  // decimal, 0 octal or 0x hexadecimal
    bool scanHex(std::int32_t& value);      // hexadecimal, optional 0x, kept modulo 2^32
    bool scanFloat(float& value);           // decimal with optional fraction and exponent
    // One white-space-delimited word of at most maxChars characters (the rest of a longer word
    // stays unread); false at the end of the text.
    bool scanWord(std::u16string& word, std::size_t maxChars);

    // Value lines: the value, then the rest of the line (its label) is discarded. A value that
    // does not parse leaves the field as it was.
    void readInt(std::int32_t& field);
    void readAutoInt(std::int32_t& field);
    void readHex(std::int32_t& field);
    void readFloat(float& field);
    // A float written as hundredths (an integer); the field receives value / 100.
    void readHundredths(float& field);

    // Discards characters up to and including the next line feed.
    void skipLine();
    void skipLines(int count);
    // The next piece of the current line: at most maxChars characters, stopping after a line
    // feed (which is kept). Empty only at the end of the text.
    std::u16string_view readLinePiece(std::size_t maxChars);
    // A whole line without its line end, however long; false at the end of the text.
    bool readWholeLine(std::u16string_view& line);
    // The text primitive for a field of capacity characters: at most capacity - 1 characters of
    // the line, trailing CR and LF removed, the rest of a longer line discarded, always
    // zero-terminated. At the end of the text the field is left as it was.
    void readText(char16_t* field, std::size_t capacity);

private:
    void skipSpace();

    std::u16string m_text;
    std::size_t m_pos = 0;
};

// Parses from the start of a piece of text (for values read out of a line); the same
// conversions as TextReader's, returning how many characters were used (0: no number).
std::size_t parseInt(std::u16string_view text, std::int32_t& value);
std::size_t parseAutoInt(std::u16string_view text, std::int32_t& value);
std::size_t parseHex(std::u16string_view text, std::int32_t& value);
std::size_t parseFloat(std::u16string_view text, float& value);

// Scans a line with a simple format of %i (auto integers) and %s (words), as in "%i %s %i";
// stops at the first conversion that fails and returns how many succeeded.
class LineScanner {
public:
    explicit LineScanner(std::u16string_view line) : m_line(line) {}
    bool autoInt(std::int32_t& value);
    bool word(std::u16string& value, std::size_t maxChars);
    bool atEnd();

private:
    void skipSpace();
    std::u16string_view m_line;
    std::size_t m_pos = 0;
};

// Length of a zero-terminated text inside a field of capacity characters, never looking past
// the field.
std::size_t boundedLength(const char16_t* text, std::size_t capacity);
// Copies text into a field of capacity characters, cut to capacity - 1 and zero-terminated.
void copyText(char16_t* field, std::size_t capacity, std::u16string_view text);

}  // namespace qvfileio
