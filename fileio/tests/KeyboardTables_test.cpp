#include "KeyboardTables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "FileIoTest.h"

using namespace qvfileio;

namespace {

class KeyboardTablesTest : public FileIoTest {
protected:
    void SetUp() override {
        FileIoTest::SetUp();
        std::filesystem::create_directory("QVXSettings");
    }

    static void labelFile(int version, const std::string& sections) {
        testsupport::WriteFile("QVXSettings/Labels_US.qvx", utf16File(std::to_string(version) + "\r\nUS\r\n" + sections));
    }

    FileIoContext m_context;
};

std::string keyLocSection(bool sizes, const std::string& rowsCols, const std::string& rows, int layouts = 4) {
    std::string s = "Section KeyLocations\r\n";
    for (int l = 0; l < layouts; ++l) {
        s += "Layout\r\n---\r\n";
        if (sizes) {
            s += rowsCols + "\r\n";
        }
        s += "codes:\r\n" + rows;
    }
    return s;
}

}  // namespace

TEST(KeyboardDefaults, KeyLocations) {
    KeyLocationTable table{};
    table.kind = 7;
    setKeyLocDefaults(table);
    EXPECT_EQ(table.kind, 7);
    EXPECT_EQ(table.rows[3], 7);
    EXPECT_EQ(table.columns[1], 12);
    EXPECT_EQ(table.codes[0][0], 31);
    EXPECT_EQ(table.codes[0][39], -3);
    EXPECT_EQ(table.codes[0][40], -2);
    EXPECT_EQ(table.codes[1][68], -2);
    EXPECT_EQ(table.codes[3][97], -3);
    EXPECT_EQ(table.codes[2][83], 108);
    EXPECT_EQ(table.codes[2][85], 41);
}

TEST(KeyboardDefaults, AsciiCodesAndLabels) {
    auto table = std::make_unique<KeyboardAsciiCodes>();
    setKeyboardAsciiCodesDefaults(*table);
    EXPECT_EQ(table->kind, 101);
    EXPECT_EQ(table->codes[16][1], 0xE00F);
    EXPECT_EQ(table->codes[112][0], 0xE03B);
    EXPECT_EQ(table->codes[2][3], 0xE078);
    EXPECT_EQ(table->codes[124][0], 0xE072);
    EXPECT_EQ(table->codes[14][0], 0);
    EXPECT_EQ(table->codes[61][4], 0);
    EXPECT_EQ(std::u16string(table->labels[15]), u"<-BACK");
    EXPECT_EQ(std::u16string(table->labels[83]), u"/\\");
    EXPECT_EQ(std::u16string(table->labels[123]), u"F12");
    EXPECT_EQ(std::u16string(table->labels[1]), u"");
}

TEST(KeyboardDefaults, TTAMTables) {
    TTAMArray table{};
    buildTTAMArray(100, table);
    EXPECT_EQ(table.kind, 100);
    EXPECT_STREQ(table.strings[62], ",lock,ralt.");
    EXPECT_STREQ(table.strings[0], "||");
    EXPECT_STREQ(table.strings[29], "\\");
    EXPECT_STREQ(table.strings[45], "key45.");
    EXPECT_STREQ(table.strings[100], "kpstar.");
    EXPECT_STREQ(table.strings[123], "f12.");
    EXPECT_STREQ(table.strings[126], "pause.");
    EXPECT_STREQ(table.strings[127], "||");
    buildTTAMArray(103, table);
    EXPECT_STREQ(table.strings[62], ",lock,altgr.");
    buildTTAMArray(102, table);
    EXPECT_STREQ(table.strings[62], ",lock,altgr.");
    EXPECT_STREQ(table.strings[61], "^^");
}

TEST(KeyboardDefaults, ScanningKeyboardDependsOnItsKind) {
    auto layout = std::make_unique<ScanningKeyboardLayout>();
    layout->kind = 0;
    setScanningKeyboardDefaults(*layout);
    EXPECT_EQ(std::u16string(layout->groupLabels[0]), u"a-f");
    EXPECT_EQ(std::u16string(layout->subgroupLabels[0][0]), u"");
    EXPECT_EQ(std::u16string(layout->cellLabels[0][0][0]), u"a");
    EXPECT_EQ(layout->cellCodes[1][5][0], 108);
    EXPECT_EQ(std::u16string(layout->subgroupLabels[4][3]), u"Pnct");
    EXPECT_EQ(layout->cellCodes[4][3][5], 13);
    EXPECT_EQ(layout->cellCodes[5][3][4], -8);
    layout->kind = 1;
    setScanningKeyboardDefaults(*layout);
    EXPECT_EQ(std::u16string(layout->groupLabels[0]), u"");
    EXPECT_EQ(layout->cellCodes[1][5][0], 0);
}

TEST_F(KeyboardTablesTest, Version3KeyLocationsUseTheDefaultSizes) {
    std::string rows;
    for (int r = 0; r < 7; ++r) {
        rows += "1 2 -5 4 5 6 7 8 9 10 11 12 13 14\r\n\r\n";
    }
    labelFile(3, keyLocSection(false, "", rows));
    for (int kind : {0, 1}) {
        KeyLocationTable table{};
        table.kind = kind;
        EXPECT_EQ(readKeyLocations(m_context, table, 0), 3);
        EXPECT_EQ(table.rows[0], 5);
        EXPECT_EQ(table.columns[0], 8);
        EXPECT_EQ(table.columns[3], 14);
        EXPECT_EQ(table.codes[0][2], kind == 1 ? -6 : -5);
        EXPECT_EQ(table.codes[0][8], 1);  // the second row starts after eight codes
        EXPECT_EQ(table.codes[0][40], -2);
    }
}

