#include "CommunicationBlocks.h"

#include <algorithm>
#include <array>
#include <string>

#include "NumberFields.h"

namespace qvfileio {

namespace {

constexpr std::u16string_view kFontsSection = u"Fonts";
constexpr std::u16string_view kGazeCtrlSection = u"GazeCtrl";
constexpr std::u16string_view kKeyboardSection = u"Keyboard";
constexpr std::u16string_view kLightApplSection = u"Lights&Appliances";
constexpr std::u16string_view kPaddleSection = u"Paddle";
constexpr std::u16string_view kPCAccessSection = u"PCAccess";
constexpr std::u16string_view kScanKbdSection = u"Scanning_Keyboard";
constexpr std::u16string_view kTVSection = u"TV";
constexpr std::u16string_view kTwoStrokeSection = u"2_Stroke_Keyboard";

// A field's capacity for the text reader: the slot's longest stored text plus its terminator.
constexpr std::size_t kFontNameRead = QVX_FONT_NAME_SLOT;
constexpr std::size_t kDeviceLabelRead = 15;
constexpr std::size_t kPortNameRead = 260;

// Gaze control: older layouts carried lines that are gone now.
constexpr int kGazeCtrlCurrentVersion = 3;
// PC access step sizes arrived with version 3.
constexpr int kPCAccessStepsVersion = 3;
// Lines before the values in the older files.
constexpr int kLightApplLegacySkip = 6;
constexpr int kPCAccessLegacySkip = 8;
constexpr int kScanKbdLegacySkip = 2;
constexpr std::u16string_view kLegacyComment = u";";

struct FontDefault {
    std::u16string_view face;
    int height;
};
constexpr std::array<FontDefault, QVX_NUM_FONTS> kFontDefaults = {{
    {u"Courier New", 150},
    {u"Courier New", 135},
    {u"Times New Roman", 300},
    {u"Arial", 240},
}};

constexpr std::array<std::u16string_view, QVX_NUM_DEVICES> kDeviceBottomLabels = {u"Lamp", u"Chime", u"Music", u"Fan",
                                                                                  u"",     u"",      u"",      u""};
constexpr int kMomentaryDevice = 1;
constexpr std::array<std::int32_t, QVX_NUM_MOUSE_STEPS> kMouseSteps = {1, 3, 10, 30, 100, 300};
constexpr std::array<std::int32_t, 3> kDefaultChannels = {56, 26, 32};

constexpr auto kKeyboardFields = std::to_array<NumberField<KeyboardSettings>>({
    intField(&KeyboardSettings::iRegDefault, u"Reg Keybrd, default"),
    intField(&KeyboardSettings::iPcDefault, u"PC Access Keybrd, default"),
    hundredthsField(&KeyboardSettings::fRegGazeDuration, u"Reg Keybrd, Gaze Dur * 100"),
    hundredthsField(&KeyboardSettings::fPcGazeDuration, u"PC Access Keybrd, Gaze Dur * 100"),
    intField(&KeyboardSettings::iRegSpeechMode, u"Reg Keybrd, speech mode"),
    intField(&KeyboardSettings::iPcSpeechMode, u"PC Access Keybrd, speech mode"),
});

constexpr auto kPaddleFields = std::to_array<NumberField<PaddleSettings>>({
    intField(&PaddleSettings::iPaddleWidth, u"Paddle Width, in pixels"),
    intField(&PaddleSettings::iActivationThreshold, u"Activation Threshold, in fields"),
});

constexpr auto kScanKbdFields = std::to_array<NumberField<ScanKbdSettings>>({
    intField(&ScanKbdSettings::iDefaultLayout, u"Default Layout"),
    floatField(&ScanKbdSettings::fScanDuration, u"Scan Duration"),
    floatField(&ScanKbdSettings::fFirstRowTime, u"%Time added to 1st row duration"),
    floatField(&ScanKbdSettings::fFirstColTime, u"%Time added to 1st col duration"),
    floatField(&ScanKbdSettings::fFirstEltTime, u"%Time added to 1st elt duration"),
    intField(&ScanKbdSettings::iTriggerLocation, u"Trigger location, 0=top, 1=bottom, 2=left, 3=right"),
    intField(&ScanKbdSettings::iTextLocation, u"Text location, 0=top/left, 1=bottom/right"),
    floatField(&ScanKbdSettings::fGazeBorderWidth, u"Gaze border width"),
    floatField(&ScanKbdSettings::fSmoothingTime, u"Gaze point smoothing time const"),
    intField(&ScanKbdSettings::iKeyboardFont, u"Keyboard font num"),
    intField(&ScanKbdSettings::iTextFont, u"text font num"),
    intField(&ScanKbdSettings::iLocatorDot, u"Gaze point locator dot control"),
});

constexpr auto kTwoStrokeFields = std::to_array<NumberField<TwoStrokeKbdSettings>>({
    intField(&TwoStrokeKbdSettings::iDefaultLayout, u"Default keyboard layout"),
    floatField(&TwoStrokeKbdSettings::fScanDuration, u"Default gaze scan duration"),
    intField(&TwoStrokeKbdSettings::iTextLocation, u"Text location WRT kbd, 0=top, 1=bottom, 2=left, 3=right"),
    floatField(&TwoStrokeKbdSettings::fSmoothingTime, u"Gaze point smoothing time constant"),
    intField(&TwoStrokeKbdSettings::iKeyboardFont, u"Keyboard font number"),
    intField(&TwoStrokeKbdSettings::iTextFont, u"Text font number"),
    intField(&TwoStrokeKbdSettings::iLocatorDot, u"Gaze point locator dot control, 0=On, 1=In key, 2=off"),
});

// Reads the integers of one "%i %i" line of an older file.
void readTwoIntLine(TextReader& in, std::int32_t& a, std::int32_t& b) {
    std::u16string_view line;
    if (!in.readWholeLine(line)) {
        return;
    }
    LineScanner scan(line);
    std::int32_t v;
    if (scan.autoInt(v)) {
        a = v;
        if (scan.autoInt(v)) {
            b = v;
        }
    }
}

void readHundredthsPair(TextReader& in, float& a, float& b) {
    std::int32_t ia = 0, ib = 0;
    std::u16string_view line;
    if (!in.readWholeLine(line)) {
        return;
    }
    LineScanner scan(line);
    if (scan.autoInt(ia)) {
        a = static_cast<float>(ia) / 100.0f;
        if (scan.autoInt(ib)) {
            b = static_cast<float>(ib) / 100.0f;
        }
    }
}

}  // namespace

int clampCount(std::int32_t count, int capacity) {
    return std::clamp(count, 0, capacity);
}

void readIntWordIntLine(TextReader& in, std::int32_t& first, char16_t* word, std::size_t wordCapacity,
                        std::int32_t& last) {
    std::u16string_view line;
    if (!in.readWholeLine(line)) {
        return;
    }
    LineScanner scan(line);
    std::int32_t a, b;
    std::u16string w;
    if (!scan.autoInt(a)) {
        return;
    }
    first = a;
    if (!scan.word(w, wordCapacity - 1)) {
        return;
    }
    copyText(word, wordCapacity, w);
    if (scan.autoInt(b)) {
        last = b;
    }
}

// ---- fonts

void setFontsDefaults(FontsSettings& block) {
    for (int i = 0; i < QVX_NUM_FONTS; ++i) {
        copyText(block.fonts[i].szFaceName, QVX_FONT_NAME_SLOT, kFontDefaults[i].face);
        block.fonts[i].iHeight = kFontDefaults[i].height;
        block.fonts[i].wFlags = 0;
    }
}

int readFonts(FileIoContext& context, FontsSettings& block, std::int32_t language) {
    setFontsDefaults(block);
    auto decode = [&](TextReader& in, int version) {
        if (version >= 2) {
            for (FontEntry& font : block.fonts) {
                in.readText(font.szFaceName, kFontNameRead);
                in.readInt(font.iHeight);
                std::int32_t flags = font.wFlags;
                in.readInt(flags);
                font.wFlags = static_cast<std::uint16_t>(flags & 0xFFFF);
            }
        } else if (version == 1) {
            for (FontEntry& font : block.fonts) {
                if (!in.scanInt(font.iHeight)) {
                    break;
                }
            }
        }
    };
    return context.readBlock(kFontsSection, u"Fonts.size", language, FileKind::Communication, decode);
}

void writeFonts(SettingsWriter& w, const FontsSettings& block) {
    w.sectionHeader(kFontsSection);
    for (const FontEntry& font : block.fonts) {
        w.textLine(font.szFaceName, QVX_FONT_NAME_SLOT);
        w.intLine(font.iHeight, u"Font height");
        w.intLine(font.wFlags, u"Font Flags");
    }
}

// ---- gaze control

void setGazeCtrlDefaults(GazeCtrlSettings& block) {
    block.fGazeDuration = 0.5f;
    block.fDoubleKeyDelay = 0.1f;
    block.bMenuKeysCentered = 0;
    block.iLocatorDotMode = 2;
    block.iLocatorDotSize = 2;
    block.crLocatorDotColor = 0x0000AA;
    block.iLocatorDotResponse = 11;
}

int readGazeCtrl(FileIoContext& context, GazeCtrlSettings& block, std::int32_t language) {
    setGazeCtrlDefaults(block);
    auto decode = [&](TextReader& in, int version) {
        std::int32_t unused = 0;
        in.readHundredths(block.fGazeDuration);
        if (version < kGazeCtrlCurrentVersion) {
            in.readInt(unused);
            in.readInt(unused);
        }
        in.readHundredths(block.fDoubleKeyDelay);
        if (version == 1) {
            in.readInt(unused);
        }
        in.readInt(block.bMenuKeysCentered);
        in.readInt(block.iLocatorDotMode);
        if (version == 1) {
            in.readInt(unused);
        }
        if (version < kGazeCtrlCurrentVersion) {
            in.readInt(unused);
        }
        in.readInt(block.iLocatorDotSize);
        if (version == 1) {
            in.readInt(block.crLocatorDotColor);
        } else {
            in.readHex(block.crLocatorDotColor);
        }
        in.readInt(block.iLocatorDotResponse);
    };
    return context.readBlock(kGazeCtrlSection, u"ikeys.key", language, FileKind::Communication, decode);
}

void writeGazeCtrl(SettingsWriter& w, const GazeCtrlSettings& block) {
    w.sectionHeader(kGazeCtrlSection);
    w.hundredthsLine(block.fGazeDuration, u"Gaze duration * 100");
    w.hundredthsLine(block.fDoubleKeyDelay, u"Double key press delay");
    w.intLine(block.bMenuKeysCentered, u"flag, Menu keys centered");
    w.intLine(block.iLocatorDotMode, u"QV Loc Dot, always=1, in key=2, never=3");
    w.intLine(block.iLocatorDotSize, u"Locator dot size");
    w.hexLine(block.crLocatorDotColor, u"Locator dot color, BGR");
    w.intLine(block.iLocatorDotResponse, u"Locator dot response time");
}

// ---- keyboard

void setKeyboardDefaults(KeyboardSettings& block) {
    block.iRegDefault = 1;
    block.fRegGazeDuration = 0.0f;
    block.iRegSpeechMode = 0;
    block.iPcDefault = 1;
    block.fPcGazeDuration = 0.0f;
    block.iPcSpeechMode = 3;
}

int readKeyboard(FileIoContext& context, KeyboardSettings& block, std::int32_t language) {
    setKeyboardDefaults(block);
    auto decode = [&](TextReader& in, int version) {
        if (version >= 2) {
            readNumberFields(in, block, kKeyboardFields, version);
        } else if (version == 1) {
            in.skipLine();
            readTwoIntLine(in, block.iRegDefault, block.iPcDefault);
            readHundredthsPair(in, block.fRegGazeDuration, block.fPcGazeDuration);
            readTwoIntLine(in, block.iRegSpeechMode, block.iPcSpeechMode);
        }
    };
    return context.readBlock(kKeyboardSection, u"Kbd.key", language, FileKind::Communication, decode);
}

void writeKeyboard(SettingsWriter& w, const KeyboardSettings& block) {
    w.sectionHeader(kKeyboardSection);
    writeNumberFields(w, block, kKeyboardFields);
}

// ---- lights and appliances

void setLightApplDefaults(LightApplSettings& block) {
    block.iInterfaceType = 0;
    block.iPortSpeed = 9600;
    copyText(block.szPortName, QVX_PORT_NAME_SLOT, u"Com2");
    for (int i = 0; i < QVX_NUM_DEVICES; ++i) {
        copyText(block.devices[i].szTopLabel, QVX_DEVICE_LABEL_SLOT, u"");
        copyText(block.devices[i].szBottomLabel, QVX_DEVICE_LABEL_SLOT, kDeviceBottomLabels[i]);
        block.devices[i].iSwitchType = i == kMomentaryDevice ? 1 : 0;
    }
}

int readLightAppl(FileIoContext& context, LightApplSettings& block, std::int32_t language) {
    setLightApplDefaults(block);
    auto decode = [&](TextReader& in, int version) {
        for (LightApplDevice& device : block.devices) {
            in.readText(device.szTopLabel, kDeviceLabelRead);
            in.readText(device.szBottomLabel, kDeviceLabelRead);
            in.readInt(device.iSwitchType);
        }
        if (version >= 2) {
            in.readInt(block.iInterfaceType);
            in.readText(block.szPortName, kPortNameRead);
            in.readInt(block.iPortSpeed);
        } else if (version == 1) {
            in.skipLines(kLightApplLegacySkip);
            readIntWordIntLine(in, block.iInterfaceType, block.szPortName, kPortNameRead, block.iPortSpeed);
        }
    };
    return context.readBlock(kLightApplSection, u"la.key", language, FileKind::Communication, decode);
}

void writeLightAppl(SettingsWriter& w, const LightApplSettings& block) {
    w.sectionHeader(kLightApplSection);
    for (const LightApplDevice& device : block.devices) {
        w.textLine(device.szTopLabel, QVX_DEVICE_LABEL_SLOT);
        w.textLine(device.szBottomLabel, QVX_DEVICE_LABEL_SLOT);
        w.intLine(device.iSwitchType, u"Style");
    }
    w.intLine(block.iInterfaceType, u"Type 1=X10, 2=Switch Box, 3=X10 CM11a, 4=X10 Firecracker");
    w.textLine(block.szPortName, QVX_PORT_NAME_SLOT);
    w.intLine(block.iPortSpeed, u"Port speed");
}

// ---- paddle

void setPaddleDefaults(PaddleSettings& block) {
    block.iPaddleWidth = 144;
    block.iActivationThreshold = 20;
}

int readPaddle(FileIoContext& context, PaddleSettings& block, std::int32_t language) {
    setPaddleDefaults(block);
    auto decode = [&](TextReader& in, int version) { readNumberFields(in, block, kPaddleFields, version); };
    return context.readBlock(kPaddleSection, u"Paddle.key", language, FileKind::Communication, decode);
}

void writePaddle(SettingsWriter& w, const PaddleSettings& block) {
    w.sectionHeader(kPaddleSection);
    writeNumberFields(w, block, kPaddleFields);
}

// ---- PC access

void setPCAccessDefaults(PCAccessSettings& block) {
    block.iDeviceType = 1;
    block.iPortSpeed = 19200;
    copyText(block.szPortName, QVX_PORT_NAME_SLOT, u"Com1");
    std::copy(kMouseSteps.begin(), kMouseSteps.end(), block.iMouseSteps);
}

int readPCAccess(FileIoContext& context, PCAccessSettings& block, std::int32_t language) {
    setPCAccessDefaults(block);
    auto decode = [&](TextReader& in, int version) {
        if (version >= 2) {
            in.readInt(block.iDeviceType);
            in.readText(block.szPortName, kPortNameRead);
            in.readInt(block.iPortSpeed);
            if (version >= kPCAccessStepsVersion) {
                for (std::int32_t& step : block.iMouseSteps) {
                    in.readInt(step);
                }
            }
        } else if (version == 1) {
            in.skipLines(kPCAccessLegacySkip);
            readIntWordIntLine(in, block.iDeviceType, block.szPortName, kPortNameRead, block.iPortSpeed);
        }
    };
    return context.readBlock(kPCAccessSection, u"Hardware.cfg", language, FileKind::Communication, decode);
}

void writePCAccess(SettingsWriter& w, const PCAccessSettings& block) {
    w.sectionHeader(kPCAccessSection);
    w.intLine(block.iDeviceType, u"Type 1=TTAM, 2=TTAPC");
    w.textLine(block.szPortName, QVX_PORT_NAME_SLOT);
    w.intLine(block.iPortSpeed, u"Port speed");
    for (std::int32_t step : block.iMouseSteps) {
        w.intLine(step, u"Mouse step size");
    }
    w.raw(u"\r\n");
}

// ---- scanning keyboard

void setScanKbdDefaults(ScanKbdSettings& block) {
    block.iDefaultLayout = 0;
    block.fScanDuration = 0.6f;
    block.fFirstRowTime = 1.5f;
    block.fFirstColTime = 0.8f;
    block.fFirstEltTime = 0.8f;
    block.iTriggerLocation = 3;
    block.iTextLocation = 0;
    block.fGazeBorderWidth = 0.08f;
    block.fSmoothingTime = 0.24f;
    block.iKeyboardFont = 2;
    block.iTextFont = 0;
    block.iLocatorDot = 1;
}

int readScanKbd(FileIoContext& context, ScanKbdSettings& block, std::int32_t language) {
    setScanKbdDefaults(block);
    auto decode = [&](TextReader& in, int version) {
        if (version == 1) {
            in.skipLines(kScanKbdLegacySkip);
        }
        readNumberFields(in, block, kScanKbdFields, version);
    };
    return context.readBlock(kScanKbdSection, u"sk.key", language, FileKind::Communication, decode);
}

void writeScanKbd(SettingsWriter& w, const ScanKbdSettings& block) {
    w.sectionHeader(kScanKbdSection);
    writeNumberFields(w, block, kScanKbdFields);
}

// ---- TV

void setTVDefaults(TVSettings& block) {
    block.iNumChannels = static_cast<std::int32_t>(kDefaultChannels.size());
    std::fill(std::begin(block.iChannels), std::end(block.iChannels), 0);
    std::copy(kDefaultChannels.begin(), kDefaultChannels.end(), block.iChannels);
}

int readTV(FileIoContext& context, TVSettings& block, std::int32_t language) {
    setTVDefaults(block);
    auto decode = [&](TextReader& in, int version) {
        if (version >= 2) {
            in.readInt(block.iNumChannels);
            block.iNumChannels = clampCount(block.iNumChannels, QVX_MAX_TV_CHANNELS);
            for (int i = 0; i < block.iNumChannels; ++i) {
                in.readInt(block.iChannels[i]);
            }
        } else if (version == 1) {
            std::u16string_view line;
            while (in.readWholeLine(line) && line.starts_with(kLegacyComment)) {
            }
            int count = 0;
            std::int32_t channel;
            while (count < QVX_MAX_TV_CHANNELS && in.scanInt(channel)) {
                block.iChannels[count++] = channel;
                in.skipLine();
            }
            block.iNumChannels = count;
        }
    };
    return context.readBlock(kTVSection, u"telvor.key", language, FileKind::Communication, decode);
}

void writeTV(SettingsWriter& w, const TVSettings& block) {
    w.sectionHeader(kTVSection);
    int count = clampCount(block.iNumChannels, QVX_MAX_TV_CHANNELS);
    w.intLine(count, u"Num Chanels");
    for (int i = 0; i < count; ++i) {
        w.intLine(block.iChannels[i], u"Channel");
    }
}

// ---- two-stroke keyboard

void setTwoStrokeKbdDefaults(TwoStrokeKbdSettings& block) {
    block.iDefaultLayout = 0;
    block.fScanDuration = 0.7f;
    block.iTextLocation = 0;
    block.fSmoothingTime = 0.25f;
    block.iKeyboardFont = 3;
    block.iTextFont = 3;
    block.iLocatorDot = 1;
}

int readTwoStrokeKbd(FileIoContext& context, TwoStrokeKbdSettings& block, std::int32_t language) {
    setTwoStrokeKbdDefaults(block);
    auto decode = [&](TextReader& in, int version) { readNumberFields(in, block, kTwoStrokeFields, version); };
    return context.readBlock(kTwoStrokeSection, u"tsk.key", language, FileKind::Communication, decode);
}

void writeTwoStrokeKbd(SettingsWriter& w, const TwoStrokeKbdSettings& block) {
    w.sectionHeader(kTwoStrokeSection);
    writeNumberFields(w, block, kTwoStrokeFields);
}

}  // namespace qvfileio
