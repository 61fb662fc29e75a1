#include "SettingsWriter.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

using namespace qvfileio;

namespace {

// The written bytes as ASCII (every written character here is ASCII).
std::string text(const SettingsWriter& w) {
    std::string s;
    const auto& b = w.bytes();
    for (std::size_t i = 0; i + 1 < b.size(); i += 2) {
        EXPECT_EQ(b[i + 1], 0);
        s += static_cast<char>(b[i]);
    }
    return s;
}

}  // namespace

TEST(SettingsWriter, LineFormats) {
    struct Case {
        void (*write)(SettingsWriter&);
        std::string expected;
    };
    const Case cases[] = {
        {[](SettingsWriter& w) { w.intLine(25, u"Fixation Time Counts"); }, "25\t\tFixation Time Counts\r\n"},
        {[](SettingsWriter& w) { w.intLine(-3, u"x"); }, "-3\t\tx\r\n"},
        {[](SettingsWriter& w) { w.floatLine(0.7f, u"Max Eye Motion"); }, "0.700000\tMax Eye Motion\r\n"},
        {[](SettingsWriter& w) { w.floatLine(276.86f, u"W"); }, "276.859985\tW\r\n"},
        {[](SettingsWriter& w) { w.floatLine(-0.25f, u"n"); }, "-0.250000\tn\r\n"},
        {[](SettingsWriter& w) { w.floatLine(3e38f, u"big"); },
         "300000000549775575777803994281145270272.000000\tbig\r\n"},
        {[](SettingsWriter& w) { w.hexLine(0x56FFFF, u"1st Pass Foreground"); }, "56ffff\t\t1st Pass Foreground\r\n"},
        {[](SettingsWriter& w) { w.hexLine(0, u"z"); }, "0\t\tz\r\n"},
        {[](SettingsWriter& w) { w.hexLine(-1, u"m"); }, "ffffffff\t\tm\r\n"},
        {[](SettingsWriter& w) { w.hundredthsLine(0.5f, u"Gaze duration * 100"); }, "50\t\tGaze duration * 100\r\n"},
        {[](SettingsWriter& w) { w.hundredthsLine(0.1f, u"d"); }, "10\t\td\r\n"},
        {[](SettingsWriter& w) { w.hundredthsLine(0.014f, u"d"); }, "1\t\td\r\n"},
        {[](SettingsWriter& w) { w.hundredthsLine(0.015f, u"d"); }, "2\t\td\r\n"},
        {[](SettingsWriter& w) { w.hundredthsLine(1e30f, u"d"); }, "2147483647\t\td\r\n"},
        {[](SettingsWriter& w) { w.hundredthsLine(std::numeric_limits<float>::quiet_NaN(), u"d"); }, "0\t\td\r\n"},
        {[](SettingsWriter& w) { w.textLine(u"Courier New"); }, "Courier New\r\n"},
        {[](SettingsWriter& w) { w.sectionHeader(u"Video_Hardware"); }, "\r\nSection Video_Hardware **********\r\n"},
    };
    for (const auto& c : cases) {
        SettingsWriter w;
        c.write(w);
        EXPECT_EQ(text(w), c.expected);
    }
}

TEST(SettingsWriter, DecimalPointWhateverTheLocale) {
    // A caller (a Qt program) may have switched the C locale to one with a decimal comma.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    bool switched = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    SettingsWriter w;
    w.floatLine(1.5f, u"x");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(text(w), "1.500000\tx\r\n") << (switched ? "" : "(locale not installed)");
}

TEST(SettingsWriter, TextFieldWithoutTerminatorIsNotReadPastItsEnd) {
    char16_t field[4] = {u'a', u'b', u'c', u'd'};
    SettingsWriter w;
    w.textLine(field, 4);
    EXPECT_EQ(text(w), "abcd\r\n");
}

TEST(SettingsWriter, ByteOrderMarkAndNonAscii) {
    SettingsWriter w;
    w.byteOrderMark();
    w.raw(u"\u20AC");
    EXPECT_EQ(w.bytes(), (std::vector<std::uint8_t>{0xFF, 0xFE, 0xAC, 0x20}));
}
