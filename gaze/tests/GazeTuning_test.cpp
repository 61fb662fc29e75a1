#include "GazeTuning.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <limits>
#include <fstream>

#include "GazeTestSupport.h"

namespace lumora {
namespace {

struct MinFixCase {
    int rate;
    float ms;
    int expected;
};

class MinimumFix : public ::testing::TestWithParam<MinFixCase> {};

TEST_P(MinimumFix, CeilingOfTheExtendedProduct) {
    EXPECT_EQ(MinimumFixSamples(GetParam().rate, GetParam().ms), GetParam().expected)
        << GetParam().rate << " samples/s, " << GetParam().ms << " ms";
}

// Products that are whole in decimal gain one sample through the single-precision 0.001.
INSTANTIATE_TEST_SUITE_P(Cases, MinimumFix,
                         ::testing::Values(MinFixCase{60, 500, 31}, MinFixCase{60, 300, 19}, MinFixCase{60, 400, 25},
                                           MinFixCase{60, 600, 37}, MinFixCase{50, 500, 26}, MinFixCase{60, 510, 31},
                                           MinFixCase{60, 0, 0}, MinFixCase{0, 500, 0}, MinFixCase{60, -100, -6},
                                           MinFixCase{2000, 500, 1001}, MinFixCase{1000000, 1e30f, 1000000000}));

void WriteSettings(const std::string& text) {
    std::filesystem::create_directories("Lumora");
    std::ofstream(std::string(kGazeSettingsPath), std::ios::binary) << text;
}

TEST(GazeTuning, StartUpReadTakesTheThreeValues) {
    testsupport::ScratchDir dir;
    WriteSettings("[FixTime]\nfMinFixMs=400.000000\n\n[CursorColor]\nYellow=0.5\n\n[gazedev]\nTHRESH=19.049999\n");
    IniDocument doc;
    const GazeTuning t = ReadGazeTuning(doc);
    EXPECT_EQ(doc.path(), kGazeSettingsPath);
    EXPECT_EQ(t.fMinFixMs, 400.0f);
    EXPECT_TRUE(t.Yellow);
    EXPECT_EQ(t.GazeDev, 19.05f);
}

TEST(GazeTuning, MissingFileGivesZeros) {
    testsupport::ScratchDir dir;
    IniDocument doc;
    const GazeTuning t = ReadGazeTuning(doc);
    EXPECT_EQ(t.fMinFixMs, 0.0f);
    EXPECT_FALSE(t.Yellow);
    EXPECT_EQ(t.GazeDev, 0.0f);
    EXPECT_EQ(MinimumFixSamples(60, t.fMinFixMs), 0);
}

// Something that is no settings file where the settings file belongs is not the user's choice of
// zero dwell timing: the program runs with the first-run values.
TEST(GazeTuning, ANonFileAtTheSettingsPathGivesTheFirstRunValues) {
    testsupport::ScratchDir dir;
    std::filesystem::create_directories("Lumora/LMSettings.ini");
    IniDocument folder;
    const GazeTuning t = ReadGazeTuning(folder);
    EXPECT_EQ(t.fMinFixMs, 500.0f);
    EXPECT_TRUE(t.Yellow);
    EXPECT_EQ(t.GazeDev, 6.35f);
    EXPECT_TRUE(folder.sections().empty());
    std::filesystem::remove("Lumora/LMSettings.ini");
    ASSERT_EQ(::mkfifo("Lumora/LMSettings.ini", 0600), 0);
    IniDocument fifo;
    EXPECT_EQ(ReadGazeTuning(fifo).fMinFixMs, 500.0f);
}

TEST(GazeTuning, FirstRunTextIsTheFileTheProgramWrites) {
    EXPECT_EQ(FirstRunSettingsText(),
              "[FixTime]\nfMinFixMs=500.000000\n\n[CursorColor]\nYellow=1.000000\n\n[GazeDev]\nThresh=6.350000\n\n");
    IniDocument doc;
    const std::string firstRun = FirstRunSettingsText();
    support::StringLineSource text(firstRun);
    ASSERT_TRUE(doc.read(text));
    EXPECT_EQ(static_cast<float>(doc.getNumber(kGazeDevSection, kGazeDevKey, 0.0)), FirstRunGazeTuning().GazeDev);
}

TEST(GazeTuning, UsableValuesNeedADwellTimingAndSize) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        GazeTuning t;
        bool usable;
    } cases[] = {
        {{500, true, 6.35f}, true}, {{300, false, 19.05f}, true}, {{450.5f, false, 1}, true},
        {{0, true, 6.35f}, false},  {{500, true, 0}, false},      {{0, false, 0}, false},
        {{-5, true, 6.35f}, false}, {{500, true, -1}, false},     {{inf, true, 6.35f}, false},
        {{nan, true, 6.35f}, false}, {{500, true, nan}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsUsableGazeTuning(c.t), c.usable) << c.t.fMinFixMs << " " << c.t.GazeDev;
}

TEST(GazeTuning, FirstRunStoreCreatesTheFile) {
    testsupport::ScratchDir dir;
    IniDocument doc;
    ReadGazeTuning(doc);
    std::filesystem::create_directories("Lumora");
    ASSERT_EQ(StoreGazeTuning(doc, GazeTuning{500.0f, true, 12.7f}), support::WriteStatus::Ok);
    EXPECT_EQ(testsupport::ReadFile(std::string(kGazeSettingsPath)),
              testsupport::ReadFile(std::string(LUMORA_TEST_DATA_DIR) + "/first_run.ini"));
}

TEST(GazeTuning, RewriteKeepsOtherContent) {
    testsupport::ScratchDir dir;
    WriteSettings("; mine\n[Other]\nx=1\n[FixTime]\nfMinFixMs=300.000000\n");
    IniDocument doc;
    GazeTuning t = ReadGazeTuning(doc);
    t.Yellow = true;
    ASSERT_EQ(StoreGazeTuning(doc, t), support::WriteStatus::Ok);
    EXPECT_EQ(testsupport::ReadFile(std::string(kGazeSettingsPath)),
              "; mine\n\n[Other]\nx=1\n\n[FixTime]\nfMinFixMs=300.000000\n\n[CursorColor]\nYellow=1.000000\n\n"
              "[GazeDev]\nThresh=0.000000\n\n");
}

}  // namespace
}  // namespace lumora
