#include "KeyboardTables.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "TextReader.h"

namespace qvfileio {

namespace {

constexpr std::u16string_view kKeyLocationsSection = u"KeyLocations";
constexpr std::u16string_view kKeyLocationsLegacy = u"axkeyloc.key";
constexpr std::u16string_view kAsciiCodesSection = u"AsciiKeyCodes";
constexpr std::u16string_view kAsciiCodesLegacy = u"keyascii.cod";
constexpr std::u16string_view kCompCodesSection = u"CompKeyCodes";
constexpr std::u16string_view kCompCodesLegacy = u"compkbd.cod";
constexpr std::u16string_view kScanningSection = u"Scanning_Keyboard";

// Key locations: the rows/columns line exists from version 4 on.
constexpr int kKeySizeVersion = 4;
constexpr std::int32_t kFaster = -5;
constexpr std::int32_t kSlower = -6;
constexpr std::int32_t kSecondKind = 1;

// Key code lines: the columns of the five codes and of the label, before and from version 7.
constexpr std::array<std::size_t, QVX_CODES_PER_KEY> kOldCodeColumns = {2, 9, 16, 23, 30};
constexpr std::array<std::size_t, QVX_CODES_PER_KEY> kCodeColumns = {2, 10, 18, 26, 34};
constexpr std::size_t kLabelColumn = 40;
constexpr std::size_t kCompLabelColumn = 35;
constexpr int kCodeColumnsVersion = 7;
constexpr int kLastCompLabelVersion = 8;
constexpr std::int32_t kOldExtendedBit = 0x100;
constexpr std::int32_t kOldToExtended = 0xDF00;
constexpr std::size_t kKeyLabelChars = QVX_KEY_LABEL_SLOT - 1;
constexpr int kCodeHeaderSkip = 2;
constexpr int kCompHeaderSkip = 3;

// Scanning keyboard.
constexpr std::size_t kScanLabelChars = QVX_SCAN_LABEL_SLOT - 1;
constexpr std::size_t kMaxKeyName = 18;
struct KeyName {
    std::u16string_view name;
    std::int32_t code;
};
constexpr KeyName kKeyNames[] = {
    {u"BACKSPACE", 8},
    {u"TAB", 9},
    {u"LINE_FEED", 10},
    {u"FORM_FEED", 12},
    {u"ENTER", 13},
    {u"CTRL_Z", 26},
    {u"ESCAPE", 27},
    {u"SPACE", 32},
    {u"HOME", 0xE047},
    {u"UP_ARROW", 0xE048},
    {u"PGUP", 0xE049},
    {u"LEFT_ARROW", 0xE04B},
    {u"RIGHT_ARROW", 0xE04D},
    {u"END", 0xE04F},
    {u"DOWN_ARROW", 0xE050},
    {u"PGDN", 0xE051},
    {u"DELETE", 0xE053},
    {u"_EXT", -1},
    {u"_CLR", -2},
    {u"_SPK", -3},
    {u"_SAV", -4},
    {u"_FST", -5},
    {u"_SLW", -6},
    {u"_RPT", -7},
    {u"_TKB", -8},
};

std::vector<std::u16string_view> tokens(std::u16string_view line) {
    std::vector<std::u16string_view> out;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && isSpace(line[pos])) {
            ++pos;
        }
        std::size_t start = pos;
        while (pos < line.size() && !isSpace(line[pos])) {
            ++pos;
        }
        if (pos > start) {
            out.push_back(line.substr(start, pos - start));
        }
    }
    return out;
}

bool startsWithDigit(std::u16string_view token) {
    return !token.empty() && token[0] >= u'0' && token[0] <= u'9';
}
bool isDash(std::u16string_view token) {
    return !token.empty() && token[0] == u'-';
}

// A group, subgroup or cell number 1..10 as an index 0..9; -1 when the token is not one.
int slotOf(std::u16string_view token) {
    std::int32_t n = 0;
    if (!startsWithDigit(token) || parseInt(token, n) == 0 || n < 1 || n > QVX_SCAN_SLOTS) {
        return -1;
    }
    return n - 1;
}

