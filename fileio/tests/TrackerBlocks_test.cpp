#include "TrackerBlocks.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "FileIoTest.h"

using namespace qvfileio;

namespace {

class TrackerBlocksTest : public FileIoTest {
protected:
    void SetUp() override {
        FileIoTest::SetUp();
        for (const char* name : {"CAL_TYPE", "CAL_BYPASS", "CAL_COLOR", "FOC_COMP", "PUP_COMP"}) {
            unsetenv(name);
        }
        std::filesystem::create_directory("QVSettings");
    }
    void TearDown() override {
        for (const char* name : {"CAL_TYPE", "CAL_BYPASS", "CAL_COLOR", "FOC_COMP", "PUP_COMP"}) {
            unsetenv(name);
        }
        FileIoTest::TearDown();
    }

    // A tracker settings file of the given version holding body after its language line.
    static void trackerFile(int version, const std::string& body) {
        testsupport::WriteFile("QVSettings/Settings_US.qv",
                   utf16File(std::to_string(version) + "\t\tFile Format Version\r\nUS\t\tUS English\r\n" + body));
    }

    static std::string calSet(int points, bool accuracy, const std::string& pairs) {
        std::string s =
            std::to_string(points) + "\r\n11\r\n0.5\r\n0.3\r\n0.2\r\n4\r\n7.5\r\n4.5\r\n1.5\r\n6\r\n3\r\n80\r\n";
        if (accuracy) {
            s += "0\r\n2\r\n";
        }
        return s + pairs;
    }

    FileIoContext m_context;
};

std::string pairs(int n, const char* x, const char* y) {
    std::string s;
    for (int i = 0; i < n; ++i) {
        s += std::string(x) + "\tX\r\n" + y + "\tY\r\n";
    }
    return s;
}

int countLines(const std::vector<std::uint8_t>& bytes, const std::string& label) {
    std::string ascii;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        ascii += static_cast<char>(bytes[i]);
    }
    int n = 0;
    for (std::size_t pos = 0; (pos = ascii.find("\t" + label + "\r\n", pos)) != std::string::npos; ++pos) {
        ++n;
    }
    return n;
}

}  // namespace

TEST(CalConstDefaults, TargetsDependOnTheFileKind) {
    CalConstSettings tracker{}, communication{};
    setCalConstDefaults(tracker, QV_FILE_KIND_TRACKER);
    setCalConstDefaults(communication, QV_FILE_KIND_COMMUNICATION);
    EXPECT_EQ(tracker.iCurCalRes, 0);
    EXPECT_EQ(tracker.bMsgsOff, 1);
    EXPECT_EQ(tracker.crPass1Foreground, 0x56FFFF);
    EXPECT_EQ(tracker.crPass2Foreground, 0xAA0000);
    EXPECT_EQ(tracker.crPass2Background, 0xFFFFFF);
    EXPECT_FLOAT_EQ(tracker.calRes[0].fY[0], 0.05f);
    EXPECT_FLOAT_EQ(communication.calRes[0].fY[0], 0.24f);
    EXPECT_FLOAT_EQ(tracker.calRes[0].fX[8], communication.calRes[0].fX[8]);
    EXPECT_FLOAT_EQ(tracker.calRes[2].fX[5], 0.25f);
    EXPECT_FLOAT_EQ(communication.calRes[2].fX[5], 0.2f);
    EXPECT_FLOAT_EQ(tracker.calRes[1].fY[4], 0.5f);
    EXPECT_FLOAT_EQ(communication.calRes[1].fY[4], 0.57f);
    EXPECT_EQ(tracker.calRes[0].fX[9], 0.0f);  // unused positions
    EXPECT_EQ(tracker.calRes[1].fY[5], 0.0f);
    EXPECT_EQ(tracker.calRes[1].iNumCalPoints, 6);
    EXPECT_FLOAT_EQ(tracker.calRes[1].fMaxRmsError, 0.667f);
    EXPECT_EQ(tracker.calRes[1].iPointPauseCount, 30);
    EXPECT_EQ(tracker.calRes[2].bDisplayAccuracy, 1);
    EXPECT_EQ(tracker.calRes[1].iMaxBadTracks, 1);
}

