// The library as its callers see it: through the shared library's C exports.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "FileIoTest.h"
#include "qvfileio.h"

extern "C" int qvfileio_c_caller(void);

namespace {

std::set<std::string> exportedNames() {
    std::set<std::string> names;
    std::string command = std::string("nm -D --defined-only ") + QVFILEIO_LIBRARY_PATH;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return names;
    }
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::istringstream fields(line);
        std::string address, type, name;
        fields >> address >> type >> name;
        if (!name.empty() && type != "A") {
            names.insert(name);
        }
    }
    pclose(pipe);
    return names;
}

std::set<std::string> specifiedNames() {
    std::set<std::string> names;
    std::ifstream map(QVFILEIO_EXPORT_LIST);
    std::string token;
    while (map >> token) {
        if (!token.empty() && token.back() == ';' && token != "*;" && token != "};" &&
            token.find(':') == std::string::npos) {
            names.insert(token.substr(0, token.size() - 1));
        }
    }
    return names;
}

class ExportsTest : public FileIoTest {};

}  // namespace

TEST(Exports, CCallerSeesTheSameRecords) {
    EXPECT_EQ(qvfileio_c_caller(), 0);
}

TEST(Exports, OnlyTheListedNamesAreExported) {
    std::set<std::string> expected = specifiedNames();
    EXPECT_EQ(expected.size(), 76u);
    EXPECT_EQ(exportedNames(), expected);
}

TEST(Exports, NullPointersAreRefused) {
    EXPECT_EQ(vReadQvSettings(nullptr), 0);
    EXPECT_EQ(vWriteQvSettings(nullptr), 0);
    EXPECT_EQ(vReadQvSettingsHelper(nullptr, u"x"), 0);
    EXPECT_EQ(vReadCalConstSettings(nullptr, 0, 1), 0);
    EXPECT_EQ(ReadLanguage(nullptr), nullptr);
    EXPECT_EQ(CreateLanguageFileName(nullptr, u"%s", 0), 0);
    vSetDefaultQvSettings(nullptr);
    GetQVFileIOVersion(nullptr, nullptr);
}

TEST(Exports, EveryFamilyRefusesNullPointers) {
    EXPECT_EQ(vReadQVXSettings(nullptr), 0);
    EXPECT_EQ(vWriteQVXSettingsHelper(nullptr, u"x"), 0);
    EXPECT_EQ(vReadPhoneSettings(nullptr, 0), 0);
    EXPECT_EQ(ReadQVXLabels(nullptr), 0);
    EXPECT_EQ(ReadQVXMenuLabels(nullptr, 0), 0);
    EXPECT_EQ(ReadQVXScanningKeyboard(nullptr, 0, 0), 0);
    vSetPhrasesDefaults(nullptr, -1);
    BuildTTAMArray(101, nullptr);
    SetQVXKeyLocDefaults(nullptr);
}

