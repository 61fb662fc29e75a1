#include "TextReader.h"

#include <gtest/gtest.h>

#include <limits>

using namespace qvfileio;

namespace {

TextReader reader(const std::u16string& text) {
    return TextReader(text);
}

std::vector<std::uint8_t> bytesOf(const std::string& s) {
    return {s.begin(), s.end()};
}

}  // namespace

TEST(Decode, ByteOrderMarkChoosesUtf16) {
    EXPECT_EQ(decodeFileText(bytesOf(std::string("\xFF\xFE"
                                                 "A\0\r\0\n\0\xAC\x20",
                                                 10))),
              u"A\r\n\u20AC");
    // An odd last byte is no character.
    EXPECT_EQ(decodeFileText(bytesOf(std::string("\xFF\xFE"
                                                 "A\0B",
                                                 5))),
              u"A");
}

TEST(Decode, OtherwiseWindows1252WithLineEndsFolded) {
    EXPECT_EQ(decodeFileText(bytesOf("7\r\nx\ny\r")), u"7\nx\ny\r");
    EXPECT_EQ(decodeFileText(bytesOf("\x80\x81\x9F\xA0\xE9\xFF")), u"\u20AC\u0081\u0178\u00A0\u00E9\u00FF");
    EXPECT_EQ(decodeFileText(bytesOf("\xFF")), u"\u00FF");
    EXPECT_EQ(decodeEightBit(bytesOf("\xFF\xFE"
                                     "A")),
              u"\u00FF\u00FE"
              u"A");
}

struct IntCase {
    std::u16string text;
    bool ok;
    std::int32_t value;
    std::size_t used;
};

TEST(Parse, Integers) {
    const IntCase cases[] = {
        {u"25\t\tFixation Time Counts", true, 25, 2},
        {u"-7x", true, -7, 2},
        {u"+3", true, 3, 2},
        {u"99999999999", true, std::numeric_limits<std::int32_t>::max(), 11},
        {u"-99999999999", true, std::numeric_limits<std::int32_t>::min(), 12},
        {u"-2147483648", true, std::numeric_limits<std::int32_t>::min(), 11},
        {u"Courier", false, 0, 0},
        {u"-", false, 0, 0},
        {u"", false, 0, 0},
    };
    for (const auto& c : cases) {
        std::int32_t v = 0;
        EXPECT_EQ(parseInt(c.text, v), c.used) << std::string(c.text.begin(), c.text.end());
        if (c.ok) {
            EXPECT_EQ(v, c.value);
        }
    }
}

TEST(Parse, AutoBaseIntegers) {
    const IntCase cases[] = {
        {u"010", true, 8, 3},   {u"0x1F", true, 31, 4}, {u"0X1f", true, 31, 4},
        {u"0", true, 0, 1},     {u"0x", true, 0, 1},    {u"-0x10", true, -16, 5},
        {u"19 4", true, 19, 2}, {u"09", true, 0, 1},    {u"x", false, 0, 0},
    };
    for (const auto& c : cases) {
        std::int32_t v = -1;
        EXPECT_EQ(parseAutoInt(c.text, v), c.used) << std::string(c.text.begin(), c.text.end());
        if (c.ok) {
            EXPECT_EQ(v, c.value);
        }
    }
}

TEST(Parse, Hexadecimal) {
    const IntCase cases[] = {
        {u"56ffff\t\t1st", true, 0x56FFFF, 6},
        {u"AA0000", true, 0xAA0000, 6},
        {u"0x10", true, 16, 4},
        {u"ffffffff", true, -1, 8},
        {u"123456789", true, -1, 9},
        {u"g", false, 0, 0},
    };
    for (const auto& c : cases) {
        std::int32_t v = 0;
        EXPECT_EQ(parseHex(c.text, v), c.used);
        if (c.ok) {
            EXPECT_EQ(v, c.value);
        }
    }
}

TEST(Parse, Floats) {
    struct Case {
        std::u16string text;
        float value;
        std::size_t used;
    };
    const Case cases[] = {
        {u"0.700000\tMax", 0.7f, 8}, {u"-1.5", -1.5f, 4}, {u"5", 5.0f, 1},       {u".25", 0.25f, 3}, {u"2.", 2.0f, 2},
        {u"1e3x", 1000.0f, 3},       {u"1e", 1.0f, 1},    {u"3.5E-1", 0.35f, 6},
    };
    for (const auto& c : cases) {
        float v = 0;
        EXPECT_EQ(parseFloat(c.text, v), c.used);
        EXPECT_FLOAT_EQ(v, c.value);
    }
    float v = 9.0f;
    EXPECT_EQ(parseFloat(u"word", v), 0u);
    EXPECT_EQ(parseFloat(u".", v), 0u);
    EXPECT_EQ(parseFloat(u"1e99", v), 0u);  // beyond a float
    EXPECT_EQ(parseFloat(std::u16string(200, u'1'), v), 0u);
    EXPECT_EQ(v, 9.0f);
}

