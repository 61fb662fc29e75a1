#include "Labels.h"

#include <gtest/gtest.h>

#include <memory>

#include "FileIoTest.h"

using namespace qvfileio;

namespace {

class LabelsTest : public FileIoTest {
protected:
    void SetUp() override {
        FileIoTest::SetUp();
        std::filesystem::create_directory("QVXSettings");
    }
    FileIoContext m_context;
};

std::string lines(const std::string& prefix, int n) {
    std::string s;
    for (int i = 1; i <= n; ++i) {
        s += prefix + std::to_string(i) + "\r\n";
    }
    return s;
}

}  // namespace

TEST(LabelDefaults, Groups) {
    QvxCalLabels cal{};
    setCalLabelDefaults(cal);
    EXPECT_EQ(std::u16string(cal.labels[16]), u"Or Press F2");
    QvxMenuLabels menu{};
    setMenuLabelDefaults(menu);
    EXPECT_EQ(menu.iNumItems, 6);
    EXPECT_EQ(std::u16string(menu.items[5]), u"Score Four");
    EXPECT_EQ(std::u16string(menu.items[6]), u"");
    QvxReadLabels read{};
    setReadLabelDefaults(read);
    EXPECT_EQ(std::u16string(read.longTexts[1]), u"Unable to locate any files for reading...");
    EXPECT_EQ(std::u16string(read.moreLabels[1]), u"TERMINATING");
    QvxPhoneLabels phone{};
    setPhoneLabelDefaults(phone);
    EXPECT_EQ(std::u16string(phone.labels[10]), u"");
    EXPECT_EQ(std::u16string(phone.labels[19]), u"OPER");
}

TEST_F(LabelsTest, Version2CalibrationReadsNineLabels) {
    testsupport::WriteFile("QVXSettings/Labels_US.qvx", utf16File("2\r\nUS\r\nSection Calibration\r\n" + lines("cal", 17) +
                                                      "Section Read\r\n" + lines("r", 14)));
    auto record = std::make_unique<QvxLabelsRecord>();
    record->language = -1;
    EXPECT_EQ(readLabels(m_context, *record), 0);  // no menu section
    EXPECT_EQ(record->language, 0);
    EXPECT_EQ(std::u16string(record->cal.labels[8]), u"cal9");
    EXPECT_EQ(std::u16string(record->cal.labels[9]), u"Switch back to Right Eye");
    EXPECT_EQ(std::u16string(record->kbd.labels[0]), u"OUT");
}

TEST_F(LabelsTest, MissingReadSectionKeepsItsDefaults) {
    std::string file = "7\r\nUS\r\nSection Menu\r\nMENU\r\nAgain\r\n50\r\n" + lines("item", 100) +
                       "Section Calibration\r\n" + lines("c", 17) + "Section Paddle\r\n" + std::string(200, 'p') +
                       "\r\n";
    testsupport::WriteFile("QVXSettings/Labels_US.qvx", utf16File(file));
    auto record = std::make_unique<QvxLabelsRecord>();
    record->language = 0;
    EXPECT_EQ(readLabels(m_context, *record), 7);
    EXPECT_EQ(std::u16string(record->menu.szTitle), u"MENU");
    EXPECT_EQ(record->menu.iNumItems, 40);
    EXPECT_EQ(std::u16string(record->menu.items[0]), u"item1");
    EXPECT_EQ(std::u16string(record->menu.programs[0]), u"item2");
    EXPECT_EQ(std::u16string(record->cal.labels[16]), u"c17");
    EXPECT_EQ(std::u16string(record->paddle.labels[0]).size(), 48u);
    EXPECT_EQ(std::u16string(record->read.labels[0]), u"Select File");
    EXPECT_FALSE(m_context.sharedRead());
    EXPECT_EQ(m_context.file(), nullptr);
}

TEST_F(LabelsTest, OlderMenuFiles) {
    testsupport::WriteFile("menu.lab", "Old Menu\r\nRecal\r\n");
    QvxMenuLabels menu{};
    EXPECT_EQ(readMenuLabels(m_context, menu, 0), 0);  // no "menu.key"
    EXPECT_EQ(std::u16string(menu.szTitle), u"Old Menu");
    testsupport::WriteFile("menu.key", "2\r\nWrite\r\nwrite.exe\r\nPlay\r\nplay.exe\r\n");
    EXPECT_EQ(readMenuLabels(m_context, menu, 0), 1);
    EXPECT_EQ(menu.iNumItems, 2);
    EXPECT_EQ(std::u16string(menu.programs[1]), u"play.exe");
    EXPECT_FALSE(m_context.conversionDone(FileKind::Communication));
    EXPECT_FALSE(m_context.conversionDone(FileKind::Tracker));
}