TEST_F(KeyboardTablesTest, ShortRowsAndOversizedGrids) {
    labelFile(7, keyLocSection(true, "2 3", "1 2\r\n\r\n4 5 6 7\r\n\r\n") + "\r\n");
    KeyLocationTable table{};
    readKeyLocations(m_context, table, 0);
    EXPECT_EQ(table.rows[0], 2);
    EXPECT_EQ(table.columns[0], 3);
    EXPECT_EQ(table.codes[0][0], 1);
    EXPECT_EQ(table.codes[0][2], -2);  // missing place: empty
    EXPECT_EQ(table.codes[0][3], 4);
    EXPECT_EQ(table.codes[0][5], 6);
    EXPECT_EQ(table.codes[0][6], -2);

    std::string wide;
    for (int i = 0; i < 40; ++i) {
        wide += std::to_string(i + 1) + " ";
    }
    std::string rows;
    for (int r = 0; r < 30; ++r) {
        rows += wide + "\r\n\r\n";
    }
    labelFile(7, keyLocSection(true, "100 45", rows, 1));
    readKeyLocations(m_context, table, 0);
    EXPECT_EQ(table.columns[0], 30);
    EXPECT_EQ(table.rows[0], 16);
    EXPECT_EQ(table.codes[0][29], 30);
    EXPECT_EQ(table.codes[0][30], 1);
    EXPECT_EQ(table.codes[0][479], 30);
}

TEST_F(KeyboardTablesTest, KeyCodeColumnsByVersion) {
    std::string v6 = "Section AsciiKeyCodes\r\n101 US\r\nh1\r\nh2\r\n  147    31     0      47     0\r\n";
    labelFile(6, v6 + "\r\nSection CompKeyCodes\r\nx\r\ny\r\nz\r\n" + std::string(35, ' ') + "Esc   rest\r\n");
    auto table = std::make_unique<KeyboardAsciiCodes>();
    setKeyboardAsciiCodesDefaults(*table);
    EXPECT_EQ(readKeyboardAsciiCodes(m_context, *table, 0), 6);
    EXPECT_EQ(table->codes[0][0], 0xE047);
    EXPECT_EQ(table->codes[0][1], 0x31);
    EXPECT_EQ(table->codes[0][3], 0x47);
    EXPECT_EQ(std::u16string(table->labels[0]), u"Esc");
    EXPECT_EQ(table->codes[1][0], 0x60);  // lines not there keep the defaults

    std::string v7 =
        "Section AsciiKeyCodes\r\n101\r\nh1\r\nh2\r\n  147     31      0       47      0     Tab1234567\r\n";
    labelFile(9, v7);
    EXPECT_EQ(readKeyboardAsciiCodes(m_context, *table, 0), 9);
    EXPECT_EQ(table->codes[0][0], 0x147);
    EXPECT_EQ(std::u16string(table->labels[0]), u"Tab123");

    table->kind = 0;
    setKeyboardAsciiCodesDefaults(*table);
    EXPECT_EQ(table->kind, 101);  // the defaults set the kind, so a read always has a valid one
}

TEST_F(KeyboardTablesTest, ScanningKeyboardGrammar) {
    labelFile(7,
              "Section Scanning_Keyboard\r\nLayout 0\r\n2 - - Vowels\r\n1 1 1 left_arrow Lft\r\n1 2 - Sub\r\n"
              "1 2 3 _spk Talk\r\n1 2 4 q letterQ\r\n1 3 5 ENTER Enter\r\n2 3 x y\r\n1 1 2 a ignored\r\n\r\n"
              "****\r\nLayout 1\r\n3 - - Third\r\n");
    auto layout = std::make_unique<ScanningKeyboardLayout>();
    EXPECT_EQ(readScanningKeyboard(m_context, *layout, 0, 0), 7);
    EXPECT_EQ(std::u16string(layout->groupLabels[1]), u"Vowels");
    EXPECT_EQ(std::u16string(layout->cellLabels[0][0][0]), u"Lft");
    EXPECT_EQ(layout->cellCodes[0][0][0], 0xE04B);
    EXPECT_EQ(std::u16string(layout->subgroupLabels[0][1]), u"Sub");
    EXPECT_EQ(layout->cellCodes[0][1][2], -3);
    EXPECT_EQ(layout->cellCodes[0][1][3], u'q');
    EXPECT_EQ(std::u16string(layout->cellLabels[0][1][3]), u"letterQ");
    EXPECT_EQ(layout->cellCodes[0][2][4], 13);
    EXPECT_EQ(std::u16string(layout->cellLabels[0][0][1]), u"");   // the line after the break
    EXPECT_EQ(std::u16string(layout->cellLabels[0][3][0]), u"d");  // defaults stay

    EXPECT_EQ(readScanningKeyboard(m_context, *layout, 1, 0), 7);
    EXPECT_EQ(std::u16string(layout->groupLabels[2]), u"Third");
    EXPECT_EQ(std::u16string(layout->groupLabels[1]), u"");
}

TEST_F(KeyboardTablesTest, ScanningKeyboardWithoutALabelFile) {
    auto layout = std::make_unique<ScanningKeyboardLayout>();
    EXPECT_EQ(readScanningKeyboard(m_context, *layout, 1, 0), 0);
    EXPECT_EQ(layout->kind, 1);
    EXPECT_EQ(std::u16string(layout->groupLabels[0]), u"");
    EXPECT_EQ(layout->cellCodes[0][0][0], 0);
}
