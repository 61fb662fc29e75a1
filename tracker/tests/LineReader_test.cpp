#include "LineReader.h"

#include <gtest/gtest.h>

#include <vector>

namespace qvtrack {
namespace {

struct Read {
    LineReader::Result result;
    std::string line;
};

std::vector<Read> ReadAll(std::string_view text, std::size_t maxLine) {
    support::MemoryByteSource stream(text);
    LineReader reader(stream, maxLine);
    std::vector<Read> out;
    std::string line;
    for (int guard = 0; guard < 1000; ++guard) {
        LineReader::Result r = reader.next(line);
        out.push_back({r, r == LineReader::Result::Line ? line : std::string()});
        if (r == LineReader::Result::End) {
            break;
        }
    }
    return out;
}

TEST(LineReader, SplitsOnLfAndDropsCrBeforeIt) {
    auto reads = ReadAll("a\r\nb\nc", 10);
    ASSERT_EQ(reads.size(), 4u);
    EXPECT_EQ(reads[0].line, "a");
    EXPECT_EQ(reads[1].line, "b");
    EXPECT_EQ(reads[2].line, "c");  // a last line without LF is still a line
    EXPECT_EQ(reads[3].result, LineReader::Result::End);
}

TEST(LineReader, DropsOverlongLinesWholeAndGoesOn) {
    std::string text = std::string(50000, 'x') + "\nok\n" + std::string(11, 'y');
    auto reads = ReadAll(text, 10);
    ASSERT_EQ(reads.size(), 4u);
    EXPECT_EQ(reads[0].result, LineReader::Result::Overlong);
    EXPECT_EQ(reads[1].line, "ok");
    EXPECT_EQ(reads[2].result, LineReader::Result::Overlong);
    EXPECT_EQ(reads[3].result, LineReader::Result::End);
}

TEST(LineReader, LineOfExactlyTheLimitWithCrLfIsKept) {
    auto reads = ReadAll("0123456789\r\n", 10);
    ASSERT_EQ(reads.size(), 2u);
    EXPECT_EQ(reads[0].line, "0123456789");
}

TEST(LineReader, EmptyInputEndsAtOnce) {
    auto reads = ReadAll("", 10);
    ASSERT_EQ(reads.size(), 1u);
    EXPECT_EQ(reads[0].result, LineReader::Result::End);
}

}  // namespace
}  // namespace qvtrack
