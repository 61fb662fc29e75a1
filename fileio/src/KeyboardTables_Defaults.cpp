// The built-in contents of the keyboard tables.
#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "KeyboardTables.h"
#include "TextReader.h"

namespace qvfileio {

namespace {

constexpr std::array<int, QVX_NUM_KEY_LAYOUTS> kRows = {5, 6, 7, 7};
constexpr std::array<int, QVX_NUM_KEY_LAYOUTS> kColumns = {8, 12, 14, 14};

constexpr int kLayout0[] = {31, 50, 48, 33, 19, 34, 35, 36, 24, 37, 38, 39, 52, 51, 25, 26, 17, 20, 32, 21,
                            23, 49, 18, 47, 2,  55, 53, 22, 46, 54, 15, -3, -1, 43, -5, 61, -3, -4, -3, -3};
constexpr int kLayout1[] = {110, 79, 89, 83, 84, 80, 81, 85, 86, 12, 13, -1, 41, 2,  3,  4,  5,  6,
                            7,   8,  9,  10, 11, 76, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 43,
                            44,  31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 57, -3, 46, 47, 48, 49, 50,
                            51,  52, 53, 54, 55, -3, 30, 58, 60, -5, 61, -3, -3, -3, -2, -4, 15, -3};
constexpr int kLayout2[] = {
    110, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123, -1, 1,  2,   3,   4,  5,  6,  7,  8,  9,  10, 11,
    124, 126, -5,  58,  60,  31,  50,  48,  33,  19,  34,  15,  -3,  90, 95, 100, 105, 16, 30, 35, 36, 24, 37, 38, 39,
    43,  -3,  80,  83,  85,  106, 44,  -3,  52,  51,  61,  -3,  25,  26, 57, -3,  79,  -4, 89, -3, 29, 55, 17, 20, 32,
    21,  23,  49,  27,  28,  81,  84,  86,  108, 40,  41,  53,  18,  47, 22, 46,  54,  12, 13, 75, -3, 76, -3};
constexpr int kLayout3[] = {
    110, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123, -1, 1,  2,   3,   4,  5,  6,  7,  8,  9,  10, 11,
    124, 126, -5,  58,  60,  17,  18,  38,  37,  22,  26,  15,  -3,  90, 95, 100, 105, 16, 30, 23, 21, 36, 19, 20, 39,
    43,  -3,  80,  83,  85,  106, 44,  -3,  34,  32,  61,  -3,  51,  35, 57, -3,  79,  -4, 89, -3, 29, 55, 48, 33, 25,
    31,  24,  52,  27,  28,  81,  84,  86,  108, 40,  41,  53,  46,  47, 49, 50,  54,  12, 13, 75, -3, 76, -3};

struct LayoutCodes {
    const int* codes;
    std::size_t count;
};
constexpr std::array<LayoutCodes, QVX_NUM_KEY_LAYOUTS> kLayouts = {{
    {kLayout0, std::size(kLayout0)},
    {kLayout1, std::size(kLayout1)},
    {kLayout2, std::size(kLayout2)},
    {kLayout3, std::size(kLayout3)},
}};

struct KeyCodes {
    int key;
    std::array<std::int32_t, 4> codes;  // plain, Shift, Control, Alt
};
constexpr KeyCodes kKeyCodes[] = {{1, {0x60, 0x7E, 0x0, 0xE029}},
                                  {2, {0x31, 0x21, 0x0, 0xE078}},
                                  {3, {0x32, 0x40, 0x0, 0xE079}},
                                  {4, {0x33, 0x23, 0x0, 0xE07A}},
                                  {5, {0x34, 0x24, 0x0, 0xE07B}},
                                  {6, {0x35, 0x25, 0x0, 0xE07C}},
                                  {7, {0x36, 0x5E, 0x0, 0xE07D}},
                                  {8, {0x37, 0x26, 0x0, 0xE07E}},
                                  {9, {0x38, 0x2A, 0x0, 0xE07F}},
                                  {10, {0x39, 0x28, 0x0, 0xE080}},
                                  {11, {0x30, 0x29, 0x0, 0xE081}},
                                  {12, {0x2D, 0x5F, 0x1F, 0xE082}},
                                  {13, {0x3D, 0x2B, 0x1E, 0xE083}},
                                  {15, {0x8, 0x8, 0x7F, 0xE00E}},
                                  {16, {0x9, 0xE00F, 0xE094, 0xE0A5}},
                                  {17, {0x71, 0x51, 0x11, 0xE010}},
                                  {18, {0x77, 0x57, 0x17, 0xE011}},
                                  {19, {0x65, 0x45, 0x5, 0xE012}},
                                  {20, {0x72, 0x52, 0x12, 0xE013}},
                                  {21, {0x74, 0x54, 0x14, 0xE014}},
                                  {22, {0x79, 0x59, 0x19, 0xE015}},
                                  {23, {0x75, 0x55, 0x15, 0xE016}},
                                  {24, {0x69, 0x49, 0x9, 0xE017}},
                                  {25, {0x6F, 0x4F, 0xF, 0xE018}},
                                  {26, {0x70, 0x50, 0x10, 0xE019}},
                                  {27, {0x5B, 0x7B, 0x1B, 0xE01A}},
                                  {28, {0x5D, 0x7D, 0x1D, 0xE01B}},
                                  {29, {0x5C, 0x7C, 0x1C, 0xE02B}},
                                  {31, {0x61, 0x41, 0x1, 0xE01E}},
                                  {32, {0x73, 0x53, 0x13, 0xE01F}},
                                  {33, {0x64, 0x44, 0x4, 0xE020}},
                                  {34, {0x66, 0x46, 0x6, 0xE021}},
                                  {35, {0x67, 0x47, 0x7, 0xE022}},
                                  {36, {0x68, 0x48, 0x8, 0xE023}},
                                  {37, {0x6A, 0x4A, 0xA, 0xE024}},
                                  {38, {0x6B, 0x4B, 0xB, 0xE025}},
                                  {39, {0x6C, 0x4C, 0xC, 0xE026}},
                                  {40, {0x3B, 0x3A, 0x0, 0xE027}},
                                  {41, {0x27, 0x22, 0x0, 0xE028}},
                                  {42, {0x5C, 0x7C, 0x1C, 0xE02B}},
                                  {43, {0xD, 0xD, 0xA, 0xE01C}},
                                  {46, {0x7A, 0x5A, 0x1A, 0xE02C}},
                                  {47, {0x78, 0x58, 0x18, 0xE02D}},
                                  {48, {0x63, 0x43, 0x3, 0xE02E}},
                                  {49, {0x76, 0x56, 0x16, 0xE02F}},
                                  {50, {0x62, 0x42, 0x2, 0xE030}},
                                  {51, {0x6E, 0x4E, 0xE, 0xE031}},
                                  {52, {0x6D, 0x4D, 0xD, 0xE032}},
                                  {53, {0x2C, 0x3C, 0x0, 0xE033}},
                                  {54, {0x2E, 0x3E, 0x0, 0xE034}},
                                  {55, {0x2F, 0x3F, 0x0, 0xE035}},
                                  {61, {0x20, 0x20, 0x20, 0x20}},
                                  {75, {0xE052, 0xE052, 0xE092, 0xE0A2}},
                                  {76, {0xE053, 0xE053, 0xE093, 0xE0A3}},
                                  {79, {0xE04B, 0xE04B, 0xE073, 0xE09B}},
                                  {80, {0xE047, 0xE047, 0xE077, 0xE097}},
                                  {81, {0xE04F, 0xE04F, 0xE075, 0xE09F}},
                                  {83, {0xE048, 0xE048, 0xE08D, 0xE098}},
                                  {84, {0xE050, 0xE050, 0xE091, 0xE0A0}},
                                  {85, {0xE049, 0xE049, 0xE084, 0xE099}},
                                  {86, {0xE051, 0xE051, 0xE076, 0xE0A1}},
                                  {89, {0xE04D, 0xE04D, 0xE074, 0xE09D}},
                                  {91, {0xE047, 0x37, 0xE077, 0x0}},
                                  {92, {0xE075, 0x34, 0xE073, 0x0}},
                                  {93, {0xE04F, 0x31, 0xE075, 0x0}},
                                  {95, {0x2F, 0x2F, 0xE095, 0xE0A4}},
                                  {96, {0x0, 0x38, 0xE08D, 0x0}},
                                  {97, {0xE04C, 0x35, 0xE08F, 0x0}},
                                  {98, {0xE050, 0x32, 0xE091, 0x0}},
                                  {99, {0xE052, 0x30, 0xE092, 0x0}},
                                  {100, {0x2A, 0x2A, 0xE096, 0xE037}},
                                  {101, {0x0, 0x39, 0xE084, 0x0}},
                                  {102, {0x0, 0x36, 0x0, 0x0}},
                                  {103, {0xE051, 0x33, 0xE076, 0x0}},
                                  {104, {0xE053, 0x2E, 0xE093, 0x0}},
                                  {105, {0x2D, 0x2D, 0xE08E, 0xE04A}},
                                  {106, {0x2B, 0x2B, 0xE090, 0xE04E}},
                                  {108, {0xD, 0xD, 0xA, 0xE0A6}},
                                  {110, {0x1B, 0x1B, 0x1B, 0x0}},
                                  {112, {0xE03B, 0xE054, 0xE05E, 0xE068}},
                                  {113, {0xE03C, 0xE055, 0xE05F, 0xE069}},
                                  {114, {0xE03D, 0xE056, 0xE060, 0xE06A}},
                                  {115, {0xE03E, 0xE057, 0xE061, 0xE06B}},
                                  {116, {0xE03F, 0xE058, 0xE062, 0xE06C}},
                                  {117, {0xE040, 0xE059, 0xE063, 0xE06D}},
                                  {118, {0xE041, 0xE05A, 0xE064, 0xE06E}},
                                  {119, {0xE042, 0xE05B, 0xE065, 0xE06F}},
                                  {120, {0xE043, 0xE05C, 0xE066, 0xE070}},
                                  {121, {0xE044, 0xE05D, 0xE067, 0xE071}},
                                  {122, {0xE085, 0xE087, 0xE089, 0xE08B}},
                                  {123, {0xE086, 0xE088, 0xE08A, 0xE08C}},
                                  {124, {0xE072, 0x0, 0x0, 0x0}}};

struct KeyLabel {
    int key;
    std::u16string_view label;
};
constexpr KeyLabel kKeyLabels[] = {
    {15, u"<-BACK"}, {16, u"TAB"},   {30, u"SL"},   {43, u"ENT"},  {44, u"SHF"},  {57, u"SHF"}, {58, u"CTL"},
    {60, u"ALT"},    {61, u"SPACE"}, {62, u"ALT"},  {64, u"CTL"},  {75, u"INS"},  {76, u"DEL"}, {79, u"<-"},
    {80, u"Hom"},    {81, u"End"},   {83, u"/\\"},  {84, u"\\/"},  {85, u"PgU"},  {86, u"PgD"}, {89, u"->"},
    {90, u"NLk"},    {104, u"DEL"},  {108, u"ENT"}, {110, u"ESC"}, {112, u"F1"},  {113, u"F2"}, {114, u"F3"},
    {115, u"F4"},    {116, u"F5"},   {117, u"F6"},  {118, u"F7"},  {119, u"F8"},  {120, u"F9"}, {121, u"F10"},
    {122, u"F11"},   {123, u"F12"},  {124, u"Prt"}, {125, u"ScL"}, {126, u"Pse"},
};

constexpr std::int32_t kDefaultKeyboardKind = 101;
constexpr int kTTAM102Key = 62;
constexpr const char* kTTAM102Command = ",lock,altgr.";
constexpr const char* kNoCommand = "||";

// The 101-key TTAM command strings by key number.
constexpr std::array<const char*, QVX_NUM_KEYS> kTTAM101 = {
    "||",
    "`",
    "1",
    "2",
    "3",
    "4",
    "5",
    "6",
    "7",
    "8",
    "9",
    "0",
    "-",
    "=",
    "||",
    "backspace.",
    "tab.",
    "q",
    "w",
    "e",
    "r",
    "t",
    "y",
    "u",
    "i",
    "o",
    "p",
    "[",
    "]",
    "\\",
    "||",
    "a",
    "s",
    "d",
    "f",
    "g",
    "h",
    "j",
    "k",
    "l",
    ";",
    "'",
    "\\",
    "enter.",
    ",lock,lshift.",
    "key45.",
    "z",
    "x",
    "c",
    "v",
    "b",
    "n",
    "m",
    ",",
    ".",
    "/",
    "m",
    ",lock,rshift.",
    ",lock,lctrl.",
    "||",
    ",lock,lalt.",
    "^^",
    ",lock,ralt.",
    "||",
    ",lock,rctrl.",
    "||",
    "||",
    "||",
    "||",
    "||",
    "||",
    "||",
    "||",
    "||",
    "||",
    "kpins.",
    "kpdel.",
    "||",
    "||",
    "left.",
    "home.",
    "end.",
    "||",
    "up.",
    "down.",
    "pageup.",
    "pagedown.",
    "||",
    "||",
    "right.",
    "numlock.",
    "kphome.",
    "kpleft.",
    "kpend.",
    "||",
    "/",
    "kpup.",
    "kp5.",
    "kpdown.",
    "kpins.",
    "kpstar.",
    "kppgup.",
    "kpright.",
    "kppgdn.",
    "kpdel.",
    "kpminus.",
    "kpplus.",
    "||",
    "kpenter.",
    "||",
    "esc.",
    "||",
    "f1.",
    "f2.",
    "f3.",
    "f4.",
    "f5.",
    "f6.",
    "f7.",
    "f8.",
    "f9.",
    "f10.",
    "f11.",
    "f12.",
    "print.",
    "scroll.",
    "pause.",
    "||",
};

// Scanning keyboard alphabet layout: one-cell subgroups have no label of their own.
struct Cell {
    std::u16string_view label;
    std::int32_t code;
};
struct Subgroup {
    std::u16string_view label;
    std::array<Cell, QVX_SCAN_SLOTS> cells;
};
struct Group {
    std::u16string_view label;
    std::array<Subgroup, QVX_SCAN_SLOTS> subgroups;
};

constexpr Subgroup one(std::u16string_view label, std::int32_t code) {
    return {u"", {{{label, code}}}};
}

constexpr std::int32_t kClear = -2;
constexpr std::int32_t kSpeak = -3;
constexpr std::int32_t kSave = -4;
constexpr std::int32_t kFaster = -5;
constexpr std::int32_t kSlower = -6;
constexpr std::int32_t kTalkKeyboard = -8;

const std::array<Group, 6> kAlphabet = {{
    {u"a-f", {{one(u"a", 97), one(u"b", 98), one(u"c", 99), one(u"d", 100), one(u"e", 101), one(u"f", 102)}}},
    {u"g-l", {{one(u"g", 103), one(u"h", 104), one(u"i", 105), one(u"j", 106), one(u"k", 107), one(u"l", 108)}}},
    {u"m-r", {{one(u"m", 109), one(u"n", 110), one(u"o", 111), one(u"p", 112), one(u"q", 113), one(u"r", 114)}}},
    {u"s-x", {{one(u"s", 115), one(u"t", 116), one(u"u", 117), one(u"v", 118), one(u"w", 119), one(u"x", 120)}}},
    {u"y-num",
     {{one(u"y", 121),
       one(u"z", 122),
       one(u"Spc", 32),
       {u"Pnct", {{{u".", 46}, {u",", 44}, {u"?", 63}, {u";", 59}, {u"!", 33}, {u"Ent", 13}}}},
       {u"N1", {{{u"0", 48}, {u"1", 49}, {u"2", 50}, {u"3", 51}, {u"4", 52}, {u"5", 53}}}},
       {u"N2", {{{u"6", 54}, {u"7", 55}, {u"8", 56}, {u"9", 57}, {u"-", 45}, {u"=", 61}}}}}}},
    {u"Util",
     {{one(u"Back", 8),
       one(u"Ent", 13),
       one(u"Spk", kSpeak),
       {u"QVC",
        {{{u"Clr", kClear}, {u"Fst", kFaster}, {u"Slw", kSlower}, {u"Save", kSave}, {u"TKb", kTalkKeyboard}}}}}}},
}};

}  // namespace

void setKeyLocDefaults(KeyLocationTable& table) {
    for (int l = 0; l < QVX_NUM_KEY_LAYOUTS; ++l) {
        table.rows[l] = kRows[l];
        table.columns[l] = kColumns[l];
        std::fill(std::begin(table.codes[l]), std::end(table.codes[l]), QVX_KEY_EMPTY);
        std::copy_n(kLayouts[l].codes, kLayouts[l].count, table.codes[l]);
    }
}

void setKeyboardAsciiCodesDefaults(KeyboardAsciiCodes& table) {
    table.kind = kDefaultKeyboardKind;
    table.kind2 = 0;
    for (auto& label : table.labels) {
        copyText(label, QVX_KEY_LABEL_SLOT, u"");
    }
    for (auto& codes : table.codes) {
        std::fill(std::begin(codes), std::end(codes), 0);
    }
    for (const KeyCodes& k : kKeyCodes) {
        std::copy(k.codes.begin(), k.codes.end(), table.codes[k.key]);
    }
    for (const KeyLabel& k : kKeyLabels) {
        copyText(table.labels[k.key], QVX_KEY_LABEL_SLOT, k.label);
    }
}

void buildTTAMArray(std::int32_t kind, TTAMArray& table) {
    table.kind = kind;
    bool table102 = kind - kDefaultKeyboardKind > 0;
    for (int key = 0; key < QVX_NUM_KEYS; ++key) {
        const char* command = (table102 && key == kTTAM102Key) ? kTTAM102Command : kTTAM101[key];
        std::memset(table.strings[key], 0, QVX_TTAM_SLOT);
        std::strncpy(table.strings[key], command ? command : kNoCommand, QVX_TTAM_SLOT - 1);
    }
}

void setScanningKeyboardDefaults(ScanningKeyboardLayout& layout) {
    // Every label empty and every code 0: all bits zero (thousands of fields, so not one by one).
    std::memset(layout.groupLabels, 0, sizeof layout.groupLabels);
    std::memset(layout.subgroupLabels, 0, sizeof layout.subgroupLabels);
    std::memset(layout.cellLabels, 0, sizeof layout.cellLabels);
    std::memset(layout.cellCodes, 0, sizeof layout.cellCodes);
    if (layout.kind != 0) {
        return;
    }
    for (std::size_t g = 0; g < kAlphabet.size(); ++g) {
        copyText(layout.groupLabels[g], QVX_SCAN_LABEL_SLOT, kAlphabet[g].label);
        for (int s = 0; s < QVX_SCAN_SLOTS; ++s) {
            const Subgroup& sub = kAlphabet[g].subgroups[s];
            copyText(layout.subgroupLabels[g][s], QVX_SCAN_LABEL_SLOT, sub.label);
            for (int c = 0; c < QVX_SCAN_SLOTS; ++c) {
                copyText(layout.cellLabels[g][s][c], QVX_SCAN_LABEL_SLOT, sub.cells[c].label);
                layout.cellCodes[g][s][c] = sub.cells[c].code;
            }
        }
    }
}

}  // namespace qvfileio
