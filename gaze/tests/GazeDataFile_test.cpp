#include "GazeDataFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "GazeTestSupport.h"

namespace lumora {
namespace {

std::time_t UtcTime(int year, int month, int day, int hour, int minute) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    return timegm(&t);
}

class GazeDataFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "UTC", 1);
        tzset();
    }
    testsupport::ScratchDir m_dir;
};

TEST_F(GazeDataFileTest, NameFromTheLocalStartTime) {
    EXPECT_EQ(GazeDataFile::PathFor(UtcTime(2005, 5, 25, 20, 21)), "Lumora/Data/LMdata2005-05-25_2021.dat");
    EXPECT_EQ(GazeDataFile::PathFor(UtcTime(2026, 1, 2, 3, 4)), "Lumora/Data/LMdata2026-01-02_0304.dat");
}

TEST_F(GazeDataFileTest, CreatesTheMissingDataFolder) {
    GazeDataFile f;
    ASSERT_TRUE(f.open(UtcTime(2005, 5, 25, 20, 21)));
    EXPECT_TRUE(f.writeLine("[512,384]"));
    f.close();
    EXPECT_EQ(testsupport::ReadFile("Lumora/Data/LMdata2005-05-25_2021.dat"), "[512,384]\n");
}

TEST_F(GazeDataFileTest, AppendsToAnExistingFile) {
    const std::time_t t = UtcTime(2005, 5, 25, 20, 21);
    for (const char* line : {"first", "second"}) {
        GazeDataFile f;
        ASSERT_TRUE(f.open(t));
        f.writeLine(line);
    }
    EXPECT_EQ(testsupport::ReadFile(GazeDataFile::PathFor(t)), "first\nsecond\n");
}

// A run killed in mid-line leaves a fragment without a line end; the next run starts on a line
// of its own. Files that end properly, and empty ones, get nothing added.
TEST_F(GazeDataFileTest, NextRunStartsOnANewLine) {
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        {"[1,2]\n[3,", "[1,2]\n[3,\nLumora version: 2.7\n"},
        {"[1,2]\n", "[1,2]\nLumora version: 2.7\n"},
        {"", "Lumora version: 2.7\n"},
        {"x\r", "x\r\nLumora version: 2.7\n"},
    };
    for (const auto& c : cases) {
        std::ofstream("run.dat", std::ios::binary | std::ios::trunc) << c.before;
        GazeDataFile f;
        ASSERT_TRUE(f.openPath("run.dat"));
        f.writeLine("Lumora version: 2.7");
        f.close();
        EXPECT_EQ(testsupport::ReadFile("run.dat"), c.after) << c.before;
    }
}

TEST_F(GazeDataFileTest, LinesReachTheFileAtOnce) {
    GazeDataFile f;
    ASSERT_TRUE(f.openPath("flushed.dat"));
    f.writeLine("[1,2]");
    EXPECT_EQ(testsupport::ReadFile("flushed.dat"), "[1,2]\n");  // still open
}

TEST_F(GazeDataFileTest, ClosedOrUnopenedFileTakesNothing) {
    GazeDataFile never;
    EXPECT_FALSE(never.isOpen());
    EXPECT_FALSE(never.writeLine("x"));
    EXPECT_FALSE(WriteGazeSettingsLines(never, GazeTuning{}));

    GazeDataFile f;
    ASSERT_TRUE(f.openPath("closed.dat"));
    f.close();
    EXPECT_FALSE(f.writeLine("late"));
    EXPECT_EQ(testsupport::ReadFile("closed.dat"), "");
}

TEST_F(GazeDataFileTest, DataFolderThatIsAFileFailsCleanly) {
    std::filesystem::create_directories("Lumora");
    std::ofstream("Lumora/Data") << "not a folder";
    GazeDataFile f;
    EXPECT_FALSE(f.open(std::time(nullptr)));
    EXPECT_FALSE(f.writeLine("x"));
}

TEST_F(GazeDataFileTest, WriteErrorStopsLaterWrites) {
    GazeDataFile f;
    ASSERT_TRUE(f.openPath("/dev/full"));
    EXPECT_FALSE(f.writeLine("[1,1]"));
    EXPECT_FALSE(f.isOpen());
    EXPECT_FALSE(f.writeLine("[2,2]"));
}

struct SettingsLinesCase {
    GazeTuning tuning;
    const char* expected;
};

class SettingsLines : public ::testing::TestWithParam<SettingsLinesCase> {};

TEST_P(SettingsLines, DefaultStreamFormat) {
    testsupport::ScratchDir dir;
    GazeDataFile f;
    ASSERT_TRUE(f.openPath("settings.dat"));
    EXPECT_TRUE(WriteGazeSettingsLines(f, GetParam().tuning));
    EXPECT_EQ(testsupport::ReadFile("settings.dat"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsLines,
    ::testing::Values(SettingsLinesCase{{500.0f, true, 12.7f}, "fMinFixMs:500\nYellow:1\nGazeDev:12.7\n"},
                      SettingsLinesCase{{300.0f, false, 6.35f}, "fMinFixMs:300\nYellow:0\nGazeDev:6.35\n"},
                      SettingsLinesCase{{0.0f, false, 19.05f}, "fMinFixMs:0\nYellow:0\nGazeDev:19.05\n"},
                      SettingsLinesCase{{1234567.0f, false, 0.5f}, "fMinFixMs:1.23457e+06\nYellow:0\nGazeDev:0.5\n"}));

TEST_F(GazeDataFileTest, LinesOfTwoThreadsNeverInterleave) {
    GazeDataFile f;
    ASSERT_TRUE(f.openPath("threads.dat"));
    constexpr int kLines = 2000;
    auto writer = [&f](char tag) {
        const std::string line(40, tag);
        for (int i = 0; i < kLines; ++i)
            f.writeLine(line);
    };
    std::thread a(writer, 'a');
    std::thread b([&f] {
        for (int i = 0; i < kLines / 4; ++i)
            WriteGazeSettingsLines(f, GazeTuning{500.0f, true, 12.7f});
    });
    writer('b');
    a.join();
    b.join();
    f.close();
    int count = 0;
    const auto lines = testsupport::ReadLines("threads.dat");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const bool plain = line == std::string(40, 'a') || line == std::string(40, 'b');
        const bool settings = line.rfind("fMinFixMs:", 0) == 0;
        ASSERT_TRUE(plain || settings || line == "Yellow:1" || line == "GazeDev:12.7") << line;
        if (settings) {
            // The three settings lines stay together.
            ASSERT_LT(i + 2, lines.size());
            EXPECT_EQ(lines[i + 1], "Yellow:1");
            EXPECT_EQ(lines[i + 2], "GazeDev:12.7");
        }
        ++count;
    }
    EXPECT_EQ(count, 2 * kLines + 3 * (kLines / 4));
}

}  // namespace
}  // namespace lumora
