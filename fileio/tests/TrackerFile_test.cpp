#include "TrackerFile.h"

#include <gtest/gtest.h>

#include <cstring>

#include "Languages.h"
#include "FileIoTest.h"
#include "TrackerBlocks.h"

using namespace qvfileio;

namespace {

class TrackerFileTest : public FileIoTest {
protected:
    void SetUp() override {
        FileIoTest::SetUp();
        std::filesystem::create_directory("QVSettings");
    }

    static QvSettingsRecord customRecord(int language) {
        QvSettingsRecord r{};
        r.language = language;
        setDefaultQvSettings(r);
        setHardwareDefaults(r.hardware, true);
        r.calibration.iCurCalRes = 2;
        r.calibration.bMsgsOff = 0;
        r.calibration.bBypassAcceptance = 1;
        r.calibration.crPass2Background = 0x00ABCDEF;
        r.calibration.calRes[0].iNumCalPoints = 7;
        r.calibration.calRes[1].fX[2] = 0.375f;
        r.calibration.calRes[2].fY[12] = 0.5625f;
        r.calibration.calRes[2].iMaxRetries = 9;
        r.hardware.fMonitorWidth = 400.25f;
        r.hardware.iVideoOffset = 12;
        r.hardware.fLensFocalLength = 35.5f;
        r.imageProc = {1, 0, 1};
        return r;
    }

    static void expectSameRecord(const QvSettingsRecord& a, const QvSettingsRecord& b) {
        EXPECT_EQ(std::memcmp(&a.calibration, &b.calibration, sizeof a.calibration), 0);
        HardwareSettings ha = a.hardware, hb = b.hardware;
        ha.iReserved = hb.iReserved = 0;
        EXPECT_EQ(std::memcmp(&ha, &hb, sizeof ha), 0);
        EXPECT_EQ(std::memcmp(&a.imageProc, &b.imageProc, sizeof a.imageProc), 0);
    }

    // The file as ASCII text (all characters written are ASCII).
    static std::string asciiOf(const std::string& utf16) {
        std::string s;
        for (std::size_t i = 2; i + 1 < utf16.size(); i += 2) {
            s += utf16[i];
        }
        return s;
    }

    FileIoContext m_context;
};

}  // namespace

TEST(TrackerDefaults, LanguageKeptAndOnlyMonitorGeometry) {
    QvSettingsRecord r{};
    r.language = 9;
    r.hardware.iVideoGain = 99;
    setDefaultQvSettings(r);
    EXPECT_EQ(r.result, 7);
    EXPECT_EQ(r.language, 9);
    EXPECT_EQ(r.hardware.iVideoGain, 99);
    EXPECT_FLOAT_EQ(r.hardware.fMonitorWidth, 276.86f);
    EXPECT_FLOAT_EQ(r.calibration.calRes[0].fY[0], 0.05f);
    EXPECT_EQ(r.imageProc.bRangeComp, 1);
}

TEST_F(TrackerFileTest, WrittenAndReadBackWithTheSameLanguage) {
    QvSettingsRecord written = customRecord(3);
    EXPECT_EQ(writeQvSettings(m_context, written), 0);
    EXPECT_TRUE(std::filesystem::exists("QVSettings/Settings_DK.qv"));
    QvSettingsRecord read{};
    read.language = 3;
    EXPECT_EQ(readQvSettings(m_context, read), 7);
    EXPECT_EQ(read.result, 7);
    expectSameRecord(written, read);
    EXPECT_EQ(m_context.file(), nullptr);
    EXPECT_FALSE(m_context.sharedRead());
}

TEST_F(TrackerFileTest, UnknownLanguageResolvesToUsAndIsStored) {
    QvSettingsRecord r{};
    r.language = -1;
    EXPECT_EQ(readQvSettings(m_context, r), 0);
    EXPECT_EQ(r.language, 0);
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.hardware.iVideoGain, 140);  // found nowhere: full defaults

    r.language = 77;
    writeLanguage(15);
    EXPECT_EQ(writeQvSettings(m_context, r), 0);
    EXPECT_EQ(r.language, 15);
    EXPECT_TRUE(std::filesystem::exists("QVSettings/Settings_SF.qv"));
}

TEST_F(TrackerFileTest, HelperLanguageLineAndOutOfRangeLanguageLine) {
    QvSettingsRecord r = customRecord(17);
    EXPECT_EQ(writeQvSettingsFrom(m_context, r, u"backup.qv"), 0);
    EXPECT_EQ(asciiOf(testsupport::ReadFile("backup.qv"))
                  .rfind("7\t\tFile Format Version\r\nUK\t\tUK English\r\n\r\nSection Calibration", 0),
              0u);
    QvSettingsRecord back{};
    back.language = 0;
    EXPECT_EQ(readQvSettingsFrom(m_context, back, u"backup.qv"), 7);
    EXPECT_EQ(back.language, 17);
    expectSameRecord(r, back);

    r.language = 33;
    EXPECT_EQ(writeQvSettingsFrom(m_context, r, u"other.qv"), 0);
    EXPECT_EQ(asciiOf(testsupport::ReadFile("other.qv")).substr(24, 14), "US\t\tUS English");
}