TEST(CalConstWriter, OnePairPerTargetPosition) {
    CalConstSettings block{};
    setCalConstDefaults(block, QV_FILE_KIND_TRACKER);
    SettingsWriter w;
    writeCalConst(w, block);
    EXPECT_EQ(countLines(w.bytes(), "X"), 9 + 5 + 13);
    EXPECT_EQ(countLines(w.bytes(), "Y"), 9 + 5 + 13);
    // A count beyond the arrays never writes past them.
    block.calRes[0].iNumCalPoints = 1000;
    block.calRes[1].iNumCalPoints = -4;
    SettingsWriter w2;
    writeCalConst(w2, block);
    EXPECT_EQ(countLines(w2.bytes(), "X"), 13 + 0 + 13);
}

TEST(HardwareDefaults, FullOrMonitorOnly) {
    HardwareSettings block{};
    block.iVideoGain = 99;
    block.fMonitorWidth = 1.0f;
    setHardwareDefaults(block, false);
    EXPECT_EQ(block.iVideoGain, 99);
    EXPECT_FLOAT_EQ(block.fMonitorWidth, 276.86f);
    EXPECT_FLOAT_EQ(block.fMonitorHeight, 205.74f);
    setHardwareDefaults(block, true);
    EXPECT_EQ(block.iVideoGain, 140);
    EXPECT_EQ(block.iVideoOffset, 104);
    EXPECT_EQ(block.iCameraHorizPixels, 640);
    EXPECT_FLOAT_EQ(block.fLensExtensionTravel, 2.12f);
    EXPECT_FLOAT_EQ(block.fIrFilterRefractiveIndex, 1.52f);
    EXPECT_EQ(block.iNumEyesToCalibrate, 1);
}

TEST_F(TrackerBlocksTest, Version3CalibrationHasNoAccuracyLines) {
    trackerFile(3, "\r\nSection Calibration **********\r\n" + calSet(10, false, pairs(9, "0.1", "0.2")) +
                       calSet(6, false, pairs(5, "0.3", "0.4")) + calSet(14, false, pairs(13, "0.5", "0.6")) +
                       "2\r\n0\r\n1\r\n1\r\n1\r\n2\r\n3\r\n4\r\n");
    CalConstSettings block{};
    EXPECT_EQ(readCalConst(m_context, block, 0, QV_FILE_KIND_TRACKER), 3);
    EXPECT_EQ(block.calRes[0].bDisplayAccuracy, 1);
    EXPECT_EQ(block.calRes[1].bDisplayAccuracy, 0);
    EXPECT_EQ(block.calRes[2].bDisplayAccuracy, 1);
    EXPECT_EQ(block.calRes[0].iMaxBadTracks, 0);
    EXPECT_EQ(block.calRes[1].iMaxBadTracks, 1);
    EXPECT_EQ(block.calRes[2].iMaxBadTracks, 0);
    EXPECT_EQ(block.calRes[1].iDisplayTimeCounts, 80);
    EXPECT_FLOAT_EQ(block.calRes[2].fY[12], 0.6f);
    EXPECT_EQ(block.iCurCalRes, 2);
    EXPECT_EQ(block.bMsgsOff, 0);
    EXPECT_EQ(block.crPass2Background, 4);
    EXPECT_EQ(m_context.file(), nullptr);
}

TEST_F(TrackerBlocksTest, TooManyCalibrationPointsAreClamped) {
    trackerFile(7, "\r\nSection Calibration **********\r\n" + calSet(40, true, pairs(13, "0.9", "0.8")) +
                       calSet(6, true, pairs(5, "0.3", "0.4")) + calSet(14, true, pairs(13, "0.5", "0.6")) + "1\r\n");
    CalConstSettings block{};
    readCalConst(m_context, block, 0, QV_FILE_KIND_TRACKER);
    EXPECT_EQ(block.calRes[0].iNumCalPoints, 14);
    EXPECT_FLOAT_EQ(block.calRes[0].fX[12], 0.9f);
    EXPECT_FLOAT_EQ(block.calRes[0].fY[0], 0.8f);
    EXPECT_FLOAT_EQ(block.calRes[0].fY[12], 0.8f);
    EXPECT_EQ(block.calRes[0].bDisplayAccuracy, 0);
    EXPECT_EQ(block.calRes[0].iMaxBadTracks, 2);
    EXPECT_EQ(block.calRes[1].iNumCalPoints, 6);  // still in step
    EXPECT_EQ(block.iCurCalRes, 1);
}

