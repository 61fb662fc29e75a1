// Validated fields: typing into the real fields and leaving them with real focus moves.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cmath>

#include "FieldTestPage.h"
#include "SettingsTestSupport.h"

namespace {

class FieldTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_page.SetBlock(&m_block);
        g_bPagesReady = false;
        m_page.OnSetActive();
        ASSERT_TRUE(ShowActive(&m_page));
    }
    // Types into a field and moves the focus to the next field, as Tab would.
    void TypeAndLeave(QWidget* field, const QString& text, QWidget* next) {
        TypeInto(field, text);
        next->setFocus(Qt::TabFocusReason);
    }

    ScriptedMessageBoxes m_boxes;
    FieldTestBlock m_block;
    FieldTestPage m_page;
};

TEST_F(FieldTest, TextWithoutNumberOffersTheLowerBoundAndOkTakesIt) {
    TypeAndLeave(m_page.count, QStringLiteral("abc"), m_page.offset);
    ASSERT_EQ(m_boxes.asked.size(), 1);
    EXPECT_EQ(m_boxes.asked[0].caption, QStringLiteral("Value is out of Range"));
    EXPECT_EQ(m_boxes.asked[0].text, QStringLiteral("The Fixation Count is out of range.\nWould you like to change it?\n"
                                                  "Press OK to change it to 1\nPress CANCEL to return to the field"));
    EXPECT_EQ(m_block.count, 1);
    EXPECT_EQ(m_page.count->text(), QStringLiteral("   1"));
    EXPECT_TRUE(m_page.IsModified());
}

TEST_F(FieldTest, TooLargeOffersTheUpperBound) {
    TypeAndLeave(m_page.count, QStringLiteral("30"), m_page.offset);
    ASSERT_EQ(m_boxes.asked.size(), 1);
    EXPECT_TRUE(m_boxes.asked[0].text.contains(QStringLiteral("Press OK to change it to 25\n")));
    EXPECT_EQ(m_block.count, 25);
}

TEST_F(FieldTest, CancelRestoresTheOldValueWithTheFocusInTheField) {
    m_boxes.answers = {MsgAnswer::Cancel};
    TypeAndLeave(m_page.count, QStringLiteral("30"), m_page.offset);
    EXPECT_EQ(m_block.count, 10);
    EXPECT_EQ(m_page.count->text(), QStringLiteral("  10"));
    EXPECT_TRUE(m_page.count->hasFocus());
}

TEST_F(FieldTest, TextWithoutNumberIsSilentlyZeroWhenTheRangeHoldsZero) {
    TypeAndLeave(m_page.offset, QStringLiteral("abc"), m_page.count);
    EXPECT_TRUE(m_boxes.asked.isEmpty());
    EXPECT_EQ(m_block.offset, 0);
    EXPECT_EQ(m_page.offset->text(), QStringLiteral("   0"));
}

TEST_F(FieldTest, NumberFollowedByLettersKeepsTheNumberRightAligned) {
    TypeAndLeave(m_page.count, QStringLiteral("12xyz"), m_page.offset);
    EXPECT_TRUE(m_boxes.asked.isEmpty());
    EXPECT_EQ(m_block.count, 12);
    EXPECT_EQ(m_page.count->text(), QStringLiteral("  12"));
}

TEST_F(FieldTest, FloatFieldShowsAndTakesValuesAtItsScale) {
    EXPECT_EQ(m_page.length->text(), QStringLiteral("   50.000"));
    TypeAndLeave(m_page.length, QStringLiteral("60"), m_page.count);
    EXPECT_FLOAT_EQ(m_block.length, 600.0f);
    EXPECT_EQ(m_page.length->text(), QStringLiteral("   60.000"));
}

TEST_F(FieldTest, LeavingAFieldWithoutTypingMarksNothing) {
    m_page.count->setFocus(Qt::TabFocusReason);
    m_page.offset->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(m_page.IsModified());
}

