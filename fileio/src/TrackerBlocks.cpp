#include "TrackerBlocks.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "NumberFields.h"

namespace qvfileio {

namespace {

constexpr std::u16string_view kCalConstLegacy = u"calconst.key";
constexpr std::u16string_view kHardwareLegacy = u"Hardware.cfg";
constexpr std::u16string_view kImageProcLegacy = u"software.cfg";
constexpr std::u16string_view kCurCalResWord = u"cur_cal_res:";
constexpr std::size_t kMaxWord = 263;
constexpr double kMillimetresPerInch = 25.4;
// Hardware section layouts: before 5 the monitor is in inches with an extra line after it and
// no camera fields; from 6 on the infrared filter lines are there.
constexpr int kHardwareMetricVersion = 5;
constexpr int kHardwareFilterVersion = 6;
// Calibration sets carry the accuracy flag and bad-tracks count from version 4 on.
constexpr int kCalAccuracyVersion = 4;

struct Point {
    float x;
    float y;
};

struct CalResDefaults {
    int numCalPoints;
    int fixationTimeCounts;
    float maxEyeMotion;
    float maxPointError;
    float maxRmsError;
    int cursorDiameter;
    float diGlPuMaxCamera;
    float djGlPuMaxCamera;
    float prevCalAvoid;
    int maxRetries;
    int pointPauseCount;
    int displayTimeCounts;
    int displayAccuracy;
    int maxBadTracks;
};

constexpr std::array<CalResDefaults, QV_NUM_CAL_RES> kCalResDefaults = {{
    {10, 25, 0.7f, 0.4f, 0.25f, 3, 8.0f, 5.0f, 2.0f, 5, 0, 90, 1, 0},
    {6, 12, 1.2f, 1.0f, 0.667f, 6, 8.0f, 5.0f, 2.0f, 7, 30, 90, 0, 1},
    {14, 25, 0.7f, 0.4f, 0.25f, 3, 8.0f, 5.0f, 2.0f, 5, 0, 90, 1, 0},
}};

using TargetSet = std::array<Point, QV_MAX_CAL_TARGETS>;

// [file kind][set]; unused positions are 0.
const std::array<std::array<TargetSet, QV_NUM_CAL_RES>, 2> kTargets = {{
    // communication file
    {{
        {{{0.05f, 0.24f},
          {0.5f, 0.6f},
          {0.95f, 0.24f},
          {0.95f, 0.96f},
          {0.05f, 0.96f},
          {0.2f, 0.48f},
          {0.65f, 0.36f},
          {0.8f, 0.72f},
          {0.35f, 0.84f}}},
        {{{0.1f, 0.25f}, {0.9f, 0.25f}, {0.9f, 0.9f}, {0.1f, 0.9f}, {0.5f, 0.57f}}},
        {{{0.03f, 0.3f},
          {0.5f, 0.63f},
          {0.97f, 0.3f},
          {0.97f, 0.96f},
          {0.03f, 0.96f},
          {0.2f, 0.49f},
          {0.3f, 0.84f},
          {0.8f, 0.77f},
          {0.7f, 0.42f},
          {0.1f, 0.7f},
          {0.4f, 0.35f},
          {0.9f, 0.56f},
          {0.6f, 0.91f}}},
    }},
    // tracker file
    {{
        {{{0.05f, 0.05f},
          {0.5f, 0.5f},
          {0.95f, 0.05f},
          {0.95f, 0.95f},
          {0.05f, 0.95f},
          {0.2f, 0.35f},
          {0.65f, 0.2f},
          {0.8f, 0.65f},
          {0.35f, 0.8f}}},
        {{{0.1f, 0.1f}, {0.9f, 0.1f}, {0.9f, 0.9f}, {0.1f, 0.9f}, {0.5f, 0.5f}}},
        {{{0.03f, 0.03f},
          {0.5f, 0.5f},
          {0.97f, 0.03f},
          {0.97f, 0.97f},
          {0.03f, 0.97f},
          {0.25f, 0.25f},
          {0.25f, 0.75f},
          {0.75f, 0.75f},
          {0.75f, 0.25f},
          {0.03f, 0.5f},
          {0.5f, 0.03f},
          {0.97f, 0.5f},
          {0.5f, 0.97f}}},
    }},
}};

constexpr std::int32_t kPass1Foreground = 0x56FFFF;
constexpr std::int32_t kPass1Background = 0x000000;
constexpr std::int32_t kPass2Foreground = 0xAA0000;
constexpr std::int32_t kPass2Background = 0xFFFFFF;

constexpr auto kCalResFields = std::to_array<NumberField<CalResSettings>>({
    intField(&CalResSettings::iNumCalPoints, u"Num Cal Points"),
    intField(&CalResSettings::iFixationTimeCounts, u"Fixation Time Counts"),
    floatField(&CalResSettings::fMaxEyeMotion, u"Max Eye Motion"),
    floatField(&CalResSettings::fMaxPointError, u"Max Point Error"),
    floatField(&CalResSettings::fMaxRmsError, u"Max RMS Error"),
    intField(&CalResSettings::iCursorDiameter, u"Cursor Diameter"),
    floatField(&CalResSettings::fDiGlPuMaxCamera, u"DiGlPu Max Camera"),
    floatField(&CalResSettings::fDjGlPuMaxCamera, u"DjGlPu Max Camera"),
    floatField(&CalResSettings::fPrevCalAvoid, u"Prev Cal Avoid"),
    intField(&CalResSettings::iMaxRetries, u"Max Retries"),
    intField(&CalResSettings::iPointPauseCount, u"Point Pause Count"),
    intField(&CalResSettings::iDisplayTimeCounts, u"Display Time Counts"),
    intField(&CalResSettings::bDisplayAccuracy, u"Flag to display the accuracy data", kCalAccuracyVersion),
    intField(&CalResSettings::iMaxBadTracks, u"Max number of bad QV tracks to allow", kCalAccuracyVersion),
});

// The calibration block's lines after the current resolution (which is checked on its own).
constexpr auto kCalConstFields = std::to_array<NumberField<CalConstSettings>>({
    intField(&CalConstSettings::bMsgsOff, u"flag, Msgs Off"),
    intField(&CalConstSettings::bBypassAcceptance, u"flag - Bypass Acceptance"),
    intField(&CalConstSettings::bBrightBackgrounds, u"flag - Bright backgrounds"),
    hexField(&CalConstSettings::crPass1Foreground, u"1st Pass Foreground"),
    hexField(&CalConstSettings::crPass1Background, u"1st Pass Background"),
    hexField(&CalConstSettings::crPass2Foreground, u"2nd Pass Foreground"),
    hexField(&CalConstSettings::crPass2Background, u"2nd Pass Background"),
});

// In the order of the current files. Before kHardwareMetricVersion an unused line follows the
// four monitor lines.
constexpr std::size_t kMonitorFieldCount = 4;
constexpr auto kHardwareFields = std::to_array<NumberField<HardwareSettings>>({
    floatField(&HardwareSettings::fMonitorWidth, u"Monitor Width, millimeters"),
    floatField(&HardwareSettings::fMonitorHeight, u"Monitor Height, millimeters"),
    floatField(&HardwareSettings::fHorizDepth, u"Horiz Depth, millimeters"),
    floatField(&HardwareSettings::fVertDepth, u"Vert Depth, millimeters"),
    intField(&HardwareSettings::iVideoGain, u"Video Gain"),
    intField(&HardwareSettings::iVideoOffset, u"Video Offset"),
    intField(&HardwareSettings::bProgressive, u"Progressive, 0/1", kHardwareMetricVersion),
    intField(&HardwareSettings::iCameraHorizPixels, u"Camera horiz size, pixels", kHardwareMetricVersion),
    intField(&HardwareSettings::iCameraVertPixels, u"Camera vert size, pixels", kHardwareMetricVersion),
    floatField(&HardwareSettings::fCameraHorizSensor, u"Camera horiz sensor size, mm", kHardwareMetricVersion),
    floatField(&HardwareSettings::fCameraVertSensor, u"Camera vert sensor size, mm", kHardwareMetricVersion),
    intField(&HardwareSettings::iCameraFieldRate, u"Camera field rate, Hz", kHardwareMetricVersion),
    floatField(&HardwareSettings::fLensFocalLength, u"Camera lens focla lenth, mm", kHardwareMetricVersion),
    floatField(&HardwareSettings::fLensNodalSeparation, u"Camera lens nodal separation, mm", kHardwareMetricVersion),
    floatField(&HardwareSettings::fFixedLensExtension, u"Fixed lens extension, mm", kHardwareMetricVersion),
    floatField(&HardwareSettings::fLensExtensionTravel, u"Lens extension travel, mm", kHardwareMetricVersion),
    floatField(&HardwareSettings::fLensApertureDiameter, u"Lens aperture diameter, mm", kHardwareMetricVersion),
    floatField(&HardwareSettings::fIrFilterThickness, u"IR Filter thickness, mm", kHardwareFilterVersion),
    floatField(&HardwareSettings::fIrFilterRefractiveIndex, u"IR Filter Refractive Index", kHardwareFilterVersion),
    intField(&HardwareSettings::iNumVisionSystems, u"Number of vision systems", kHardwareMetricVersion),
    intField(&HardwareSettings::iNumEyesToCalibrate, u"Number of eyes to calibrate", kHardwareMetricVersion),
});

constexpr auto kImageProcFields = std::to_array<NumberField<ImageProcSettings>>({
    intField(&ImageProcSettings::bDroopyEyelidComp, u"flag, Droopy eyelid compensation"),
    intField(&ImageProcSettings::bRangeComp, u"flag, Range compensation"),
    intField(&ImageProcSettings::bPupilComp, u"flag, Pupil size/center offset compensation"),
});

bool isTrackerKind(std::int32_t fileKind) {
    return fileKind == QV_FILE_KIND_TRACKER;
}

FileKind fileOf(std::int32_t fileKind) {
    return isTrackerKind(fileKind) ? FileKind::Tracker : FileKind::Communication;
}

// The first character of an environment variable's value after one optional leading space;
// 0 for an empty value, nothing when the variable is unset.
bool environmentChoice(const char* name, char& choice) {
    const char* value = std::getenv(name);
    if (value == nullptr) {
        return false;
    }
    if (*value == ' ') {
        ++value;
    }
    choice = *value;
    return true;
}

void applyCalibrationEnvironment(CalConstSettings& block) {
    char c;
    if (environmentChoice("CAL_TYPE", c)) {
        if (c == 'N' || c == 'n') {
            block.iCurCalRes = 0;
        } else if (c == 'S' || c == 's') {
            block.iCurCalRes = 1;
        } else if (c == 'H' || c == 'h') {
            block.iCurCalRes = 2;
        }
    }
    if (environmentChoice("CAL_BYPASS", c)) {
        block.bBypassAcceptance = (c == 'T' || c == 't') ? 1 : 0;
    }
    if (environmentChoice("CAL_COLOR", c)) {
        block.bBrightBackgrounds = (c == 'W' || c == 'w') ? 1 : 0;
    }
}

void applyImageProcEnvironment(ImageProcSettings& block) {
    for (const char* name : {"FOC_COMP", "PUP_COMP"}) {
        char c;
        if (environmentChoice(name, c)) {
            block.bPupilComp = (c == 'T' || c == 't') ? 1 : 0;
        }
    }
}

void readCalRes(TextReader& in, CalResSettings& set, int version) {
    readNumberFields(in, set, kCalResFields, version);
    // More points than the target arrays can hold would make the target reads (and the
    // caller's use of the count) run past the arrays.
    set.iNumCalPoints = std::min(set.iNumCalPoints, QV_MAX_CAL_POINTS);
    int targets = calTargetCount(set.iNumCalPoints);
    for (int p = 0; p < targets; ++p) {
        in.readFloat(set.fX[p]);
        in.readFloat(set.fY[p]);
    }
}

// The current resolution indexes the three sets: a value from a file outside them is refused.
void keepResolutionIfValid(CalConstSettings& block, std::int32_t candidate) {
    if (candidate >= 0 && candidate < QV_NUM_CAL_RES) {
        block.iCurCalRes = candidate;
    }
}

}  // namespace

int calTargetCount(std::int32_t numCalPoints) {
    return std::clamp(numCalPoints, 1, QV_MAX_CAL_POINTS) - 1;
}

void setCalConstDefaults(CalConstSettings& block, std::int32_t fileKind) {
    block.iCurCalRes = 0;
    block.bMsgsOff = 1;
    block.bBypassAcceptance = 0;
    block.bBrightBackgrounds = 0;
    block.crPass1Foreground = kPass1Foreground;
    block.crPass1Background = kPass1Background;
    block.crPass2Foreground = kPass2Foreground;
    block.crPass2Background = kPass2Background;
    const auto& targets = kTargets[isTrackerKind(fileKind) ? 1 : 0];
    for (int s = 0; s < QV_NUM_CAL_RES; ++s) {
        const CalResDefaults& d = kCalResDefaults[s];
        CalResSettings& set = block.calRes[s];
        set.iNumCalPoints = d.numCalPoints;
        set.iFixationTimeCounts = d.fixationTimeCounts;
        set.fMaxEyeMotion = d.maxEyeMotion;
        set.fMaxPointError = d.maxPointError;
        set.fMaxRmsError = d.maxRmsError;
        set.iCursorDiameter = d.cursorDiameter;
        set.fDiGlPuMaxCamera = d.diGlPuMaxCamera;
        set.fDjGlPuMaxCamera = d.djGlPuMaxCamera;
        set.fPrevCalAvoid = d.prevCalAvoid;
        set.iMaxRetries = d.maxRetries;
        set.iPointPauseCount = d.pointPauseCount;
        set.iDisplayTimeCounts = d.displayTimeCounts;
        for (int p = 0; p < QV_MAX_CAL_TARGETS; ++p) {
            set.fX[p] = targets[s][p].x;
            set.fY[p] = targets[s][p].y;
        }
        set.bDisplayAccuracy = d.displayAccuracy;
        set.iMaxBadTracks = d.maxBadTracks;
    }
}

int readCalConst(FileIoContext& context, CalConstSettings& block, std::int32_t language, std::int32_t fileKind) {
    setCalConstDefaults(block, fileKind);
    auto decode = [&](TextReader& in, int version) {
        for (CalResSettings& set : block.calRes) {
            readCalRes(in, set, version);
        }
        if (version == 1) {
            std::u16string word;
            std::int32_t resolution;
            if (in.scanWord(word, kMaxWord) && word == kCurCalResWord && in.scanAutoInt(resolution)) {
                keepResolutionIfValid(block, resolution);
            }
        } else if (version > 1) {
            std::int32_t resolution = block.iCurCalRes;
            in.readInt(resolution);
            keepResolutionIfValid(block, resolution);
            readNumberFields(in, block, kCalConstFields, version);
        }
    };
    int version = context.readBlock(kCalibrationSection, kCalConstLegacy, language, fileOf(fileKind), decode);
    if (version == 0 && !context.sharedRead()) {
        applyCalibrationEnvironment(block);
    }
    return version;
}

void writeCalConst(SettingsWriter& w, const CalConstSettings& block) {
    w.sectionHeader(kCalibrationSection);
    for (const CalResSettings& set : block.calRes) {
        writeNumberFields(w, set, kCalResFields);
        int targets = calTargetCount(set.iNumCalPoints);
        for (int p = 0; p < targets; ++p) {
            w.floatLine(set.fX[p], u"X");
            w.floatLine(set.fY[p], u"Y");
        }
    }
    w.intLine(block.iCurCalRes, u"Current Cal Res");
    writeNumberFields(w, block, kCalConstFields);
}

void setHardwareDefaults(HardwareSettings& block, bool full) {
    block.fMonitorWidth = 276.86f;
    block.fMonitorHeight = 205.74f;
    block.fHorizDepth = 0.0f;
    block.fVertDepth = 0.0f;
    if (!full) {
        return;
    }
    block.iVideoGain = 140;
    block.iVideoOffset = 104;
    block.bProgressive = 0;
    block.iCameraHorizPixels = 640;
    block.iCameraVertPixels = 480;
    block.fCameraHorizSensor = 6.45f;
    block.fCameraVertSensor = 4.84f;
    block.iCameraFieldRate = 60;
    block.fLensFocalLength = 50.0f;
    block.fLensNodalSeparation = 0.0f;
    block.fFixedLensExtension = 5.0f;
    block.fLensExtensionTravel = 2.12f;
    block.fLensApertureDiameter = 25.4f;
    block.fIrFilterThickness = 3.0f;
    block.fIrFilterRefractiveIndex = 1.52f;
    block.iNumVisionSystems = 1;
    block.iNumEyesToCalibrate = 1;
}

int readHardware(FileIoContext& context, HardwareSettings& block, std::int32_t language) {
    setHardwareDefaults(block, true);
    auto decode = [&](TextReader& in, int version) {
        if (version == 1) {
            in.skipLine();
            float* monitor[] = {&block.fMonitorWidth, &block.fMonitorHeight, &block.fHorizDepth, &block.fVertDepth};
            for (float* field : monitor) {
                if (!in.scanFloat(*field)) {
                    break;
                }
            }
            in.skipLines(2);
            std::int32_t values[4];
            int got = 0;
            while (got < 4 && in.scanAutoInt(values[got])) {
                ++got;
            }
            if (got > 2) {
                block.iVideoGain = values[2];
            }
            if (got > 3) {
                block.iVideoOffset = values[3];
            }
        } else if (version >= 2) {
            const NumberFields<HardwareSettings> fields = kHardwareFields;
            readNumberFields(in, block, fields.first(kMonitorFieldCount), version);
            if (version < kHardwareMetricVersion) {
                std::int32_t unused;
                in.readInt(unused);
            }
            readNumberFields(in, block, fields.subspan(kMonitorFieldCount), version);
        }
        if (version >= 1 && version < kHardwareMetricVersion) {
            for (float* field : {&block.fMonitorWidth, &block.fMonitorHeight, &block.fHorizDepth, &block.fVertDepth}) {
                *field = static_cast<float>(*field * kMillimetresPerInch);
            }
        }
    };
    return context.readBlock(kHardwareSection, kHardwareLegacy, language, FileKind::Tracker, decode);
}

void writeHardware(SettingsWriter& w, const HardwareSettings& block) {
    w.sectionHeader(kHardwareSection);
    writeNumberFields(w, block, kHardwareFields);
}

void setImageProcDefaults(ImageProcSettings& block) {
    block.bDroopyEyelidComp = 0;
    block.bRangeComp = 1;
    block.bPupilComp = 0;
}

int readImageProc(FileIoContext& context, ImageProcSettings& block, std::int32_t language, std::int32_t fileKind) {
    setImageProcDefaults(block);
    auto decode = [&](TextReader& in, int version) {
        if (version >= 2) {
            readNumberFields(in, block, kImageProcFields, version);
        } else if (version == 1) {
            in.skipLine();
            in.readInt(block.bDroopyEyelidComp);
        }
    };
    int version = context.readBlock(kImageProcSection, kImageProcLegacy, language, fileOf(fileKind), decode);
    if (version == 0 && !context.sharedRead()) {
        applyImageProcEnvironment(block);
    }
    return version;
}

void writeImageProc(SettingsWriter& w, const ImageProcSettings& block) {
    w.sectionHeader(kImageProcSection);
    writeNumberFields(w, block, kImageProcFields);
}

}  // namespace qvfileio