TEST_F(TrackerBlocksTest, CurrentResolutionOutsideTheSetsIsRefused) {
    // It indexes the three calibration sets: anything else keeps the default set 0.
    for (const char* value : {"3", "-1", "2147483647", "2", "1"}) {
        SCOPED_TRACE(value);
        const int expected = std::atoi(value) <= 2 && std::atoi(value) >= 0 ? std::atoi(value) : 0;
        trackerFile(7, "\r\nSection Calibration **********\r\n" + calSet(2, true, pairs(1, "0.1", "0.1")) +
                           calSet(2, true, pairs(1, "0.1", "0.1")) + calSet(2, true, pairs(1, "0.1", "0.1")) +
                           value + "\r\n0\r\n");
        CalConstSettings block{};
        readCalConst(m_context, block, 0, QV_FILE_KIND_TRACKER);
        EXPECT_EQ(block.iCurCalRes, expected);
        EXPECT_EQ(block.bMsgsOff, 0);
    }
    std::filesystem::remove("QVSettings/Settings_US.qv");
    m_context.markConversionDone(FileKind::Tracker);
    std::string legacy;
    for (int set = 0; set < QV_NUM_CAL_RES; ++set) {
        legacy += "2\n11\n.5\n.3\n.2\n4\n7.5\n4.5\n1.5\n6\n3\n80\n.1\n.1\n";
    }
    for (const char* value : {"3", "-0x1", "010", "0x2"}) {
        SCOPED_TRACE(value);
        testsupport::WriteFile("calconst.key", legacy + "cur_cal_res: " + value + "\n");
        CalConstSettings block{};
        EXPECT_EQ(readCalConst(m_context, block, 0, QV_FILE_KIND_TRACKER), 1);
        EXPECT_EQ(block.iCurCalRes, std::string(value) == "0x2" ? 2 : 0);
    }
}

TEST_F(TrackerBlocksTest, Version4HardwareIsInInchesWithAnExtraLine) {
    trackerFile(4, "\r\nSection Video_Hardware **********\r\n10.9\r\n8.1\r\n1\r\n0\r\n55\r\n120\r\n100\r\n");
    HardwareSettings block{};
    EXPECT_EQ(readHardware(m_context, block, 0), 4);
    EXPECT_NEAR(block.fMonitorWidth, 276.86f, 1e-3);
    EXPECT_NEAR(block.fMonitorHeight, 205.74f, 1e-3);
    EXPECT_NEAR(block.fHorizDepth, 25.4f, 1e-4);
    EXPECT_EQ(block.iVideoGain, 120);
    EXPECT_EQ(block.iVideoOffset, 100);
    EXPECT_EQ(block.iCameraHorizPixels, 640);
    EXPECT_FLOAT_EQ(block.fIrFilterThickness, 3.0f);
}

TEST_F(TrackerBlocksTest, Version5HardwareHasNoFilterLines) {
    trackerFile(5,
                "\r\nSection Video_Hardware **********\r\n300\r\n200\r\n10\r\n20\r\n141\r\n105\r\n1\r\n"
                "1280\r\n960\r\n7.5\r\n5.5\r\n30\r\n35\r\n1\r\n6\r\n3\r\n20\r\n2\r\n2\r\n");
    HardwareSettings block{};
    EXPECT_EQ(readHardware(m_context, block, 0), 5);
    EXPECT_FLOAT_EQ(block.fMonitorWidth, 300.0f);
    EXPECT_EQ(block.iVideoGain, 141);
    EXPECT_EQ(block.bProgressive, 1);
    EXPECT_EQ(block.iCameraVertPixels, 960);
    EXPECT_FLOAT_EQ(block.fLensApertureDiameter, 20.0f);
    EXPECT_FLOAT_EQ(block.fIrFilterThickness, 3.0f);
    EXPECT_FLOAT_EQ(block.fIrFilterRefractiveIndex, 1.52f);
    EXPECT_EQ(block.iNumVisionSystems, 2);
    EXPECT_EQ(block.iNumEyesToCalibrate, 2);
}