TEST_F(FieldTest, LeavingUntypedFieldsKeepsTheirExactValuesAndAsksNothing) {
    m_block.count = 40;         // out of range, as a hand-edited file may hold it
    m_block.length = 123.456f;  // shown as 12.346, which would read back as 123.46
    m_page.OnSetActive();
    m_page.count->setFocus(Qt::TabFocusReason);
    m_page.offset->setFocus(Qt::TabFocusReason);
    m_page.length->setFocus(Qt::TabFocusReason);
    m_page.count->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(m_boxes.asked.isEmpty());
    EXPECT_EQ(m_block.count, 40);
    EXPECT_EQ(m_block.length, 123.456f);
    EXPECT_EQ(m_page.length->Value(), 123.456f);
    EXPECT_FALSE(m_page.IsModified());
}

TEST_F(FieldTest, FloatRangeIsCheckedInTheBlocksUnit) {
    m_page.length->SetRange(0.0f, 1000.0f, QStringLiteral("Length"));
    TypeAndLeave(m_page.length, QStringLiteral("150"), m_page.count);  // 1500 in the block's unit
    ASSERT_EQ(m_boxes.asked.size(), 1);
    EXPECT_TRUE(m_boxes.asked[0].text.contains(QStringLiteral("Press OK to change it to  1000.0000\n")));
    EXPECT_FLOAT_EQ(m_block.length, 1000.0f);
    EXPECT_EQ(m_page.length->text(), QStringLiteral("  100.000"));
}

TEST(FieldBeforeAnyPage, LeavingAFieldBeforeAnyPageWasActivatedStoresNothing) {
    ScriptedMessageBoxes boxes;
    FieldTestBlock block;
    FieldTestPage page;
    page.SetBlock(&block);
    g_bPagesReady = false;
    page.EnsureCreated();  // created, never activated
    ASSERT_TRUE(ShowActive(&page));
    TypeInto(page.count, QStringLiteral("20"));
    page.offset->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(block.count, 10);
    EXPECT_FALSE(page.IsModified());
}

TEST(FieldScale, ZeroScaleIsRefused) {
    CBRLFloatField field;
    field.SetValue(2.0f);
    field.SetScale(0.0f);
    EXPECT_EQ(field.Scale(), 1.0f);
    EXPECT_EQ(field.text(), QStringLiteral("    2.00"));
}

TEST(FieldParsing, LeadingIntegers) {
    struct Case {
        const char* text;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {"12", 12},
        {"  -7", -7},
        {"+3", 3},
        {"12abc", 12},
        {"abc", {}},
        {"", {}},
        {"-", {}},
        {"\t 42 7", 42},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
        {"- 5", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CBRLField::ParseLeadingInt(c.text), c.expected) << c.text;
    }
}

TEST(FieldParsing, LeadingFloats) {
    struct Case {
        const char* text;
        std::optional<float> expected;
    };
    const Case cases[] = {
        {"1.5", 1.5f}, {"  -2.25mm", -2.25f}, {"+4", 4.0f},
        {".5", 0.5f},  {"abc", {}},           {"", {}},
        {"nan", {}},   {"1e-60", 0.0f},       {"0.0000000000000000000000000000000000000000000000001", 0.0f},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CBRLField::ParseLeadingFloat(c.text), c.expected) << c.text;
    }
    EXPECT_TRUE(std::isinf(*CBRLField::ParseLeadingFloat("1e60")));
    EXPECT_LT(*CBRLField::ParseLeadingFloat("-1e60"), 0.0f);
}

TEST(FieldParsing, HugeTypedFloatMeetsTheRangeCheck) {
    ScriptedMessageBoxes boxes;
    CBRLFloatField field;
    field.SetRange(0.0f, 10.0f, QStringLiteral("Size"));
    field.setText(QStringLiteral("1e60"));
    field.setModified(true);  // as typing it would
    EXPECT_EQ(field.GetValue(nullptr), 10.0f);
    EXPECT_EQ(boxes.asked.size(), 1);
}

}  // namespace