char16_t upper(char16_t c) {
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

std::int32_t keyCode(std::u16string_view name) {
    name = name.substr(0, kMaxKeyName);
    for (const KeyName& k : kKeyNames) {
        if (k.name.size() == name.size() && std::equal(name.begin(), name.end(), k.name.begin(),
                                                       [](char16_t a, char16_t b) { return upper(a) == b; })) {
            return k.code;
        }
    }
    return name.empty() ? 0 : name[0];
}

void storeLabel(char16_t* field, std::u16string_view label) {
    copyText(field, QVX_SCAN_LABEL_SLOT, label.substr(0, kScanLabelChars));
}

// One line of the layout grammar; false when the line ends the layout.
bool applyScanLine(ScanningKeyboardLayout& layout, std::u16string_view line) {
    auto t = tokens(line);
    if (t.empty() || !startsWithDigit(t[0])) {
        return false;
    }
    int g = slotOf(t[0]);
    if (g < 0 || t.size() < 2) {
        return false;
    }
    auto labelAt = [&](std::size_t i) { return i < t.size() ? t[i] : std::u16string_view(); };
    if (isDash(t[1])) {
        if (t.size() < 3 || !isDash(t[2])) {
            return false;
        }
        storeLabel(layout.groupLabels[g], labelAt(3));
        return true;
    }
    int s = slotOf(t[1]);
    if (s < 0 || t.size() < 3) {
        return false;
    }
    if (isDash(t[2])) {
        storeLabel(layout.subgroupLabels[g][s], labelAt(3));
        return true;
    }
    int c = slotOf(t[2]);
    if (c < 0 || t.size() < 4) {
        return false;
    }
    layout.cellCodes[g][s][c] = keyCode(t[3]);
    storeLabel(layout.cellLabels[g][s][c], labelAt(4));
    return true;
}

// The label at a column: at most six characters, up to the first space.
void labelAt(std::u16string_view line, std::size_t column, char16_t* field) {
    if (column >= line.size()) {
        copyText(field, QVX_KEY_LABEL_SLOT, u"");
        return;
    }
    std::u16string_view rest = line.substr(column, kKeyLabelChars);
    std::size_t end = 0;
    while (end < rest.size() && rest[end] != u' ' && rest[end] != u'\t') {
        ++end;
    }
    copyText(field, QVX_KEY_LABEL_SLOT, rest.substr(0, end));
}

void skipSpaces(std::u16string_view& text) {
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
}

}  // namespace

int readKeyLocations(FileIoContext& context, KeyLocationTable& table, std::int32_t language) {
    setKeyLocDefaults(table);
    auto decode = [&](TextReader& in, int version) {
        for (int l = 0; l < QVX_NUM_KEY_LAYOUTS; ++l) {
            in.skipLines(2);
            std::u16string_view line;
            if (version >= kKeySizeVersion && in.readWholeLine(line)) {
                LineScanner scan(line);
                std::int32_t rows, columns;
                if (scan.autoInt(rows) && scan.autoInt(columns)) {
                    // A grid larger than the table holds is cut: at most 30 columns and 500 codes.
                    table.columns[l] = std::clamp(columns, 0, QVX_MAX_KEY_COLUMNS);
                    int maxRows = table.columns[l] > 0 ? QVX_MAX_LAYOUT_CODES / table.columns[l] : 0;
                    table.rows[l] = std::clamp(rows, 0, maxRows);
                }
            }
            in.skipLine();
            std::fill(std::begin(table.codes[l]), std::end(table.codes[l]), QVX_KEY_EMPTY);
            int next = 0;
            for (int r = 0; r < table.rows[l]; ++r) {
                std::u16string_view row;
                if (!in.readWholeLine(row)) {
                    row = {};
                }
                std::vector<std::int32_t> values;
                while (values.size() < static_cast<std::size_t>(QVX_MAX_KEY_COLUMNS)) {
                    skipSpaces(row);
                    std::int32_t v;
                    std::size_t used = parseInt(row, v);
                    if (used == 0) {
                        break;
                    }
                    values.push_back(v);
                    row.remove_prefix(used);
                }
                for (int c = 0; c < table.columns[l]; ++c) {
                    // A short row leaves its missing places empty.
                    std::int32_t code = c < static_cast<int>(values.size()) ? values[c] : QVX_KEY_EMPTY;
                    if (table.kind == kSecondKind && code == kFaster) {
                        code = kSlower;
                    }
                    table.codes[l][next++] = code;
                }
                in.skipLine();
            }
        }
    };
    return context.readBlock(kKeyLocationsSection, kKeyLocationsLegacy, language, FileKind::Labels, decode);
}

