// The communication blocks made mostly of texts: telephone, phrases, speech and teaching.
#include <algorithm>
#include <array>
#include <string>

#include "CommunicationBlocks.h"

namespace qvfileio {

namespace {

constexpr std::u16string_view kPhoneSection = u"Phone/Answering";
constexpr std::u16string_view kPhrasesSection = u"Phrases";
constexpr std::u16string_view kSpeechSection = u"Speech";
constexpr std::u16string_view kTeachSection = u"Teach";
constexpr std::u16string_view kHardwareLegacy = u"Hardware.cfg";

constexpr std::size_t kPortNameRead = 260;
constexpr std::size_t kPhoneNameRead = 40;
constexpr std::size_t kPhoneNumberRead = 120;
constexpr std::size_t kPhraseTitleRead = QVX_PHRASE_TITLE_SLOT;
constexpr std::size_t kPhraseLabelRead = QVX_PHRASE_LABEL_SLOT;
constexpr std::size_t kPhraseTextRead = QVX_PHRASE_TEXT_SLOT;
constexpr std::size_t kVoiceNameRead = 198;
constexpr std::size_t kTeachLabelRead = 20;
constexpr std::size_t kTeachTextRead = 120;

// The greeting: at most this many characters, and the line that ends it in the file.
constexpr int kGreetingMax = QVX_GREETING_SLOT - 2;
constexpr std::size_t kGreetingLinePiece = 263;
constexpr std::u16string_view kGreetingEnd = u"----------";
constexpr std::u16string_view kLineEnd = u"\r\n";
constexpr std::u16string_view kBlockEnd = u"****";

constexpr std::u16string_view kDefaultGreeting =
    u"Hello.\r\nI am calling you from my Quorvane System.\r\nPlease wait.\r\n";
constexpr std::u16string_view kDefaultPhoneName = u"Brelnic";
constexpr std::u16string_view kDefaultPhoneNumber = u"1-800-555-0199";
// Older files: lines before the values in "Hardware.cfg".
constexpr int kPhoneHardwareSkip = 7;
constexpr int kSpeechHardwareSkip = 4;

constexpr int kVoiceByIdentifier = -1;
constexpr int kVoiceByName = -2;
constexpr QvxGuid kDefaultVoice = {0xC77C5170, 0x2867, 0x11D0, {0x84, 0x7B, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

struct Phrase {
    std::u16string_view label;
    std::u16string_view text;  // empty: the same as the label
};
struct Category {
    std::u16string_view name;
    std::array<Phrase, QVX_PHRASES_PER_CATEGORY> phrases;
};

const std::array<Category, QVX_MAX_PHRASE_CATEGORIES> kPhrases = {{
    {u"Personal Needs",
     {{{u"I'm Tired", {}},
       {u"I Want to go to Bed", {}},
       {u"I Want to be Alone", u"I want to be alone"},
       {u"I would like a Bath", u"I would like a bath"},
       {u"Brush My Teeth", u"Brush my teeth"},
       {u"Comb My Hair", {}},
       {u"Re-position Me", u"re-position me"},
       {u"Bathroom Please", u"bathroom, please"},
       {u"I Itch", {}},
       {u"I'm Hot", u"I'm hot"},
       {u"I'm Cold", u"I'm cold"},
       {u"Thank you", {}},
       {u"Yes", {}},
       {u"No", u"no"}}}},
    {u"Conversation",
     {{{u"Hello", u"hello"},
       {u"Good Bye", {}},
       {u"Good to see you", {}},
       {u"Where have you been", {}},
       {u"How have you been?", {}},
       {u"I've missed you", {}},
       {u"I'm Happy!", {}},
       {u"I'm Sad", {}},
       {u"I need a Hug", {}},
       {u"Good", {}},
       {u"I like that", {}},
       {u"Talk to me", {}},
       {u"Yes", {}},
       {u"No", {}}}}},
    {u"Numbers",
     {{{u"0", {}},
       {u"1", {}},
       {u"2", {}},
       {u"3", {}},
       {u"4", {}},
       {u"5", {}},
       {u"6", {}},
       {u"7", {}},
       {u"8", {}},
       {u"9", {}},
       {u"10", {}},
       {u"I didn't mean that", {}},
       {u"Yes", {}},
       {u"No", u"no"}}}},
    {u"Questions",
     {{{u"What Time is it?", u"What time is it?"},
       {u"Who are you?", {}},
       {u"Will you Talk to Me", {}},
       {u"When can I eat?", {}},
       {u"Who?", {}},
       {u"What?", {}},
       {u"Where?", {}},
       {u"When?", {}},
       {u"Why?", {}},
       {u"How?", {}},
       {u"", {}},
       {u"I Didn't mean that", {}},
       {u"Yes", {}},
       {u"No", {}}}}},
    {u"Answers",
     {{{u"I don't know", {}},
       {u"I don't care", {}},
       {u"I don't understand", {}},
       {u"Dumb Question", {}},
       {u"Please repeat", {}},
       {u"I didn't hear you", {}},
       {u"Change the subject", {}},
       {u"I Didn't mean that", {}},
       {u"Maybe", {}},
       {u"Sometimes", {}},
       {u"Never", {}},
       {u"Always", {}},
       {u"Yes", {}},
       {u"No", u"no"}}}},
    {u"Drinks",
     {{{u"Water", {}},
       {u"Coffee", {}},
       {u"Tea", {}},
       {u"Apple Juice", {}},
       {u"Please", {}},
       {u"With Milk", {}},
       {u"Milk", {}},
       {u"Orange Juice", {}},
       {u"Soda", {}},
       {u"With Sugar", {}},
       {u"Cranberry Juice", {}},
       {u"Grape Juice", {}},
       {u"Yes", {}},
       {u"No", u"no"}}}},
    {u"Food",
     {{{u"Meat", {}},
       {u"Salad", {}},
       {u"Cereal", {}},
       {u"Snacks", {}},
       {u"Vegetables", {}},
       {u"Sandwich", {}},
       {u"Eggs", {}},
       {u"Sweets", {}},
       {u"Potato", {}},
       {u"Bread", {}},
       {u"Fruit", {}},
       {u"Pasta", {}},
       {u"Yes", {}},
       {u"No", u"no"}}}},
    {u"I Hurt",
     {{{u"My Head Hurts", {}},
       {u"My Shoulder Hurts", {}},
       {u"My Chest Hurts", {}},
       {u"Left", {}},
       {u"My Throat Hurts", {}},
       {u"My Arm Hurts", {}},
       {u"My Stomach Hurts", {}},
       {u"Right", {}},
       {u"My Neck Hurts", {}},
       {u"My Back Hurts", {}},
       {u"My Leg Hurts", {}},
       {u"I'm Nauseated", {}},
       {u"Yes", {}},
       {u"No", u"no"}}}},
    {u"School Work", {}},
}};

constexpr std::u16string_view kPhraseTitle = u"Phrase Selection Menu";

struct TeachDefault {
    std::u16string_view label;
    std::u16string_view text;
};
struct TeachGroupDefault {
    int count;
    std::array<TeachDefault, QVX_MAX_TEACH_BUTTONS> buttons;
};
const std::array<TeachGroupDefault, QVX_NUM_TEACH_GROUPS> kTeach = {{
    {2, {{{u"Yes", u"yes"}, {u"No", u"no"}}}},
    {2, {{{u"Yes", u"yes"}, {u"No", u"no"}}}},
    {4, {{{u"Yes", u"yes"}, {u"No", u"no"}, {u"Maybe", u"maybe"}, {u"Don't Know", u"don't know"}}}},
    {9,
     {{{u"1", u"1"},
       {u"2", u"2"},
       {u"3", u"3"},
       {u"4", u"4"},
       {u"5", u"5"},
       {u"6", u"6"},
       {u"7", u"7"},
       {u"8", u"8"},
       {u"9", u"9"}}}},
    {4, {{{u"GREEN", u"GREEN"}, {u"BLUE", u"BLUE"}, {u"YELLOW", u"YELLOW"}, {u"RED", u"RED"}}}},
}};

// Hexadecimal digits, at most maxDigits of them, after white space (a scanf "%Nx").
bool scanHexDigits(std::u16string_view text, std::size_t& pos, std::size_t maxDigits, std::uint32_t& value) {
    while (pos < text.size() && isSpace(text[pos])) {
        ++pos;
    }
    std::size_t start = pos;
    std::uint32_t v = 0;
    while (pos < text.size() && pos - start < maxDigits) {
        char16_t c = text[pos];
        int d = (c >= u'0' && c <= u'9')   ? c - u'0'
                : (c >= u'a' && c <= u'f') ? c - u'a' + 10
                : (c >= u'A' && c <= u'F') ? c - u'A' + 10
                                           : -1;
        if (d < 0) {
            break;
        }
        v = v * 16 + static_cast<std::uint32_t>(d);
        ++pos;
    }
    if (pos == start) {
        return false;
    }
    value = v;
    return true;
}

// The rest of a voice line after "-1": the identifier's eleven parts.
void parseVoiceIdentifier(std::u16string_view line, QvxGuid& id) {
    std::size_t pos = 0;
    std::uint32_t v;
    if (!scanHexDigits(line, pos, 8, v))
        return;
    id.data1 = v;
    if (!scanHexDigits(line, pos, 4, v))
        return;
    id.data2 = static_cast<std::uint16_t>(v);
    if (!scanHexDigits(line, pos, 4, v))
        return;
    id.data3 = static_cast<std::uint16_t>(v);
    for (std::uint8_t& byte : id.data4) {
        if (!scanHexDigits(line, pos, 2, v))
            return;
        byte = static_cast<std::uint8_t>(v);
    }
}

// Modem or synthesizer port from "Hardware.cfg": lines skipped, then "%i %s %i".
void readHardwarePort(std::int32_t& type, char16_t* port, std::int32_t& speed, int skip) {
    if (auto in = openLegacyFile(kHardwareLegacy)) {
        in->skipLines(skip);
        readIntWordIntLine(*in, type, port, kPortNameRead, speed);
    }
}

std::u16string hex(std::uint32_t value, int width) {
    static constexpr char16_t kDigits[] = u"0123456789abcdef";
    std::u16string s(static_cast<std::size_t>(width), u'0');
    for (int i = width - 1; i >= 0; --i) {
        s[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
        value >>= 4;
    }
    return s;
}

std::u16string decimal(std::int32_t value) {
    std::string ascii = std::to_string(value);
    return std::u16string(ascii.begin(), ascii.end());
}

}  // namespace

// ---- telephone

void setPhoneDefaults(PhoneSettings& block) {
    copyText(block.szGreeting, QVX_GREETING_SLOT, kDefaultGreeting);
    block.iDialingMode = 0;
    block.iModemType = 0;
    block.iModemPortSpeed = 9600;
    copyText(block.szModemPortName, QVX_PORT_NAME_SLOT, u"");
    if (block.iNumEntries == 0) {
        block.iNumEntries = 1;
        copyText(block.entries[0].szName, QVX_PHONE_NAME_SLOT, kDefaultPhoneName);
        copyText(block.entries[0].szNumber, QVX_PHONE_NUMBER_SLOT, kDefaultPhoneNumber);
    }
}

namespace {

void appendGreetingLine(std::u16string& greeting, std::u16string_view line, int& room) {
    std::size_t take = std::min<std::size_t>(line.size(), static_cast<std::size_t>(room - 2));
    greeting.append(line.substr(0, take));
    greeting.append(kLineEnd);
    room -= static_cast<int>(take) + 2;
}

void readGreeting(TextReader& in, char16_t* field) {
    std::u16string greeting;
    int room = kGreetingMax;
    while (room >= 2 && !in.atEnd()) {
        std::u16string_view line = in.readLinePiece(kGreetingLinePiece);
        while (!line.empty() && (line.back() == u'\n' || line.back() == u'\r')) {
            line.remove_suffix(1);
        }
        if (line == kGreetingEnd) {
            break;
        }
        bool last = line.ends_with(kGreetingEnd);
        if (last) {
            line.remove_suffix(kGreetingEnd.size());
        }
        appendGreetingLine(greeting, line, room);
        if (last) {
            break;
        }
    }
    copyText(field, QVX_GREETING_SLOT, greeting);
}

void readLegacyPhone(PhoneSettings& block, TextReader& announcement) {
    std::u16string greeting;
    int room = kGreetingMax;
    std::u16string_view line;
    while (room >= 2 && announcement.readWholeLine(line)) {
        appendGreetingLine(greeting, line, room);
    }
    copyText(block.szGreeting, QVX_GREETING_SLOT, greeting);
    if (auto modem = openLegacyFile(u"modem.key")) {
        modem->readInt(block.iDialingMode);
    }
    if (auto book = openLegacyFile(u"Phonebk.key")) {
        book->readInt(block.iNumEntries);
        block.iNumEntries = clampCount(block.iNumEntries, QVX_MAX_PHONE_ENTRIES);
        for (int i = 0; i < block.iNumEntries; ++i) {
            book->readText(block.entries[i].szName, kPhoneNameRead);
            book->readText(block.entries[i].szNumber, kPhoneNumberRead);
        }
    }
    readHardwarePort(block.iModemType, block.szModemPortName, block.iModemPortSpeed, kPhoneHardwareSkip);
}

}  // namespace

int readPhone(FileIoContext& context, PhoneSettings& block, std::int32_t language) {
    block.iNumEntries = 0;
    setPhoneDefaults(block);
    auto decode = [&](TextReader& in, int version) {
        if (version >= 2) {
            readGreeting(in, block.szGreeting);
            in.readInt(block.iDialingMode);
            in.readInt(block.iNumEntries);
            block.iNumEntries = clampCount(block.iNumEntries, QVX_MAX_PHONE_ENTRIES);
            for (int i = 0; i < block.iNumEntries; ++i) {
                in.readText(block.entries[i].szName, kPhoneNameRead);
                in.readText(block.entries[i].szNumber, kPhoneNumberRead);
            }
            in.readInt(block.iModemType);
            in.readText(block.szModemPortName, kPortNameRead);
            in.readInt(block.iModemPortSpeed);
        } else if (version == 1) {
            readLegacyPhone(block, in);
        }
    };
    return context.readBlock(kPhoneSection, u"Phoneann.key", language, FileKind::Communication, decode);
}

void writePhone(SettingsWriter& w, const PhoneSettings& block) {
    w.sectionHeader(kPhoneSection);
    std::size_t n = boundedLength(block.szGreeting, QVX_GREETING_SLOT);
    std::u16string_view greeting(block.szGreeting, n);
    w.raw(greeting);
    if (greeting.empty() || greeting.back() != u'\n') {
        w.raw(kLineEnd);
    }
    w.raw(kGreetingEnd);
    w.raw(u"\r\n\r\n\r\n");
    w.intLine(block.iDialingMode, u"dialing mode");
    int count = clampCount(block.iNumEntries, QVX_MAX_PHONE_ENTRIES);
    w.intLine(count, u"Num phone book entries");
    for (int i = 0; i < count; ++i) {
        w.textLine(block.entries[i].szName, QVX_PHONE_NAME_SLOT);
        w.textLine(block.entries[i].szNumber, QVX_PHONE_NUMBER_SLOT);
    }
    w.intLine(block.iModemType, u"Modem Type, 0=None, 1=Hayes, 2=Voice, 3=ModemBlaster");
    w.textLine(block.szModemPortName, QVX_PORT_NAME_SLOT);
    w.intLine(block.iModemPortSpeed, u"Modem Port speed");
}

// ---- phrases

void setPhrasesDefaults(PhrasesSettings& block, std::int32_t which) {
    copyText(block.szTitle, QVX_PHRASE_TITLE_SLOT, kPhraseTitle);
    block.iNumCategories = QVX_MAX_PHRASE_CATEGORIES;
    for (int c = 0; c < QVX_MAX_PHRASE_CATEGORIES; ++c) {
        if (which != -1 && which != c) {
            continue;
        }
        PhraseCategory& category = block.categories[c];
        copyText(category.szName, QVX_PHRASE_TITLE_SLOT, kPhrases[c].name);
        for (int p = 0; p < QVX_PHRASES_PER_CATEGORY; ++p) {
            const Phrase& phrase = kPhrases[c].phrases[p];
            copyText(category.phrases[p].szLabel, QVX_PHRASE_LABEL_SLOT, phrase.label);
            copyText(category.phrases[p].szText, QVX_PHRASE_TEXT_SLOT,
                     phrase.text.empty() ? phrase.label : phrase.text);
        }
    }
}

int readPhrases(FileIoContext& context, PhrasesSettings& block, std::int32_t language) {
    setPhrasesDefaults(block, -1);
    auto decode = [&](TextReader& in, int version) {
        in.readInt(block.iNumCategories);
        block.iNumCategories = clampCount(block.iNumCategories, QVX_MAX_PHRASE_CATEGORIES);
        in.readText(block.szTitle, kPhraseTitleRead);
        for (int c = 0; c < block.iNumCategories; ++c) {
            in.readText(block.categories[c].szName, kPhraseTitleRead);
        }
        if (version >= 2) {
            in.skipLine();
        }
        for (int c = 0; c < block.iNumCategories; ++c) {
            for (PhraseEntry& phrase : block.categories[c].phrases) {
                in.readText(phrase.szLabel, kPhraseLabelRead);
                in.readText(phrase.szText, kPhraseTextRead);
            }
            in.skipLine();
        }
    };
    return context.readBlock(kPhrasesSection, u"Phrases.key", language, FileKind::Communication, decode);
}

void writePhrases(SettingsWriter& w, const PhrasesSettings& block) {
    w.sectionHeader(kPhrasesSection);
    int count = clampCount(block.iNumCategories, QVX_MAX_PHRASE_CATEGORIES);
    w.intLine(count, u"Num categories");
    w.textLine(block.szTitle, QVX_PHRASE_TITLE_SLOT);
    for (int c = 0; c < count; ++c) {
        w.textLine(block.categories[c].szName, QVX_PHRASE_TITLE_SLOT);
    }
    w.textLine(kBlockEnd);
    for (int c = 0; c < count; ++c) {
        for (const PhraseEntry& phrase : block.categories[c].phrases) {
            w.textLine(phrase.szLabel, QVX_PHRASE_LABEL_SLOT);
            w.textLine(phrase.szText, QVX_PHRASE_TEXT_SLOT);
        }
        w.textLine(kBlockEnd);
    }
}

// ---- speech

void setSpeechDefaults(SpeechSettings& block) {
    block.iVoice = kVoiceByIdentifier;
    block.iSpeed = 160;
    block.voiceModeId = kDefaultVoice;
    copyText(block.szVoiceName, QVX_VOICE_NAME_SLOT, u"");
    block.iSynthType = 8;
    block.iPortSpeed = 9600;
    copyText(block.szPortName, QVX_PORT_NAME_SLOT, u"");
}

int readSpeech(FileIoContext& context, SpeechSettings& block, std::int32_t language) {
    setSpeechDefaults(block);
    auto decode = [&](TextReader& in, int version) {
        if (in.scanInt(block.iVoice)) {
            if (block.iVoice == kVoiceByIdentifier) {
                std::u16string_view rest;
                if (in.readWholeLine(rest)) {
                    parseVoiceIdentifier(rest, block.voiceModeId);
                }
            } else if (block.iVoice == kVoiceByName) {
                char16_t name[kVoiceNameRead] = {};
                in.readText(name, kVoiceNameRead);
                std::u16string_view text(name, boundedLength(name, kVoiceNameRead));
                while (!text.empty() && (text.front() == u' ' || text.front() == u'\t')) {
                    text.remove_prefix(1);
                }
                copyText(block.szVoiceName, QVX_VOICE_NAME_SLOT, text);
            } else {
                in.skipLine();
            }
        } else {
            in.skipLine();
        }
        in.readInt(block.iSpeed);
        if (version >= 2) {
            in.readInt(block.iSynthType);
            in.readText(block.szPortName, kPortNameRead);
            in.readInt(block.iPortSpeed);
        }
    };
    int version = context.readBlock(kSpeechSection, u"Speech.key", language, FileKind::Communication, decode);
    if (version == 1 || (version == 0 && !context.sharedRead())) {
        readHardwarePort(block.iSynthType, block.szPortName, block.iPortSpeed, kSpeechHardwareSkip);
    }
    return version;
}

void writeSpeech(SettingsWriter& w, const SpeechSettings& block) {
    w.sectionHeader(kSpeechSection);
    std::u16string line = decimal(block.iVoice);
    if (block.iVoice == kVoiceByIdentifier) {
        const QvxGuid& id = block.voiceModeId;
        line += u" " + hex(id.data1, 8) + u" " + hex(id.data2, 4) + u" " + hex(id.data3, 4);
        for (std::uint8_t byte : id.data4) {
            line += u" " + hex(byte, 2);
        }
        line += u"\t\tVoice, SAPI4 GUID";
    } else if (block.iVoice == kVoiceByName) {
        line += u" ";
        line.append(block.szVoiceName, boundedLength(block.szVoiceName, QVX_VOICE_NAME_SLOT));
    } else {
        line += u"\t\tVoice";
    }
    w.textLine(line);
    w.intLine(block.iSpeed, u"Speed");
    w.intLine(block.iSynthType, u"Type");
    w.textLine(block.szPortName, QVX_PORT_NAME_SLOT);
    w.intLine(block.iPortSpeed, u"Port Speed");
}

// ---- teaching buttons

void setTeachDefaults(TeachSettings& block, std::int32_t which) {
    for (int g = 0; g < QVX_NUM_TEACH_GROUPS; ++g) {
        if (which != -1 && which != g) {
            continue;
        }
        TeachGroup& group = block.groups[g];
        group.iNumButtons = kTeach[g].count;
        for (int b = 0; b < QVX_MAX_TEACH_BUTTONS; ++b) {
            copyText(group.buttons[b].szLabel, QVX_TEACH_LABEL_SLOT, kTeach[g].buttons[b].label);
            copyText(group.buttons[b].szText, QVX_TEACH_TEXT_SLOT, kTeach[g].buttons[b].text);
        }
    }
}

int readTeach(FileIoContext& context, TeachSettings& block, std::int32_t language) {
    setTeachDefaults(block, -1);
    auto decode = [&](TextReader& in, int version) {
        for (TeachGroup& group : block.groups) {
            if (version >= 2) {
                in.readInt(group.iNumButtons);
                group.iNumButtons = clampCount(group.iNumButtons, QVX_MAX_TEACH_BUTTONS);
            }
            for (int b = 0; b < group.iNumButtons; ++b) {
                in.readText(group.buttons[b].szLabel, kTeachLabelRead);
                in.readText(group.buttons[b].szText, kTeachTextRead);
            }
            in.skipLine();
        }
    };
    return context.readBlock(kTeachSection, u"Teach.key", language, FileKind::Communication, decode);
}

void writeTeach(SettingsWriter& w, const TeachSettings& block) {
    w.sectionHeader(kTeachSection);
    for (const TeachGroup& group : block.groups) {
        int count = clampCount(group.iNumButtons, QVX_MAX_TEACH_BUTTONS);
        w.intLine(count, u"Number of buttons");
        for (int b = 0; b < count; ++b) {
            w.textLine(group.buttons[b].szLabel, QVX_TEACH_LABEL_SLOT);
            w.textLine(group.buttons[b].szText, QVX_TEACH_TEXT_SLOT);
        }
        w.textLine(kBlockEnd);
    }
}

}  // namespace qvfileio
