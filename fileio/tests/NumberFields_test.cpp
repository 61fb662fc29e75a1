#include "NumberFields.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace qvfileio;

namespace {

struct Sample {
    std::int32_t count;
    std::int32_t colour;
    float seconds;
    float size;
    std::int32_t added;
};

constexpr int kAddedVersion = 4;
constexpr auto kSampleFields = std::to_array<NumberField<Sample>>({
    intField(&Sample::count, u"Count"),
    hexField(&Sample::colour, u"Colour"),
    hundredthsField(&Sample::seconds, u"Seconds * 100"),
    floatField(&Sample::size, u"Size"),
    intField(&Sample::added, u"Added later", kAddedVersion),
});

std::string ascii(const SettingsWriter& w) {
    std::string s;
    for (std::size_t i = 0; i < w.bytes().size(); i += 2) {
        s += static_cast<char>(w.bytes()[i]);
    }
    return s;
}

}  // namespace

TEST(NumberFields, WriterWritesEveryLineInTableOrderWithItsFormat) {
    const Sample sample{7, 0xAA00, 0.25f, 1.5f, -2};
    SettingsWriter w;
    writeNumberFields(w, sample, kSampleFields);
    EXPECT_EQ(ascii(w),
              "7\t\tCount\r\naa00\t\tColour\r\n25\t\tSeconds * 100\r\n1.500000\tSize\r\n-2\t\tAdded later\r\n");
}

TEST(NumberFields, ReaderTakesOnlyTheLinesOfTheFilesVersion) {
    struct Case {
        int version;
        std::int32_t added;
        std::int32_t count;
    };
    // Older files lack the last line: it keeps its value. Lines without a version, like those
    // of a file whose version line is not a known one, are always read.
    const Case cases[] = {{kAddedVersion - 1, 99, 3}, {kAddedVersion, 5, 3}, {-1, 99, 3}};
    for (const Case& c : cases) {
        TextReader in(u"3\t\tCount\r\nff\r\n150\r\n0.5\r\n5\r\n");
        Sample sample{0, 0, 0.0f, 0.0f, 99};
        readNumberFields(in, sample, kSampleFields, c.version);
        EXPECT_EQ(sample.count, c.count) << c.version;
        EXPECT_EQ(sample.colour, 0xFF) << c.version;
        EXPECT_FLOAT_EQ(sample.seconds, 1.5f) << c.version;
        EXPECT_FLOAT_EQ(sample.size, 0.5f) << c.version;
        EXPECT_EQ(sample.added, c.added) << c.version;
    }
}

TEST(NumberFields, ABadOrMissingLineLeavesItsField) {
    TextReader in(u"x\r\n12\r\n");
    Sample sample{4, 0, 2.0f, 3.0f, 1};
    readNumberFields(in, sample, kSampleFields, kAddedVersion);
    EXPECT_EQ(sample.count, 4);
    EXPECT_EQ(sample.colour, 0x12);
    EXPECT_FLOAT_EQ(sample.seconds, 2.0f);
    EXPECT_FLOAT_EQ(sample.size, 3.0f);
    EXPECT_EQ(sample.added, 1);
}