TEST_F(TrackerBlocksTest, LaterVersionsReadAsTheCurrentLayout) {
    trackerFile(12, "\r\nSection ImageProc **********\r\n1\t\ta\r\n0\t\tb\r\n1\t\tc\r\n");
    ImageProcSettings block{};
    EXPECT_EQ(readImageProc(m_context, block, 0, QV_FILE_KIND_TRACKER), 12);
    EXPECT_EQ(block.bDroopyEyelidComp, 1);
    EXPECT_EQ(block.bRangeComp, 0);
    EXPECT_EQ(block.bPupilComp, 1);
}

TEST_F(TrackerBlocksTest, OlderPerBlockFiles) {
    m_context.markConversionDone(FileKind::Tracker);
    m_context.markConversionDone(FileKind::Communication);
    // One value per line, as the integer and float reads discard the rest of each line.
    std::string legacy;
    for (const char* set :
         {"10 25 .7 .4 .25 3 8 5 2 5 0 90", "6 12 1.2 1 .667 6 8 5 2 7 30 90", "3 25 .7 .4 .25 3 8 5 2 5 0 90"}) {
        std::string values = set;
        for (char& c : values) {
            if (c == ' ')
                c = '\n';
        }
        legacy += values + "\n";
        int points = std::atoi(set);
        for (int p = 0; p < points - 1; ++p) {
            legacy += p == 1 ? ".4\n.5\n" : ".1\n.2\n";
        }
    }
    testsupport::WriteFile("calconst.key", legacy + "cur_cal_res: 0x2\n");
    testsupport::WriteFile("Hardware.cfg", "monitor\r\n11.0 8.5 0 1.5 junk\r\nthird\r\n0x10 2 0130 99\r\n");
    testsupport::WriteFile("software.cfg", "droopy\r\n1\r\n");
    CalConstSettings cal{};
    EXPECT_EQ(readCalConst(m_context, cal, 0, QV_FILE_KIND_TRACKER), 1);
    EXPECT_EQ(cal.iCurCalRes, 2);
    EXPECT_EQ(cal.calRes[2].iNumCalPoints, 3);
    EXPECT_FLOAT_EQ(cal.calRes[2].fY[1], 0.5f);
    EXPECT_EQ(cal.calRes[2].bDisplayAccuracy, 1);  // not in older files
    HardwareSettings hardware{};
    EXPECT_EQ(readHardware(m_context, hardware, 0), 1);
    EXPECT_NEAR(hardware.fMonitorWidth, 279.4f, 1e-3);
    EXPECT_NEAR(hardware.fVertDepth, 38.1f, 1e-4);
    EXPECT_EQ(hardware.iVideoGain, 88);
    EXPECT_EQ(hardware.iVideoOffset, 99);
    ImageProcSettings image{};
    EXPECT_EQ(readImageProc(m_context, image, 0, QV_FILE_KIND_TRACKER), 1);
    EXPECT_EQ(image.bDroopyEyelidComp, 1);
    EXPECT_EQ(image.bRangeComp, 1);
    EXPECT_EQ(m_context.file(), nullptr);
}

TEST_F(TrackerBlocksTest, EnvironmentFallbacksWhenFoundNowhere) {
    struct Case {
        const char* name;
        const char* value;
        int curCalRes;
        int bypass;
        int bright;
    };
    const Case cases[] = {
        {"CAL_TYPE", " Half", 2, 0, 0},  {"CAL_TYPE", "small", 1, 0, 0}, {"CAL_TYPE", "N", 0, 0, 0},
        {"CAL_TYPE", "x", 0, 0, 0},      {"CAL_TYPE", "  H", 0, 0, 0},   {"CAL_BYPASS", "True", 0, 1, 0},
        {"CAL_BYPASS", " t", 0, 1, 0},   {"CAL_BYPASS", "", 0, 0, 0},    {"CAL_COLOR", "White", 0, 0, 1},
        {"CAL_COLOR", "black", 0, 0, 0},
    };
    for (const auto& c : cases) {
        setenv(c.name, c.value, 1);
        CalConstSettings block{};
        EXPECT_EQ(readCalConst(m_context, block, 0, QV_FILE_KIND_TRACKER), 0);
        EXPECT_EQ(block.iCurCalRes, c.curCalRes) << c.name << "=" << c.value;
        EXPECT_EQ(block.bBypassAcceptance, c.bypass) << c.name << "=" << c.value;
        EXPECT_EQ(block.bBrightBackgrounds, c.bright) << c.name << "=" << c.value;
        unsetenv(c.name);
    }
}

