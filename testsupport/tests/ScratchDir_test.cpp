#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "FileContents.h"

namespace fs = std::filesystem;
using testsupport::ReadFile;
using testsupport::ReadLines;
using testsupport::ScratchDir;
using testsupport::WriteFile;

TEST(ScratchDir, WorksInAFreshFolderOfTheCaseAndReturns) {
    const fs::path before = fs::current_path();
    {
        ScratchDir first;
        EXPECT_EQ(fs::current_path(), first.path());
        EXPECT_EQ(first.path(), before / "cases" / "ScratchDir.WorksInAFreshFolderOfTheCaseAndReturns");
        EXPECT_EQ(first.previous(), before);
        ASSERT_TRUE(WriteFile("left.txt", "x"));
    }
    EXPECT_EQ(fs::current_path(), before);
    ScratchDir again;
    EXPECT_FALSE(fs::exists("left.txt"));  // what an earlier run left is gone
}

TEST(ScratchDir, NamedFoldersNestInTheCurrentOne) {
    ScratchDir scratch;
    {
        ScratchDir inner("reader/odd name");
        EXPECT_EQ(inner.path(), scratch.path() / "reader_odd_name");
        EXPECT_EQ(fs::current_path(), inner.path());
    }
    EXPECT_EQ(fs::current_path(), scratch.path());
}

class ScratchDirFixture : public testsupport::ScratchDirTest {};

TEST_F(ScratchDirFixture, EachCaseHasItsFolder) {
    EXPECT_EQ(fs::current_path(), m_dir);
    EXPECT_EQ(m_dir, m_previous / "cases" / "ScratchDirFixture.EachCaseHasItsFolder");
}

TEST(FileContents, BytesGoInAndComeOutAsTheyAre) {
    ScratchDir scratch;
    const std::string bytes("a\r\n\0b\nlast", 10);
    ASSERT_TRUE(WriteFile("f.bin", bytes));
    EXPECT_EQ(ReadFile("f.bin"), bytes);
    EXPECT_EQ(ReadLines("f.bin"), (std::vector<std::string>{"a\r", std::string("\0b", 2), "last"}));
    EXPECT_EQ(ReadFile("missing"), "");
    EXPECT_FALSE(WriteFile("no/such/folder/f", "x"));
}
