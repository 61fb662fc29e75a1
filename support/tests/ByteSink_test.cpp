#include "ByteSink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using support::MemoryByteSink;

TEST(MemoryByteSink, KeepsEverythingWithoutACapacity) {
    MemoryByteSink sink;
    EXPECT_TRUE(sink.write("BM"));
    EXPECT_TRUE(sink.write(std::string("\0\x01", 2)));
    EXPECT_TRUE(sink.write(""));
    EXPECT_EQ(sink.bytes(), std::string("BM\0\x01", 4));
    EXPECT_FALSE(sink.refused());
}

// A disk that fills up: the bytes that fitted stay, the write that did not fit and every later
// one are refused, even one that would fit in what is left or is empty.
TEST(MemoryByteSink, FillsUpAtItsCapacityAndStaysFull) {
    struct Case {
        std::size_t capacity;
        std::vector<std::string> writes;
        std::vector<bool> results;
        std::string kept;
    };
    const Case cases[] = {
        {4, {"ab", "cd", "e"}, {true, true, false}, "abcd"},
        {3, {"ab", "cd", "e"}, {true, false, false}, "abc"},
        {0, {"", "a", ""}, {true, false, false}, ""},
        {5, {"abcdef", "", "x"}, {false, false, false}, "abcde"},
    };
    for (const Case& c : cases) {
        MemoryByteSink sink(c.capacity);
        for (std::size_t i = 0; i < c.writes.size(); ++i)
            EXPECT_EQ(sink.write(c.writes[i]), c.results[i]) << c.capacity << " write " << i;
        EXPECT_EQ(sink.bytes(), c.kept) << c.capacity;
        EXPECT_EQ(sink.refused(), !c.results.back()) << c.capacity;
    }
}