TEST_F(TrackerFileTest, TheFileHoldsTheRecordsBytesAndReadsBackFromThem) {
    QvSettingsRecord r = customRecord(0);
    const std::vector<std::uint8_t> bytes = qvSettingsFileBytes(r);
    EXPECT_EQ(writeQvSettings(m_context, r), 0);
    EXPECT_EQ(testsupport::ReadFile("QVSettings/Settings_US.qv"), std::string(bytes.begin(), bytes.end()));
    QvSettingsRecord back{};
    back.language = 5;
    EXPECT_EQ(readQvSettingsFrom(m_context, back, bytes), 7);
    EXPECT_EQ(back.language, 0);
    expectSameRecord(r, back);
}

TEST_F(TrackerFileTest, SectionsInAnotherOrder) {
    QvSettingsRecord r = customRecord(0);
    writeQvSettings(m_context, r);
    std::string text = asciiOf(testsupport::ReadFile("QVSettings/Settings_US.qv"));
    std::size_t cal = text.find("\r\nSection Calibration");
    std::size_t hw = text.find("\r\nSection Video_Hardware");
    std::size_t ip = text.find("\r\nSection ImageProc");
    std::string reordered =
        text.substr(0, cal) + text.substr(ip) + text.substr(hw, ip - hw) + text.substr(cal, hw - cal);
    testsupport::WriteFile("QVSettings/Settings_US.qv", utf16File(reordered));
    QvSettingsRecord back{};
    EXPECT_EQ(readQvSettings(m_context, back), 7);
    expectSameRecord(r, back);
}

TEST_F(TrackerFileTest, EightBitFormReadsLikeUtf16) {
    QvSettingsRecord r = customRecord(0);
    writeQvSettings(m_context, r);
    testsupport::WriteFile("QVSettings/Settings_US.qv", asciiOf(testsupport::ReadFile("QVSettings/Settings_US.qv")));
    QvSettingsRecord back{};
    EXPECT_EQ(readQvSettings(m_context, back), 7);
    expectSameRecord(r, back);
}

TEST_F(TrackerFileTest, MissingSectionFallsBackForThatBlockOnly) {
    // The language's own file has other image-processing switches than the backup.
    QvSettingsRecord own = customRecord(0);
    own.imageProc = {0, 0, 0};
    own.hardware.iVideoGain = 5;
    writeQvSettings(m_context, own);

    QvSettingsRecord backup = customRecord(0);
    backup.hardware.iVideoGain = 6;
    writeQvSettingsFrom(m_context, backup, u"backup.qv");
    std::string text = asciiOf(testsupport::ReadFile("backup.qv"));
    std::size_t hw = text.find("\r\nSection Video_Hardware");
    std::size_t ip = text.find("\r\nSection ImageProc");
    testsupport::WriteFile("backup.qv", utf16File(text.substr(0, hw) + text.substr(ip)));

    QvSettingsRecord back{};
    EXPECT_EQ(readQvSettingsFrom(m_context, back, u"backup.qv"), 7);
    EXPECT_EQ(std::memcmp(&back.calibration, &backup.calibration, sizeof back.calibration), 0);
    EXPECT_EQ(back.hardware.iVideoGain, 140);  // defaults
    EXPECT_EQ(back.imageProc.bRangeComp, 0);   // from the language's file by name
    EXPECT_EQ(back.imageProc.bDroopyEyelidComp, 0);
    EXPECT_FALSE(m_context.sharedRead());
}

TEST_F(TrackerFileTest, WordWhereANumberBelongs) {
    QvSettingsRecord r = customRecord(0);
    r.hardware.iVideoGain = 150;
    writeQvSettings(m_context, r);
    std::string text = asciiOf(testsupport::ReadFile("QVSettings/Settings_US.qv"));
    std::size_t gain = text.find("150\t\tVideo Gain");
    ASSERT_NE(gain, std::string::npos);
    text.replace(gain, 3, "abc");
    testsupport::WriteFile("QVSettings/Settings_US.qv", utf16File(text));
    QvSettingsRecord back{};
    readQvSettings(m_context, back);
    EXPECT_EQ(back.hardware.iVideoGain, 140);
    EXPECT_EQ(back.hardware.iVideoOffset, 12);
    EXPECT_FLOAT_EQ(back.hardware.fLensFocalLength, 35.5f);
}

TEST_F(TrackerFileTest, GarbageFilesAreRefusedQuietly) {
    const std::string inputs[] = {"",
                                  "\xFF\xFE",
                                  "\xFF\xFE\x00",
                                  "no version\r\n",
                                  "7\r\n",
                                  "7\r\nUS\r\nSection Calibration\r\n",
                                  std::string(5000, '\n'),
                                  "7\r\nUS\r\nSection Calibration **\r\n99999999999\r\n-5\r\n"};
    for (const auto& input : inputs) {
        testsupport::WriteFile("broken.qv", input);
        QvSettingsRecord r{};
        r.language = 0;
        readQvSettingsFrom(m_context, r, u"broken.qv");
        for (const auto& set : r.calibration.calRes) {
            EXPECT_LE(set.iNumCalPoints, QV_MAX_CAL_POINTS);
        }
        EXPECT_FALSE(m_context.sharedRead());
        EXPECT_EQ(m_context.file(), nullptr);
    }
}