TEST_F(TrackerBlocksTest, PupilCompensationVariablesLastOneDecides) {
    ImageProcSettings block{};
    setenv("FOC_COMP", "True", 1);
    EXPECT_EQ(readImageProc(m_context, block, 0, QV_FILE_KIND_TRACKER), 0);
    EXPECT_EQ(block.bPupilComp, 1);
    EXPECT_EQ(block.bRangeComp, 1);
    setenv("PUP_COMP", " false", 1);
    readImageProc(m_context, block, 0, QV_FILE_KIND_TRACKER);
    EXPECT_EQ(block.bPupilComp, 0);
}

TEST_F(TrackerBlocksTest, EnvironmentIgnoredWhenTheBlockIsFound) {
    setenv("CAL_TYPE", "H", 1);
    setenv("PUP_COMP", "T", 1);
    trackerFile(7, "\r\nSection ImageProc **********\r\n0\r\n1\r\n0\r\n");
    ImageProcSettings block{};
    EXPECT_EQ(readImageProc(m_context, block, 0, QV_FILE_KIND_TRACKER), 7);
    EXPECT_EQ(block.bPupilComp, 0);
}

TEST_F(TrackerBlocksTest, CommunicationKindReadsTheCommunicationFile) {
    std::filesystem::create_directory("QVXSettings");
    testsupport::WriteFile("QVXSettings/Settings_DE.qvx",
               utf16File("7\r\nDE\t\tGerman\r\n\r\nSection ImageProc **********\r\n1\r\n1\r\n1\r\n"));
    ImageProcSettings block{};
    EXPECT_EQ(readImageProc(m_context, block, 6, QV_FILE_KIND_COMMUNICATION), 7);
    EXPECT_EQ(block.bPupilComp, 1);
    EXPECT_EQ(readImageProc(m_context, block, 6, QV_FILE_KIND_TRACKER), 0);
    EXPECT_EQ(block.bPupilComp, 0);
}

TEST_F(TrackerBlocksTest, RoundTripOfEachBlock) {
    CalConstSettings cal{};
    setCalConstDefaults(cal, QV_FILE_KIND_TRACKER);
    cal.iCurCalRes = 1;
    cal.bBrightBackgrounds = 1;
    cal.crPass1Foreground = 0x123456;
    cal.calRes[1].fX[4] = 0.125f;
    cal.calRes[2].fMaxRmsError = 0.333333f;
    cal.calRes[0].iNumCalPoints = 4;
    HardwareSettings hw{};
    setHardwareDefaults(hw, true);
    hw.fMonitorWidth = 300.5f;
    hw.iCameraFieldRate = 30;
    hw.fIrFilterRefractiveIndex = 1.6f;
    ImageProcSettings ip{1, 0, 1};

    SettingsWriter w;
    w.byteOrderMark();
    w.intLine(7, u"File Format Version");
    w.textLine(u"US\t\tUS English");
    writeImageProc(w, ip);
    writeHardware(w, hw);
    writeCalConst(w, cal);
    testsupport::WriteFile("QVSettings/Settings_US.qv", std::string(w.bytes().begin(), w.bytes().end()));

    CalConstSettings cal2{};
    HardwareSettings hw2{};
    ImageProcSettings ip2{};
    EXPECT_EQ(readCalConst(m_context, cal2, 0, QV_FILE_KIND_TRACKER), 7);
    EXPECT_EQ(readHardware(m_context, hw2, 0), 7);
    EXPECT_EQ(readImageProc(m_context, ip2, 0, QV_FILE_KIND_TRACKER), 7);
    EXPECT_EQ(std::memcmp(&cal, &cal2, sizeof cal), 0);
    hw2.iReserved = hw.iReserved;
    EXPECT_EQ(std::memcmp(&hw, &hw2, sizeof hw), 0);
    EXPECT_EQ(std::memcmp(&ip, &ip2, sizeof ip), 0);
}
