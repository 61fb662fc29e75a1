// The page base: highlighting, the highlight button, Set Defaults and the command routing.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "CDefaultWarning.h"
#include "CImageProcPpg.h"
#include "FieldTestPage.h"
#include "SettingsTestSupport.h"

namespace {

const QColor kRed(255, 0, 0);

class PageTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_page.SetBlock(&m_block);
        g_bPagesReady = false;
        m_page.OnSetActive();
        ASSERT_TRUE(ShowActive(&m_page));
    }
    QPushButton* Highlight() { return qobject_cast<QPushButton*>(m_page.Control(CBRLPropPage::kIdHighlightButton)); }

    ScriptedMessageBoxes m_boxes;
    FieldTestBlock m_block;
    FieldTestPage m_page;
};

TEST_F(PageTest, ValueThatDiffersOnlyByRoundingIsPaintedRed) {
    m_block.length = 1.0000001f;
    m_page.length->SetScale(1.0f);
    m_page.length->SetValueAndDefault(1.0000001f, 1.0f);
    EXPECT_EQ(m_page.length->text(), QStringLiteral("    1.000"));
    QTest::mouseClick(Highlight(), Qt::LeftButton);
    EXPECT_TRUE(m_page.IsPaintedNonDefault(FieldTestPage::kIdLength));
    EXPECT_EQ(m_page.length->palette().color(QPalette::Text), kRed);
    EXPECT_NE(m_page.count->palette().color(QPalette::Text), kRed);
}

TEST_F(PageTest, TwoHighlightPressesLeaveThePageUnhighlightedAndModified) {
    QTest::mouseClick(Highlight(), Qt::LeftButton);
    EXPECT_TRUE(m_page.IsHighlighting());
    EXPECT_EQ(Highlight()->text(), QString::fromLatin1(CBRLPropPage::kHideHighlightCaption));
    QTest::mouseClick(Highlight(), Qt::LeftButton);
    EXPECT_FALSE(m_page.IsHighlighting());
    EXPECT_EQ(Highlight()->text(), QStringLiteral("Highlight Non-Default Values"));
    EXPECT_TRUE(m_page.IsModified());
}

TEST_F(PageTest, HighlightFollowsAnEditedValue) {
    QTest::mouseClick(Highlight(), Qt::LeftButton);
    EXPECT_NE(m_page.count->palette().color(QPalette::Text), kRed);
    TypeInto(m_page.count, QStringLiteral("11"));
    m_page.offset->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(m_page.count->palette().color(QPalette::Text), kRed);
}

class ImageProcDefaultsTest : public ::testing::Test {
protected:
    void SetUp() override {
        vSetImageProcDefaults(&m_block);
        m_block.bDroopyEyelidComp = 1;
        m_block.bRangeComp = 0;
        m_page.SetBlock(&m_block);
        g_bPagesReady = false;
        m_page.OnSetActive();
        ASSERT_TRUE(ShowActive(&m_page));
    }
    QPushButton* SetDefaults() { return qobject_cast<QPushButton*>(m_page.Control(CBRLPropPage::kIdSetDefaultsButton)); }

    ImageProcSettings m_block{};
    CImageProcPpg m_page;
};

TEST_F(ImageProcDefaultsTest, CancelInTheWarningChangesNothingButMarksThePageModified) {
    WhenDialogOpens<CDefaultWarning>([](CDefaultWarning* warning) {
        EXPECT_EQ(warning->windowTitle(), QStringLiteral("Are you sure?"));
        QTest::mouseClick(warning->CancelButton(), Qt::LeftButton);
    });
    QTest::mouseClick(SetDefaults(), Qt::LeftButton);
    EXPECT_EQ(m_block.bDroopyEyelidComp, 1);
    EXPECT_EQ(m_block.bRangeComp, 0);
    EXPECT_TRUE(m_page.IsModified());
}

TEST_F(ImageProcDefaultsTest, OkInTheWarningResetsTheBlockAndTheBoxes) {
    WhenDialogOpens<CDefaultWarning>(
        [](CDefaultWarning* warning) { QTest::mouseClick(warning->OkButton(), Qt::LeftButton); });
    QTest::mouseClick(SetDefaults(), Qt::LeftButton);
    EXPECT_EQ(m_block.bDroopyEyelidComp, 0);
    EXPECT_EQ(m_block.bRangeComp, 1);
    auto* droopy = qobject_cast<QAbstractButton*>(m_page.Control(CImageProcPpg::kIdDroopy));
    EXPECT_FALSE(droopy->isChecked());
    EXPECT_TRUE(g_bPagesReady);
}

TEST_F(ImageProcDefaultsTest, ClickingASwitchStoresItAndHighlightsIt) {
    QTest::mouseClick(qobject_cast<QPushButton*>(m_page.Control(CBRLPropPage::kIdHighlightButton)), Qt::LeftButton);
    auto* pupil = qobject_cast<QAbstractButton*>(m_page.Control(CImageProcPpg::kIdPupil));
    ClickButton(pupil);
    EXPECT_EQ(m_block.bPupilComp, 1);
    EXPECT_EQ(pupil->palette().color(QPalette::WindowText), kRed);
    EXPECT_TRUE(m_page.IsPaintedNonDefault(CImageProcPpg::kIdDroopy));
}

}  // namespace