TEST_F(TrackerFileTest, BlockWrite) {
    QvSettingsRecord r = customRecord(4);
    writeQvSettings(m_context, r);
    HardwareSettings hw = r.hardware;
    hw.iVideoGain = 33;
    EXPECT_EQ(writeQvBlock(m_context, QV_BLOCK_HARDWARE, &hw, 4), 0);
    CalConstSettings cal = r.calibration;
    cal.iCurCalRes = 0;
    EXPECT_EQ(writeQvBlock(m_context, QV_BLOCK_CALCONST, &cal, 4), 0);
    std::string before = testsupport::ReadFile("QVSettings/Settings_SU.qv");
    EXPECT_EQ(writeQvBlock(m_context, 3, &cal, 4), 0);
    EXPECT_EQ(writeQvBlock(m_context, QV_BLOCK_IMAGEPROC, nullptr, 4), 0);
    EXPECT_EQ(testsupport::ReadFile("QVSettings/Settings_SU.qv"), before);

    QvSettingsRecord back{};
    back.language = 4;
    readQvSettings(m_context, back);
    EXPECT_EQ(back.hardware.iVideoGain, 33);
    EXPECT_EQ(back.calibration.iCurCalRes, 0);
    EXPECT_EQ(back.imageProc.bPupilComp, 1);
}

TEST_F(TrackerFileTest, OlderFilesAreConvertedOncePerProcess) {
    writeLanguage(5);
    testsupport::WriteFile("software.cfg", "droopy\r\n1\r\n");
    testsupport::WriteFile("Hardware.cfg", "monitor\r\n10 7.5 0 0\r\nthird\r\n0 0 130 90\r\n");

    // The hardware block falls back to its older file and converts; the image-processing block
    // after it already finds the new file.
    QvSettingsRecord r{};
    r.language = -1;
    EXPECT_EQ(readQvSettings(m_context, r), 7);
    EXPECT_EQ(r.language, 5);
    EXPECT_EQ(r.hardware.iVideoGain, 130);
    EXPECT_EQ(r.imageProc.bDroopyEyelidComp, 1);
    EXPECT_TRUE(m_context.conversionDone(FileKind::Tracker));
    ASSERT_TRUE(std::filesystem::exists("QVSettings/Settings_FR.qv"));

    // The new file holds what the older files held, and later reads use it.
    QvSettingsRecord converted{};
    converted.language = 5;
    EXPECT_EQ(readQvSettings(m_context, converted), 7);
    EXPECT_EQ(converted.hardware.iVideoGain, 130);
    EXPECT_NEAR(converted.hardware.fMonitorWidth, 254.0f, 1e-3);
    EXPECT_EQ(converted.imageProc.bDroopyEyelidComp, 1);

    // Not again in this process, even when the new file is gone.
    std::filesystem::remove("QVSettings/Settings_FR.qv");
    QvSettingsRecord again{};
    again.language = -1;
    EXPECT_EQ(readQvSettings(m_context, again), 1);
    EXPECT_FALSE(std::filesystem::exists("QVSettings/Settings_FR.qv"));
}

TEST_F(TrackerFileTest, ConversionDuringAWholeFileReadLeavesTheInterruptedBlockReading) {
    // A backup holding only the calibration: the hardware block keeps its defaults, and the
    // image-processing block falls back to its older file, which starts the conversion.
    QvSettingsRecord r = customRecord(0);
    writeQvSettingsFrom(m_context, r, u"full.qv");
    std::string text = asciiOf(testsupport::ReadFile("full.qv"));
    testsupport::WriteFile("calonly.qv", utf16File(text.substr(0, text.find("\r\nSection Video_Hardware"))));
    testsupport::WriteFile("Hardware.cfg", "monitor\r\n10 7.5 0 0\r\nthird\r\n0 0 131 90\r\n");
    testsupport::WriteFile("software.cfg", "droopy\r\n1\r\n");

    QvSettingsRecord back{};
    EXPECT_EQ(readQvSettingsFrom(m_context, back, u"calonly.qv"), 1);
    EXPECT_EQ(std::memcmp(&back.calibration, &r.calibration, sizeof r.calibration), 0);
    EXPECT_EQ(back.hardware.iVideoGain, 140);
    EXPECT_EQ(back.imageProc.bDroopyEyelidComp, 1);
    EXPECT_EQ(m_context.file(), nullptr);

    QvSettingsRecord converted{};
    EXPECT_EQ(readQvSettings(m_context, converted), 7);
    EXPECT_EQ(converted.hardware.iVideoGain, 131);
    EXPECT_EQ(converted.imageProc.bDroopyEyelidComp, 1);
}