TEST(Exports, EveryReaderAndWriterRefusesANullTarget) {
    const std::pair<const char*, int32_t (*)()> calls[] = {
        {"vReadQvSettingsHelper", [] { return vReadQvSettingsHelper(nullptr, nullptr); }},
        {"vWriteQvSettingsHelper", [] { return vWriteQvSettingsHelper(nullptr, u"x"); }},
        {"vReadHardwareSettings", [] { return vReadHardwareSettings(nullptr, 0); }},
        {"vReadImageProcSettings", [] { return vReadImageProcSettings(nullptr, 0, 1); }},
        {"vReadQVXSettingsHelper", [] { return vReadQVXSettingsHelper(nullptr, u"x"); }},
        {"vWriteQVXSettings", [] { return vWriteQVXSettings(nullptr); }},
        {"vReadFontsSettings", [] { return vReadFontsSettings(nullptr, 0); }},
        {"vReadGazeCtrlSettings", [] { return vReadGazeCtrlSettings(nullptr, 0); }},
        {"vReadKeyboardSettings", [] { return vReadKeyboardSettings(nullptr, 0); }},
        {"vReadLightApplSettings", [] { return vReadLightApplSettings(nullptr, 0); }},
        {"vReadPaddleSettings", [] { return vReadPaddleSettings(nullptr, 0); }},
        {"vReadPCAccessSettings", [] { return vReadPCAccessSettings(nullptr, 0); }},
        {"vReadPhrasesSettings", [] { return vReadPhrasesSettings(nullptr, 0); }},
        {"vReadScanKbdSettings", [] { return vReadScanKbdSettings(nullptr, 0); }},
        {"vReadSpeechSettings", [] { return vReadSpeechSettings(nullptr, 0); }},
        {"vReadTeachSettings", [] { return vReadTeachSettings(nullptr, 0); }},
        {"vReadTVSettings", [] { return vReadTVSettings(nullptr, 0); }},
        {"vRead2StrokeKbdSettings", [] { return vRead2StrokeKbdSettings(nullptr, 0); }},
        {"ReadQVXKeyLocations", [] { return ReadQVXKeyLocations(nullptr, 0); }},
        {"ReadQVXKeyboardAsciiCodes", [] { return ReadQVXKeyboardAsciiCodes(nullptr, 0); }},
        {"ReadQVXLabelsHelper", [] { return ReadQVXLabelsHelper(nullptr, u"x"); }},
        {"ReadQVXCalLabels", [] { return ReadQVXCalLabels(nullptr, 0); }},
        {"ReadQVXKbdLabels", [] { return ReadQVXKbdLabels(nullptr, 0); }},
        {"ReadQVXLALabels", [] { return ReadQVXLALabels(nullptr, 0); }},
        {"ReadQVXPaddleLabels", [] { return ReadQVXPaddleLabels(nullptr, 0); }},
        {"ReadQVXPCAccessLabels", [] { return ReadQVXPCAccessLabels(nullptr, 0); }},
        {"ReadQVXPhoneLabels", [] { return ReadQVXPhoneLabels(nullptr, 0); }},
        {"ReadQVXPhrasesLabels", [] { return ReadQVXPhrasesLabels(nullptr, 0); }},
        {"ReadQVXReadLabels", [] { return ReadQVXReadLabels(nullptr, 0); }},
    };
    for (const auto& [name, call] : calls) {
        EXPECT_EQ(call(), 0) << name;
    }
    vSetCalConstDefaults(nullptr, 1);
    vSetHardwareDefaults(nullptr, 1);
    vSetImageProcDefaults(nullptr);
    vSetDefaultQVXSettings(nullptr);
    vSetFontsDefaults(nullptr);
    vSetTeachDefaults(nullptr, -1);
    vSet2StrokeKbdDefaults(nullptr);
    SetQVXCalLabelDefaults(nullptr);
    SetQVXReadLabelDefaults(nullptr);
    SetQVXKeyboardAsciiCodesDefaults(nullptr);
    SetQVXScanningKeyboardDefaults(nullptr);
}

TEST_F(ExportsTest, LabelsAndKeyboardTablesThroughTheLibrary) {
    auto labels = std::make_unique<QvxLabelsRecord>();
    labels->language = -1;
    EXPECT_EQ(ReadQVXLabels(labels.get()), 0);
    EXPECT_EQ(labels->language, 0);
    EXPECT_EQ(std::u16string(labels->menu.szTitle), u"MAIN MENU");
    EXPECT_EQ(labels->keyCodes.kind, 101);
    EXPECT_EQ(labels->keyLocations.codes[0][0], 31);
    TTAMArray ttam{};
    BuildTTAMArray(102, &ttam);
    EXPECT_STREQ(ttam.strings[62], ",lock,altgr.");
    auto layout = std::make_unique<ScanningKeyboardLayout>();
    EXPECT_EQ(ReadQVXScanningKeyboard(layout.get(), 0, 0), 0);
    EXPECT_EQ(std::u16string(layout->groupLabels[5]), u"Util");
}

TEST_F(ExportsTest, DefaultTrackerFileMatchesTheExpectedFileByteForByte) {
    std::filesystem::create_directory("QVSettings");
    QvSettingsRecord record{};
    record.language = -1;
    EXPECT_EQ(vReadQvSettings(&record), 0);
    EXPECT_EQ(record.language, 0);
    EXPECT_EQ(vWriteQvSettings(&record), 0);
    std::string written = testsupport::ReadFile("QVSettings/Settings_US.qv");
    std::string expected = testsupport::ReadFile(std::string(LUMORA_TEST_DATA_DIR) + "/default_tracker_settings.qv");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(written, expected);
}