TEST(ValueLines, AWordWhereANumberBelongsKeepsTheFieldAndMovesOn) {
    auto in = reader(u"12\t\tlabel\r\nCourier\t\tlabel\r\n\r\n\r\n  34 rest\r\n0.5\tf\r\nff\t\th\r\n");
    std::int32_t a = 0, b = -1, c = 0, h = 0;
    float f = 0;
    in.readInt(a);
    in.readInt(b);
    in.readInt(c);  // empty lines are white space
    in.readFloat(f);
    in.readHex(h);
    EXPECT_EQ(a, 12);
    EXPECT_EQ(b, -1);
    EXPECT_EQ(c, 34);
    EXPECT_FLOAT_EQ(f, 0.5f);
    EXPECT_EQ(h, 255);
    EXPECT_TRUE(in.atEnd());
    in.readInt(a);  // at the end: unchanged
    EXPECT_EQ(a, 12);
}

TEST(ValueLines, HundredthsAreDividedAsFloats) {
    auto in = reader(u"50\t\tGaze\r\n7\t\tDelay\r\n");
    float a = 0, b = 0;
    in.readHundredths(a);
    in.readHundredths(b);
    EXPECT_FLOAT_EQ(a, 0.5f);
    EXPECT_FLOAT_EQ(b, 0.07f);
}

TEST(TextField, CutToCapacityAndRestOfLineDiscarded) {
    struct Case {
        std::u16string line;
        std::size_t capacity;
        std::u16string stored;
    };
    const Case cases[] = {
        {u"Courier New\r\nnext\r\n", 100, u"Courier New"},
        {u"abcdef\r\nnext\r\n", 4, u"abc"},
        {u"abc\r\nnext\r\n", 4, u"abc"},    // exactly capacity - 1 before the line end
        {u"ab\r\nnext\r\n", 4, u"ab"},      // CR read, LF not: still one line
        {u"\r\nnext\r\n", 4, u""},          // an empty line gives an empty text
        {u"abc\nnext\n", 100, u"abc"},      // LF alone
        {u"ab\r\r\nnext\r\n", 100, u"ab"},  // every trailing CR
    };
    for (const auto& c : cases) {
        auto in = reader(c.line);
        std::vector<char16_t> field(c.capacity + 2, u'#');
        in.readText(field.data(), c.capacity);
        EXPECT_EQ(std::u16string(field.data()), c.stored);
        EXPECT_EQ(field[c.capacity], u'#');  // nothing written past the field
        char16_t next[8] = {};
        in.readText(next, 8);
        EXPECT_EQ(std::u16string(next), u"next");
    }
}

TEST(TextField, AtTheEndTheFieldKeepsItsText) {
    auto in = reader(u"");
    char16_t field[8] = u"keep";
    in.readText(field, 8);
    EXPECT_EQ(std::u16string(field), u"keep");
}

TEST(Lines, PiecesWholeLinesAndWords) {
    auto in = reader(u"first line\r\nsecond\r\nlast");
    EXPECT_EQ(in.readLinePiece(5), u"first");
    EXPECT_EQ(in.readLinePiece(100), u" line\r\n");
    std::u16string_view line;
    EXPECT_TRUE(in.readWholeLine(line));
    EXPECT_EQ(line, u"second");
    std::u16string word;
    EXPECT_TRUE(in.scanWord(word, 2));
    EXPECT_EQ(word, u"la");
    in.skipLine();
    EXPECT_FALSE(in.readWholeLine(line));
    EXPECT_TRUE(in.readLinePiece(10).empty());
}

TEST(LineScanner, IntegerWordInteger) {
    LineScanner s(u"3 Com2 0x2580 tail");
    std::int32_t a = 0, b = 0;
    std::u16string w;
    EXPECT_TRUE(s.autoInt(a));
    EXPECT_TRUE(s.word(w, 3));
    EXPECT_TRUE(s.autoInt(b));
    EXPECT_EQ(a, 3);
    EXPECT_EQ(w, u"Com");
    EXPECT_EQ(b, 0x2580);
    EXPECT_FALSE(s.autoInt(a));
    EXPECT_FALSE(s.atEnd());
}

TEST(Fields, BoundedLengthNeverLooksPastTheField) {
    char16_t full[3] = {u'a', u'b', u'c'};
    EXPECT_EQ(boundedLength(full, 3), 3u);
    char16_t field[4];
    copyText(field, 4, u"abcdef");
    EXPECT_EQ(std::u16string(field), u"abc");
}
