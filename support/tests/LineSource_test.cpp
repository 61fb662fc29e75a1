#include "LineSource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> LinesOf(std::string_view text) {
    support::StringLineSource source(text);
    std::vector<std::string> lines;
    for (std::string line; source.nextLine(line);)
        lines.push_back(line);
    return lines;
}

}  // namespace

TEST(StringLineSource, SplitsAtLineFeedsOnly) {
    struct Case {
        std::string_view text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"\n", {""}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\r\nb\r\n", {"a\r", "b\r"}},  // the reader decides what a CR means
        {std::string_view("a\0b\n", 4), {std::string("a\0b", 3)}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LinesOf(c.text), c.lines) << testing::PrintToString(std::string(c.text));
}

TEST(StringLineSource, StaysAtTheEndOnceThere) {
    support::StringLineSource source("only");
    std::string line;
    ASSERT_TRUE(source.nextLine(line));
    line = "untouched";
    EXPECT_FALSE(source.nextLine(line));
    EXPECT_FALSE(source.nextLine(line));
    EXPECT_EQ(line, "untouched");
}