TEST_F(ExportsTest, DefaultCommunicationFileMatchesTheExpectedFileByteForByte) {
    std::filesystem::create_directory("QVXSettings");
    auto record = std::make_unique<QvxSettingsRecord>();
    vSetDefaultQVXSettings(record.get());
    EXPECT_EQ(vWriteQVXSettings(record.get()), 0);
    std::string written = testsupport::ReadFile("QVXSettings/Settings_US.qvx");
    std::string expected = testsupport::ReadFile(std::string(LUMORA_TEST_DATA_DIR) + "/default_communication_settings.qvx");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(written, expected);
}

TEST_F(ExportsTest, EditorRoundTripThroughBackupAndRestore) {
    QvSettingsRecord record{};
    record.language = -1;
    vReadQvSettings(&record);
    record.calibration.calRes[1].fX[3] = 0.42f;
    record.hardware.iVideoGain = 77;
    record.imageProc.bPupilComp = 1;
    EXPECT_EQ(vWriteQvSettingsHelper(&record, u"backup\\..\\backup.qv"), 0);  // folder missing

    EXPECT_EQ(vWriteQvSettingsHelper(&record, u"backup.qv"), 0);
    QvSettingsRecord restored{};
    restored.language = -1;
    EXPECT_EQ(vReadQvSettingsHelper(&restored, u"backup.qv"), 7);
    EXPECT_FLOAT_EQ(restored.calibration.calRes[1].fX[3], 0.42f);
    EXPECT_EQ(restored.hardware.iVideoGain, 77);
    EXPECT_EQ(restored.imageProc.bPupilComp, 1);
    EXPECT_EQ(restored.language, 0);
}

TEST_F(ExportsTest, WriteToAMissingFolderReportsZeroAndCreatesNothing) {
    QvSettingsRecord record{};
    vSetDefaultQvSettings(&record);
    record.language = 0;
    EXPECT_EQ(vWriteQvSettings(&record), 0);
    EXPECT_FALSE(std::filesystem::exists("QVSettings"));
}

TEST_F(ExportsTest, BlockWriteReplacesOneBlock) {
    std::filesystem::create_directory("QVSettings");
    ImageProcSettings image{1, 0, 1};
    EXPECT_EQ(vWriteQvBlock(QV_BLOCK_IMAGEPROC, &image, 2), 0);
    ImageProcSettings back{};
    EXPECT_EQ(vReadImageProcSettings(&back, 2, QV_FILE_KIND_TRACKER), 7);
    EXPECT_EQ(back.bDroopyEyelidComp, 1);
    EXPECT_EQ(back.bRangeComp, 0);
    EXPECT_EQ(back.bPupilComp, 1);
    HardwareSettings hardware{};
    EXPECT_EQ(vReadHardwareSettings(&hardware, 2), 7);
    EXPECT_EQ(hardware.iVideoGain, 140);
}

TEST_F(ExportsTest, LanguageFunctions) {
    EXPECT_EQ(WriteLanguage(17), 0);
    EXPECT_EQ(testsupport::ReadFile("CurrentLanguage.qvx"), utf16File("UK\r\n"));
    int32_t language = -1;
    EXPECT_EQ(ReadLanguage(&language), &language);
    EXPECT_EQ(language, 17);

    char16_t name[QV_MAX_PATH];
    EXPECT_EQ(CreateLanguageFileName(name, u"QVSettings\\Settings_%s.qv", 14), 25);
    EXPECT_EQ(std::u16string(name), u"QVSettings\\Settings_SV.qv");
    EXPECT_EQ(CreateLanguageFileName(name, u"%s", -3), 2);
    EXPECT_EQ(std::u16string(name), u"UK");

    int32_t index = 5;
    EXPECT_EQ(LanguageFromDichar(u"uk", &index), 5);
    EXPECT_EQ(LanguageFromDichar(u"U", &index), 5);
    EXPECT_EQ(LanguageFromDichar(u"RU", &index), 19);
}

TEST_F(ExportsTest, LongPatternIsCutToTheBuffer) {
    std::u16string pattern(1000, u'a');
    pattern += u"%s";
    std::array<char16_t, QV_MAX_PATH + 8> buffer;
    buffer.fill(u'#');
    EXPECT_EQ(CreateLanguageFileName(buffer.data(), pattern.c_str(), 0), QV_MAX_PATH - 1);
    EXPECT_EQ(buffer[QV_MAX_PATH - 1], 0);
    EXPECT_EQ(buffer[QV_MAX_PATH], u'#');
}
