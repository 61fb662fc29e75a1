#include "ReplayReader.h"

#include <gtest/gtest.h>

#include <limits>

namespace qvtrack {
namespace {

using Kind = ReplayReader::LineKind;

struct ClassifyCase {
    const char* line;
    Kind kind;
    std::int32_t x = 0;
    std::int32_t y = 0;
};

TEST(ReplayReaderClassify, Table) {
    const ClassifyCase cases[] = {
        {"[512,384]", Kind::Sample, 512, 384},
        {"[0,0]", Kind::Sample, 0, 0},
        {"[-5,-7]", Kind::Sample, -5, -7},
        {"[ 12 , 34 ]", Kind::Sample, 12, 34},
        {"[512,384]\r", Kind::Sample, 512, 384},
        {"[2147483647,-2147483648]", Kind::Sample, 2147483647, -2147483647 - 1},
        {"[2147483648,1]", Kind::Skipped},  // beyond int: refused, not wrapped
        {"[99999999999999999999999,1]", Kind::Skipped},
        {"[-]", Kind::NotFound},
        {"[-]\r", Kind::NotFound},
        {"[", Kind::Skipped},
        {"[]", Kind::Skipped},
        {"[512]", Kind::Skipped},
        {"512,384", Kind::Skipped},
        {"[512,384", Kind::Skipped},
        {"512,384]", Kind::Skipped},
        {"[512,384]x", Kind::Skipped},
        {"[5a,3]", Kind::Skipped},
        {"[1.5,2]", Kind::Skipped},
        {"[,]", Kind::Skipped},
        {"[1,2,3]", Kind::Skipped},
        {"", Kind::Skipped},
        {"garbage", Kind::Skipped},
        {"Lumora version: 2.7", Kind::Header},
        {"iScreenWidth:1024", Kind::Header},
        {"GazeDev:6.35", Kind::Header},
        {":nameless", Kind::Skipped},
    };
    for (const auto& c : cases) {
        std::int32_t x = 0;
        std::int32_t y = 0;
        Kind kind = ReplayReader::classify(c.line, x, y);
        EXPECT_EQ(kind, c.kind) << c.line;
        if (c.kind == Kind::Sample && kind == Kind::Sample) {
            EXPECT_EQ(x, c.x) << c.line;
            EXPECT_EQ(y, c.y) << c.line;
        }
    }
}

struct Expected {
    int found;
    int x;
    int y;
};

std::vector<Expected> Replay(std::string_view text, int hostW, int hostH, int count) {
    support::MemoryByteSource stream(text);
    ReplayReader reader(stream, hostW, hostH);
    std::vector<Expected> out;
    for (int i = 0; i < count; ++i) {
        GazeSample s{0, -1, -1};
        reader.next(s);
        out.push_back({s.found, s.found ? s.x : -1, s.found ? s.y : -1});
    }
    return out;
}

constexpr const char* kHeader =
    "Lumora version: 2.7\n"
    "iScreenWidth:1024\n"
    "iScreenHeight:768\n"
    "iSamplePerSec:60\n"
    "fMinFixMs:500\n"
    "Yellow:1\n"
    "GazeDev:6.35\n";

TEST(ReplayReader, SameScreenReplaysRawPointsThenNotFoundForever) {
    std::string text = std::string(kHeader) + "[512,384]\n[-]\n[1,2]\n";
    auto s = Replay(text, 1024, 768, 6);
    EXPECT_EQ(s[0].found, 1);
    EXPECT_EQ(s[0].x, 512);
    EXPECT_EQ(s[0].y, 384);
    EXPECT_EQ(s[1].found, 0);
    EXPECT_EQ(s[2].x, 1);
    EXPECT_EQ(s[2].y, 2);
    for (int i = 3; i < 6; ++i) {
        EXPECT_EQ(s[i].found, 0);
    }
}

TEST(ReplayReader, ScalesToTheHostScreen) {
    std::string text = std::string(kHeader) + "[512,384]\n[1023,767]\n[-10,800]\n";
    auto s = Replay(text, 2048, 1536, 3);
    EXPECT_EQ(s[0].x, 1024);
    EXPECT_EQ(s[0].y, 768);
    EXPECT_EQ(s[1].x, 2046);
    EXPECT_EQ(s[1].y, 1534);
    EXPECT_EQ(s[2].x, -20);  // off-screen points stay off-screen
    EXPECT_EQ(s[2].y, 1600);
}

TEST(ReplayReader, HugePointsScaledUpStayRepresentable) {
    std::string text = "iScreenWidth:1\niScreenHeight:1\n[2147483647,-2147483648]\n";
    auto s = Replay(text, 1000, 1000, 1);
    EXPECT_EQ(s[0].x, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(s[0].y, std::numeric_limits<std::int32_t>::min());
}

TEST(ReplayReader, NoOrBadScreenHeaderMeansNoScaling) {
    auto s = Replay("iScreenWidth:0\niScreenHeight:abc\n[100,200]\n", 2048, 1536, 1);
    EXPECT_EQ(s[0].x, 100);
    EXPECT_EQ(s[0].y, 200);
    s = Replay("[100,200]\n", 2048, 1536, 1);
    EXPECT_EQ(s[0].x, 100);
}

TEST(ReplayReader, SecondRunHeaderChangesTheScaleFromThereOn) {
    std::string text =
        "iScreenWidth:1024\niScreenHeight:768\n[100,100]\niScreenWidth:2048\niScreenHeight:1536\n[100,100]\n";
    auto s = Replay(text, 2048, 1536, 2);
    EXPECT_EQ(s[0].x, 200);
    EXPECT_EQ(s[1].x, 100);
}

TEST(ReplayReader, SettingsLinesAndJunkBetweenSamplesAreSkipped) {
    std::string text =
        "[1,1]\nfMinFixMs:300\nYellow:0\nGazeDev:5\njunk\n\n[oops]\n" + std::string(9000, 'z') + "\n[2,2]\n";
    auto s = Replay(text, 0, 0, 3);
    EXPECT_EQ(s[0].x, 1);
    EXPECT_EQ(s[1].found, 1);
    EXPECT_EQ(s[1].x, 2);
    EXPECT_EQ(s[2].found, 0);
}

TEST(ReplayReader, CrLfFileAndLastLineWithoutLineEnd) {
    auto s = Replay("iScreenWidth:1024\r\niScreenHeight:768\r\n[3,4]\r\n[-]\r\n[5,6]", 1024, 768, 4);
    EXPECT_EQ(s[0].x, 3);
    EXPECT_EQ(s[1].found, 0);
    EXPECT_EQ(s[2].x, 5);
    EXPECT_EQ(s[2].y, 6);
    EXPECT_EQ(s[3].found, 0);
}

TEST(ReplayReader, EmptyFileGivesNotFound) {
    auto s = Replay("", 1024, 768, 2);
    EXPECT_EQ(s[0].found, 0);
    EXPECT_EQ(s[1].found, 0);
}

TEST(ReplayReader, LongJunkRunYieldsNotFoundInsteadOfStalling) {
    std::string text;
    for (int i = 0; i < ReplayReader::kMaxLinesPerSample + 5; ++i) {
        text += "junk\n";
    }
    text += "[7,8]\n";
    auto s = Replay(text, 0, 0, 2);
    EXPECT_EQ(s[0].found, 0);
    EXPECT_EQ(s[1].found, 1);
    EXPECT_EQ(s[1].x, 7);
}

TEST(ReplayReader, NotFoundSampleKeepsTheLastPosition) {
    support::MemoryByteSource stream("[10,20]\n[-]\n");
    ReplayReader reader(stream, 0, 0);
    GazeSample s{};
    reader.next(s);
    reader.next(s);
    EXPECT_EQ(s.found, 0);
    EXPECT_EQ(s.x, 10);
    EXPECT_EQ(s.y, 20);
}

}  // namespace
}  // namespace qvtrack
