#include "IniDocument.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "GazeTestSupport.h"
#include "GazeTuning.h"

namespace lumora {
namespace {

struct ReadResult {
    bool ok;
    std::string written;
    std::string printed;
};

ReadResult ReadAndWrite(IniDocument& doc, std::string_view text) {
    support::StringLineSource source(text);
    ::testing::internal::CaptureStdout();
    const bool ok = doc.read(source);
    const std::string printed = ::testing::internal::GetCapturedStdout();
    support::MemoryByteSink sink;
    EXPECT_TRUE(doc.write(sink));
    return ReadResult{ok, sink.bytes(), printed};
}

// How a file reads and how the document writes it back.
struct RoundTripCase {
    const char* name;
    std::string_view input;
    bool readOk;
    const char* written;
    const char* printed;
};

class IniRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(IniRoundTrip, ReadsAndWritesBack) {
    const RoundTripCase& c = GetParam();
    IniDocument doc;
    const ReadResult r = ReadAndWrite(doc, c.input);
    EXPECT_EQ(r.ok, c.readOk);
    EXPECT_EQ(r.written, c.written);
    EXPECT_EQ(r.printed, c.printed);
}

const RoundTripCase kRoundTrips[] = {
    {"Empty", "", false, "", ""},
    {"OnlyBlankAndPlainLines", "\n\nhello world\n\r\n", false, "", ""},
    {"KeepsNameCase", "[gazedev]\nTHRESH=12.7\n", true, "[gazedev]\nTHRESH=12.7\n\n", ""},
    {"BlanksAroundEqualsStay", "[FixTime]\nfMinFixMs = 500\n", true, "[FixTime]\nfMinFixMs = 500\n\n", ""},
    {"EarliestKindCharDecides", "[S]\na=b;c\n;x=1\nk#v=1\n", true, "[S]\n;x=1\n;v=1\na=b;c\n\n", ""},
    // The byte order mark some editors write is skipped at the start, and only there.
    {"Utf8ByteOrderMark", "\xEF\xBB\xBF[FixTime]\r\nfMinFixMs=400\r\n", true, "[FixTime]\nfMinFixMs=400\n\n", ""},
    {"ByteOrderMarkBeforeAComment", "\xEF\xBB\xBF; mine\n[S]\n", true, "; mine\n\n[S]\n\n", ""},
    {"ByteOrderMarkLaterIsRefused", "[S]\n\xEF\xBB\xBFk=1\n", false, "[S]\n\n", "Failing on char 239\n"},
    {"HalfAByteOrderMarkIsRefused", "\xEF\xBB[S]\n", false, "", "Failing on char 239\n"},
    {"CommentsBeforeKeysAndHeaderComments", "# top\n;  second\n[S]\nk=1\n;late\n", true,
     "; top\n;  second\n\n[S]\n;late\nk=1\n\n", ""},
    {"RepeatedSectionCollectsInTheFirst", "[FixTime]\na=1\n[FixTime]\nb=2\n;c\n", true,
     "[FixTime]\n;c\na=1\nb=2\n\n[FixTime]\n\n", ""},
    {"LaterKeyReplacesEarlierIgnoringCase", "[S]\nKey=1\nkey=2\n", true, "[S]\nKey=2\n\n", ""},
    {"SectionNameUpToLastBracket", "[a]b]c\nk=1\n", true, "[a]b]\nk=1\n\n", ""},
    {"SectionWithoutCloseIgnored", "[S]\n[broken\nk=1\n", true, "[S]\nk=1\n\n", ""},
    {"KeysBeforeAnySection", "k=1\n[S]\n", true, "[]\nk=1\n\n[S]\n\n", ""},
    {"CarriageReturnsAccepted", "[S]\r\nk=v\r\n\r\n", true, "[S]\nk=v\n\n", ""},
    {"LastLineWithoutLineFeed", "[S]\nk=v", true, "[S]\nk=v\n\n", ""},
    {"EmptyNameAndValue", "[S]\n=\n", true, "[S]\n=\n\n", ""},
    {"TabStopsReading", "[S]\na=1\n\tb=2\nc=3\n", false, "[S]\na=1\n\n", "Failing on char 9\n"},
    {"HighByteStopsReading", "[S]\n\xE9=1\n", false, "[S]\n\n", "Failing on char 233\n"},
    {"NulStopsReading", std::string_view("[S]\n\0x\n", 7), false, "[S]\n\n", "Failing on char 0\n"},
    {"BlankFirstIsPrintable", "[S]\n k=1\n", true, "[S]\n k=1\n\n", ""},
    {"FailingBeforeAnySection", "\x01\n[S]\n", false, "", "Failing on char 1\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, IniRoundTrip, ::testing::ValuesIn(kRoundTrips),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IniDocument, FirstRunFileMatchesTheGoldenFile) {
    IniDocument doc;
    SetGazeTuning(doc, GazeTuning{500.0f, true, 12.7f});
    support::MemoryByteSink sink;
    ASSERT_TRUE(doc.write(sink));
    EXPECT_EQ(sink.bytes(), testsupport::ReadFile(std::string(LUMORA_TEST_DATA_DIR) + "/first_run.ini"));
}

TEST(IniDocument, LookupIgnoresCaseAndKeepsStoredNames) {
    IniDocument doc;
    ReadAndWrite(doc, "[gazedev]\nTHRESH=12.7\n");
    EXPECT_DOUBLE_EQ(doc.getNumber("GazeDev", "Thresh", 0.0), 12.7);
    EXPECT_EQ(doc.findSection("GAZEDEV"), 0);
    EXPECT_EQ(doc.findKey(0, "thresh"), 0);
    EXPECT_EQ(doc.findKey(1, "thresh"), -1);
    EXPECT_EQ(doc.findKey(-1, "thresh"), -1);
}

TEST(IniDocument, KeyWithBlankIsNotTheTuningKey) {
    IniDocument doc;
    ReadAndWrite(doc, "[FixTime]\nfMinFixMs = 500\n");
    EXPECT_EQ(doc.getNumber("FixTime", "fMinFixMs", 0.0), 0.0);
    EXPECT_EQ(doc.getText("FixTime", "fMinFixMs ", "-"), " 500");
    SetGazeTuning(doc, GazeTuning{500.0f, false, 6.35f});
    support::MemoryByteSink sink;
    doc.write(sink);
    EXPECT_EQ(sink.bytes(),
              "[FixTime]\nfMinFixMs = 500\nfMinFixMs=500.000000\n\n[CursorColor]\nYellow=0.000000\n\n"
              "[GazeDev]\nThresh=6.350000\n\n");
}

TEST(IniDocument, DwellSizeSurvivesTheRoundTrip) {
    IniDocument doc;
    SetGazeTuning(doc, GazeTuning{600.0f, false, 19.05f});
    EXPECT_EQ(doc.getText("GazeDev", "Thresh", ""), "19.049999");
    EXPECT_EQ(static_cast<float>(doc.getNumber("GazeDev", "Thresh", 0.0)), 19.05f);
}

struct NumberCase {
    const char* text;
    double value;
};

class IniNumbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(IniNumbers, ReadLikeAtof) {
    IniDocument doc;
    doc.setText("S", "k", GetParam().text, true);
    EXPECT_DOUBLE_EQ(doc.getNumber("S", "k", 7.0), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Values, IniNumbers,
                         ::testing::Values(NumberCase{"500", 500.0}, NumberCase{"  12.5abc", 12.5},
                                           NumberCase{"\t-3e2", -300.0}, NumberCase{"+4", 4.0}, NumberCase{"abc", 0.0},
                                           NumberCase{"", 0.0}, NumberCase{"1,5", 1.0}, NumberCase{".25", 0.25}));

TEST(IniDocument, MissingValueGivesTheDefault) {
    IniDocument doc;
    EXPECT_EQ(doc.getNumber("S", "k", 2.5), 2.5);
    EXPECT_EQ(doc.getText("S", "k", "d"), "d");
    doc.addSection("S");
    EXPECT_EQ(doc.getNumber("S", "k", -1.0), -1.0);
}

// A comma-decimal locale: an installed one, or one compiled into the scratch folder when the
// locale sources are there.
bool SetCommaDecimalLocale() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"})
        if (std::setlocale(LC_NUMERIC, name))
            return true;
    if (!std::filesystem::exists("/usr/share/i18n/locales/de_DE"))
        return false;
    const std::string dir = std::filesystem::current_path().string() + "/locales";
    std::filesystem::create_directories(dir);
    const std::string command = "localedef -i de_DE -f UTF-8 '" + dir + "/de_DE.UTF-8' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0 && !std::filesystem::exists(dir + "/de_DE.UTF-8"))
        return false;
    setenv("LOCPATH", dir.c_str(), 1);
    return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
}

TEST(IniDocument, NumbersIgnoreTheProcessLocale) {
    testsupport::ScratchDir dir;
    if (!SetCommaDecimalLocale())
        GTEST_SKIP() << "no comma-decimal locale available";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    IniDocument doc;
    doc.setNumber("S", "k", 12.7);
    const std::string text = doc.getText("S", "k", "");
    const double back = doc.getNumber("S", "k", 0.0);
    std::setlocale(LC_NUMERIC, "C");
    ASSERT_STREQ(probe, "1,5");  // the locale is really in force
    EXPECT_EQ(text, "12.700000");
    EXPECT_DOUBLE_EQ(back, 12.7);
}

TEST(IniDocument, SetTextCreatesOnlyWhenAsked) {
    IniDocument doc;
    EXPECT_FALSE(doc.setText("S", "k", "1", false));
    EXPECT_EQ(doc.findSection("S"), -1);
    EXPECT_TRUE(doc.setText("S", "k", "1", true));
    EXPECT_FALSE(doc.setText("s", "other", "2", false));
    EXPECT_TRUE(doc.setText("s", "K", "3", false));
    EXPECT_EQ(doc.getText("S", "k", ""), "3");
    EXPECT_EQ(doc.sections()[0].keys[0].name, "k");
}

TEST(IniDocument, AddSectionAllowsDuplicatesAndCommentsGoToTheFirst) {
    IniDocument doc;
    EXPECT_EQ(doc.addSection("A"), 0);
    EXPECT_EQ(doc.addSection("a"), 1);
    EXPECT_TRUE(doc.addSectionComment("A", " note"));
    EXPECT_FALSE(doc.addSectionComment("missing", "x"));
    doc.addHeaderComment("head");
    support::MemoryByteSink sink;
    doc.write(sink);
    EXPECT_EQ(sink.bytes(), ";head\n\n[A]\n; note\n\n[a]\n\n");
}

TEST(IniDocument, ARefusedLineCanBeLeftUnreported) {
    IniDocument doc;
    doc.setReportsRefusedLines(false);
    support::StringLineSource source("[A]\n\tk=1\n");
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(doc.read(source));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(doc.findSection("A"), 0);
}

TEST(IniDocument, ReadAddsToWhatIsHeld) {
    IniDocument doc;
    ReadAndWrite(doc, "[A]\nk=1\n");
    const ReadResult r = ReadAndWrite(doc, "k=2\n[A]\nj=3\n");
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.written, "[A]\nk=1\nj=3\n\n[]\nk=2\n\n[A]\n\n");
}

TEST(IniDocument, FailedReadKeepsEarlierSectionsButReportsFalse) {
    IniDocument doc;
    const ReadResult r = ReadAndWrite(doc, "[FixTime]\nfMinFixMs=400\n\x7F\n[GazeDev]\nThresh=1\n");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.printed, "Failing on char 127\n");
    EXPECT_EQ(doc.getNumber("FixTime", "fMinFixMs", 0.0), 400.0);
    EXPECT_EQ(doc.findSection("GazeDev"), -1);
}

TEST(IniDocument, WriteReportsAFailingSink) {
    IniDocument doc;
    SetGazeTuning(doc, GazeTuning{500.0f, true, 12.7f});
    for (std::size_t limit : {0u, 1u, 20u, 70u}) {
        support::MemoryByteSink sink(limit);
        EXPECT_FALSE(doc.write(sink)) << limit;
    }
}

TEST(IniDocument, FilesOnDisk) {
    testsupport::ScratchDir dir;
    IniDocument doc;
    doc.setPath("missing.ini");
    EXPECT_FALSE(doc.read());
    EXPECT_TRUE(doc.sections().empty());

    SetGazeTuning(doc, GazeTuning{300.0f, false, 6.35f});
    doc.setPath("settings.ini");
    ASSERT_EQ(doc.write(), support::WriteStatus::Ok);
    IniDocument again;
    again.setPath("settings.ini");
    EXPECT_TRUE(again.read());
    EXPECT_EQ(again.getNumber("FixTime", "fMinFixMs", 0.0), 300.0);

    // A folder where the file should be: nothing can be opened either way.
    std::filesystem::create_directory("folder.ini");
    doc.setPath("folder.ini");
    EXPECT_EQ(doc.write(), support::WriteStatus::CannotOpen);
    IniDocument fresh;
    fresh.setPath("folder.ini");
    EXPECT_FALSE(fresh.read());
    doc.setPath("no/such/dir/settings.ini");
    EXPECT_EQ(doc.write(), support::WriteStatus::CannotOpen);
}

// Whatever stands at the settings path, the read neither blocks nor takes more than a settings
// file's size, and says why it read nothing.
TEST(IniDocument, OnlyARegularFileOfSettingsSizeIsRead) {
    namespace fs = std::filesystem;
    testsupport::ScratchDir dir;
    fs::create_directory("folder.ini");
    ASSERT_EQ(::mkfifo("fifo.ini", 0600), 0);
    fs::create_symlink("self.ini", "self.ini");
    fs::create_symlink("/dev/zero", "zero.ini");
    std::ofstream("huge.ini", std::ios::binary) << "[FixTime]\nfMinFixMs=500\n" << std::string(70 * 1024, ';');
    std::ofstream("good.ini", std::ios::binary) << "\xEF\xBB\xBF[FixTime]\nfMinFixMs=500\n";
    const struct {
        const char* path;
        support::ReadStatus status;
    } cases[] = {
        {"missing.ini", support::ReadStatus::Missing},    {"folder.ini", support::ReadStatus::NotRegular},
        {"fifo.ini", support::ReadStatus::NotRegular},    {"self.ini", support::ReadStatus::Missing},
        {"zero.ini", support::ReadStatus::NotRegular},    {"huge.ini", support::ReadStatus::TooLarge},
        {"good.ini", support::ReadStatus::Ok},
    };
    for (const auto& c : cases) {
        IniDocument doc;
        doc.setPath(c.path);
        EXPECT_EQ(doc.read(), c.status == support::ReadStatus::Ok) << c.path;
        EXPECT_EQ(doc.fileStatus(), c.status) << c.path;
        EXPECT_EQ(doc.getNumber("FixTime", "fMinFixMs", 0.0), c.status == support::ReadStatus::Ok ? 500.0 : 0.0);
    }
}

TEST(IniDocument, WriteToADeviceIsRefused) {
    IniDocument doc;
    SetGazeTuning(doc, GazeTuning{500.0f, true, 12.7f});
    doc.setPath("/dev/full");
    EXPECT_EQ(doc.write(), support::WriteStatus::CannotOpen);
}

// A write that fails half way (here the process's file size limit stands in for a full disk
// or a kill) must leave the settings the user had, not an empty file.
TEST(IniDocument, FailedWriteKeepsTheOldFile) {
    testsupport::ScratchDir dir;
    const std::string old = "[FixTime]\nfMinFixMs=400.000000\n\n";
    std::ofstream("settings.ini", std::ios::binary) << old;
    IniDocument doc;
    doc.setPath("settings.ini");
    ASSERT_TRUE(doc.read());
    SetGazeTuning(doc, GazeTuning{500.0f, true, 12.7f});
    for (int i = 0; i < 40; ++i)
        doc.addHeaderComment("a long comment line that makes the file larger than the limit below");
    support::WriteStatus status;
    {
        testsupport::FileSizeLimit limit(64);
        status = doc.write();
    }
    EXPECT_NE(status, support::WriteStatus::Ok);
    EXPECT_EQ(testsupport::ReadFile("settings.ini"), old);
}

}  // namespace
}  // namespace lumora