int readKeyboardAsciiCodes(FileIoContext& context, KeyboardAsciiCodes& table, std::int32_t language) {
    setKeyboardAsciiCodesDefaults(table);
    int version = context.openBlock(kAsciiCodesSection, kAsciiCodesLegacy, language, FileKind::Labels);
    if (version == 0 || !context.file()) {
        context.closeUnlessShared();
        return 0;
    }
    TextReader* in = context.file();
    std::u16string_view line;
    in->readWholeLine(line);
    if (table.kind != 101 && table.kind != 102) {
        context.closeUnlessShared();
        return 0;
    }
    in->skipLines(kCodeHeaderSkip);
    const auto& columns = version < kCodeColumnsVersion ? kOldCodeColumns : kCodeColumns;
    for (int key = 0; key < QVX_NUM_KEYS; ++key) {
        if (!in->readWholeLine(line)) {
            break;
        }
        for (int i = 0; i < QVX_CODES_PER_KEY; ++i) {
            if (columns[i] >= line.size()) {
                break;
            }
            std::u16string_view field = line.substr(columns[i]);
            skipSpaces(field);
            std::int32_t code;
            if (parseHex(field, code) == 0) {
                continue;
            }
            if (version < kCodeColumnsVersion && (code & kOldExtendedBit) != 0) {
                code += kOldToExtended;
            }
            table.codes[key][i] = code;
        }
        if (version >= kCodeColumnsVersion) {
            labelAt(line, kLabelColumn, table.labels[key]);
        }
    }
    if (version >= 1 && version <= kLastCompLabelVersion) {
        context.closeUnlessShared();
        int comp = context.openBlock(kCompCodesSection, kCompCodesLegacy, language, FileKind::Labels);
        if (comp != 0 && context.file()) {
            in = context.file();
            in->skipLines(kCompHeaderSkip);
            for (int key = 0; key < QVX_NUM_KEYS && in->readWholeLine(line); ++key) {
                labelAt(line, kCompLabelColumn, table.labels[key]);
            }
        }
    }
    context.closeUnlessShared();
    return version;
}

int readScanningKeyboard(FileIoContext& context, ScanningKeyboardLayout& layout, std::int32_t kind,
                         std::int32_t language) {
    layout.kind = kind;
    setScanningKeyboardDefaults(layout);
    auto decode = [&](TextReader& in, int) {
        std::u16string_view line;
        if (kind == kSecondKind) {
            // Past the first layout: up to its first empty line or a line whose number is out
            // of range.
            in.skipLine();
            while (in.readWholeLine(line)) {
                if (line.empty()) {
                    break;
                }
                std::u16string_view rest = line;
                skipSpaces(rest);
                std::int32_t n;
                if (parseInt(rest, n) > 0 && (n < 1 || n > QVX_SCAN_SLOTS)) {
                    break;
                }
            }
            in.skipLine();
        }
        in.skipLine();
        while (in.readWholeLine(line) && !line.empty() && applyScanLine(layout, line)) {
        }
    };
    return context.readBlock(kScanningSection, u"", language, FileKind::Labels, decode);
}

}  // namespace qvfileio
