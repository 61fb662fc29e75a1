#include "Labels.h"

#include <algorithm>
#include <array>

#include "KeyboardTables.h"
#include "Languages.h"
#include "TextReader.h"
#include "WholeFile.h"

namespace qvfileio {

namespace {

constexpr std::size_t kLabelRead = QVX_LABEL_SLOT - 1;  // at most 48 characters
constexpr std::size_t kShortRead = 49;
constexpr std::size_t kLongRead = 80;
constexpr std::size_t kProgramRead = QVX_PROGRAM_SLOT;

// Calibration labels: 1 to 9 always, 10 to 16 from version 3, 17 from version 5.
constexpr int kCalFirst = 9;
constexpr int kCalSecond = 16;
constexpr int kCalSecondVersion = 3;
constexpr int kCalThirdVersion = 5;

template <std::size_t N>
using Labels = std::array<std::u16string_view, N>;

constexpr Labels<17> kCal = {u"i",
                             u"CALIBRATION",
                             u"5-POINT CALIBRATION",
                             u"Look at the Camera to Begin",
                             u"Calibration Accuracy",
                             u"horizontal",
                             u"vertical",
                             u"Accuracy Test Passed",
                             u"worst point",
                             u"Switch back to Right Eye",
                             u"Switch back to Left Eye",
                             u"13-POINT CALIBRATION",
                             u"Droopy Eyelid Compensation ON",
                             u"Focus Range Compensation OFF",
                             u"Pupil Concentricity Compensation ON",
                             u"Cycle",
                             u"Or Press F2"};
constexpr Labels<39> kKbd = {u"OUT",
                             u"PSE",
                             u"Keyboard",
                             u"qwerty",
                             u"freq",
                             u"abcde",
                             u"alpha",
                             u"Clear",
                             u"Gaze Duration",
                             u"Up",
                             u"Down",
                             u"seconds",
                             u"Type",
                             u"Exit",
                             u"Speech",
                             u"Mode",
                             u"Off",
                             u"Character",
                             u"Word",
                             u"Speak",
                             u"Print",
                             u"Printer Error",
                             u"Save",
                             u"Retrieve",
                             u"File",
                             u"Restore",
                             u"Text",
                             u"Full",
                             u"Paragraph",
                             u"Delete",
                             u"RETRIEVE FILE",
                             u"SAVE FILE",
                             u"Save Text",
                             u"File Name:",
                             u"File Saved:",
                             u"There is no Text to Save.",
                             u"There are no Files to Retrieve.",
                             u"DELETE FILE",
                             u"SPK"};
constexpr Labels<6> kLA = {u"Lights & Appliances", u"on", u"off", u"Please", u"Wait", u"Exit"};
constexpr Labels<16> kPaddle = {u"Paddle",
                                u"Score",
                                u"Look at Camera to Control Game",
                                u"Control Screen Active",
                                u"Speed",
                                u"Angle",
                                u"-",
                                u"+",
                                u"Game",
                                u"Exit",
                                u"Woww, one hundred points.",
                                u"200, you're really doing well!",
                                u"No one has ever made it this far.",
                                u"I can't believe this.",
                                u"When are you going to miss one?",
                                u"Wake me up when it's time to go home."};
constexpr Labels<14> kPCAccess = {u"Mou",         u"Move Mouse", u"Cursor Speed / Step Size",
                                  u"Click Mouse", u"Single",     u"Double",
                                  u"Click",       u"& Hold",     u"Left",
                                  u"Right",       u"Both",       u"Release",
                                  u"Step",        u"Speed"};
constexpr Labels<20> kPhone = {u"Telephone", u"Erase", u"Dial", u"HangUp", u"Clear", u"Speech", u"Answr",
                               u"Pause",     u"Book",  u"Exit", u"",       u"ABC",   u"DEF",    u"GHI",
                               u"JKL",       u"MNO",   u"PRS",  u"TUV",    u"WXY",   u"OPER"};
constexpr Labels<3> kPhrases = {u"Menu", u"Pause", u"Exit"};
constexpr Labels<10> kRead = {u"Select File", u"Total Files", u"Files Listed", u"to",   u"Next Page",
                              u"Exit",        u"Page Down",   u"Page Up",      u"Menu", u"<< End of File >>"};
constexpr Labels<2> kReadLong = {u"File too large to fit in memory, less than full text loaded.",
                                 u"Unable to locate any files for reading..."};
constexpr Labels<2> kReadMore = {u"Can not open input file...", u"TERMINATING"};

struct MenuItem {
    std::u16string_view label;
    std::u16string_view program;
};
constexpr std::array<MenuItem, 6> kMenu = {{
    {u"Read Text", u"QvRead.exe"},
    {u"Phrases", u"QvPhrase.exe"},
    {u"Keyboard", u"QvKeybrd.exe"},
    {u"Paddle Ball", u"QvPaddle.exe"},
    {u"Telephone", u"QvPhone.exe"},
    {u"Score Four", u"QvScore4.exe"},
}};

template <std::size_t Slot, std::size_t N>
void setAll(char16_t (&fields)[N][Slot], const Labels<N>& defaults) {
    for (std::size_t i = 0; i < N; ++i) {
        copyText(fields[i], Slot, defaults[i]);
    }
}

template <std::size_t Slot, std::size_t N>
void readRange(TextReader& in, char16_t (&fields)[N][Slot], std::size_t from, std::size_t to, std::size_t capacity) {
    for (std::size_t i = from; i < to && i < N; ++i) {
        in.readText(fields[i], capacity);
    }
}

// The common shape of the groups that are all labels read in order in every version.
template <typename Group, std::size_t N>
int readPlainGroup(FileIoContext& context, Group& group, const Labels<N>& defaults, std::u16string_view section,
                   std::u16string_view legacy, std::int32_t language) {
    setAll(group.labels, defaults);
    auto decode = [&](TextReader& in, int) { readRange(in, group.labels, 0, N, kLabelRead); };
    return context.readBlock(section, legacy, language, FileKind::Labels, decode);
}

}  // namespace

void setCalLabelDefaults(QvxCalLabels& group) {
    setAll(group.labels, kCal);
}

int readCalLabels(FileIoContext& context, QvxCalLabels& group, std::int32_t language) {
    setCalLabelDefaults(group);
    auto decode = [&](TextReader& in, int version) {
        readRange(in, group.labels, 0, kCalFirst, kLabelRead);
        if (version >= kCalSecondVersion) {
            readRange(in, group.labels, kCalFirst, kCalSecond, kLabelRead);
        }
        if (version >= kCalThirdVersion) {
            readRange(in, group.labels, kCalSecond, kCal.size(), kLabelRead);
        }
    };
    return context.readBlock(u"Calibration", u"calibrat.lab", language, FileKind::Labels, decode);
}

void setKbdLabelDefaults(QvxKbdLabels& group) {
    setAll(group.labels, kKbd);
}
int readKbdLabels(FileIoContext& context, QvxKbdLabels& group, std::int32_t language) {
    return readPlainGroup(context, group, kKbd, u"Keyboard", u"kbd.lab", language);
}

void setLALabelDefaults(QvxLALabels& group) {
    setAll(group.labels, kLA);
}
int readLALabels(FileIoContext& context, QvxLALabels& group, std::int32_t language) {
    return readPlainGroup(context, group, kLA, u"Lights&Appliances", u"la.lab", language);
}

void setPaddleLabelDefaults(QvxPaddleLabels& group) {
    setAll(group.labels, kPaddle);
}
int readPaddleLabels(FileIoContext& context, QvxPaddleLabels& group, std::int32_t language) {
    return readPlainGroup(context, group, kPaddle, u"Paddle", u"paddle.lab", language);
}

void setPCAccessLabelDefaults(QvxPCAccessLabels& group) {
    setAll(group.labels, kPCAccess);
}
int readPCAccessLabels(FileIoContext& context, QvxPCAccessLabels& group, std::int32_t language) {
    return readPlainGroup(context, group, kPCAccess, u"PCAccess", u"mouse2pc.lab", language);
}

void setPhoneLabelDefaults(QvxPhoneLabels& group) {
    setAll(group.labels, kPhone);
}
int readPhoneLabels(FileIoContext& context, QvxPhoneLabels& group, std::int32_t language) {
    return readPlainGroup(context, group, kPhone, u"Phone/Answering", u"phone.lab", language);
}

void setPhrasesLabelDefaults(QvxPhrasesLabels& group) {
    setAll(group.labels, kPhrases);
}
int readPhrasesLabels(FileIoContext& context, QvxPhrasesLabels& group, std::int32_t language) {
    return readPlainGroup(context, group, kPhrases, u"Phrases", u"phrases.lab", language);
}

void setReadLabelDefaults(QvxReadLabels& group) {
    setAll(group.labels, kRead);
    setAll(group.longTexts, kReadLong);
    setAll(group.moreLabels, kReadMore);
}

int readReadLabels(FileIoContext& context, QvxReadLabels& group, std::int32_t language) {
    setReadLabelDefaults(group);
    auto decode = [&](TextReader& in, int) {
        readRange(in, group.labels, 0, kRead.size(), kShortRead);
        readRange(in, group.longTexts, 0, kReadLong.size(), kLongRead);
        readRange(in, group.moreLabels, 0, kReadMore.size(), kShortRead);
    };
    return context.readBlock(u"Read", u"read.lab", language, FileKind::Labels, decode);
}

void setMenuLabelDefaults(QvxMenuLabels& group) {
    copyText(group.szTitle, QVX_LABEL_SLOT, u"MAIN MENU");
    copyText(group.szRecalibrate, QVX_LABEL_SLOT, u"Re-Calibrate");
    group.iNumItems = static_cast<std::int32_t>(kMenu.size());
    for (int i = 0; i < QVX_MAX_MENU_ITEMS; ++i) {
        bool listed = i < static_cast<int>(kMenu.size());
        copyText(group.items[i], QVX_LABEL_SLOT, listed ? kMenu[i].label : u"");
        copyText(group.programs[i], QVX_PROGRAM_SLOT, listed ? kMenu[i].program : u"");
    }
}

int readMenuLabels(FileIoContext& context, QvxMenuLabels& group, std::int32_t language) {
    setMenuLabelDefaults(group);
    int version = context.openBlock(u"Menu", u"menu.lab", language, FileKind::Labels);
    if (version != 0 && context.file()) {
        context.file()->readText(group.szTitle, kLabelRead);
        context.file()->readText(group.szRecalibrate, kLabelRead);
        if (version == 1) {
            // The older generation kept the items in a file of their own.
            context.setFile(openLegacyFile(u"menu.key"));
            if (!context.file()) {
                return 0;
            }
        }
        TextReader& in = *context.file();
        in.readInt(group.iNumItems);
        group.iNumItems = std::clamp(group.iNumItems, 0, QVX_MAX_MENU_ITEMS);
        for (int i = 0; i < group.iNumItems; ++i) {
            in.readText(group.items[i], kLabelRead);
            in.readText(group.programs[i], kProgramRead);
        }
    }
    context.closeUnlessShared();
    return version;
}

int readLabels(FileIoContext& context, QvxLabelsRecord& record) {
    record.language = resolveLanguage(record.language);
    return readLabelsFrom(context, record, settingsFileName(FileKind::Labels, record.language));
}

int readLabelsFrom(FileIoContext& context, QvxLabelsRecord& record, std::u16string_view path) {
    context.beginSharedRead(openTextFile(path));
    const std::int32_t language = record.language;
    readCalLabels(context, record.cal, language);
    readKbdLabels(context, record.kbd, language);
    readLALabels(context, record.la, language);
    record.result = readMenuLabels(context, record.menu, language);
    readPaddleLabels(context, record.paddle, language);
    readPCAccessLabels(context, record.pcAccess, language);
    readPhoneLabels(context, record.phone, language);
    readPhrasesLabels(context, record.phrases, language);
    readReadLabels(context, record.read, language);
    readKeyLocations(context, record.keyLocations, language);
    readKeyboardAsciiCodes(context, record.keyCodes, language);
    endWholeFileRead(context);
    return record.result;
}

}  // namespace qvfileio
