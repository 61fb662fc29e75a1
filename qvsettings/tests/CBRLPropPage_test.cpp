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
        page.SetBlock(&block);
        g_bPagesReady = false;
        page.OnSetActive();
        ASSERT_TRUE(ShowActive(&page));
    }
    QPushButton* Highlight() { return qobject_cast<QPushButton*>(page.Control(CBRLPropPage::kIdHighlightButton)); }

    ScriptedMessageBoxes boxes;
    FieldTestBlock block;
    FieldTestPage page;
};

TEST_F(PageTest, ValueThatDiffersOnlyByRoundingIsPaintedRed) {
    block.length = 1.0000001f;
    page.length->SetScale(1.0f);
    page.length->SetValueAndDefault(1.0000001f, 1.0f);
    EXPECT_EQ(page.length->text(), QStringLiteral("    1.000"));
    QTest::mouseClick(Highlight(), Qt::LeftButton);
    EXPECT_TRUE(page.IsPaintedNonDefault(FieldTestPage::kIdLength));
    EXPECT_EQ(page.length->palette().color(QPalette::Text), kRed);
    EXPECT_NE(page.count->palette().color(QPalette::Text), kRed);
}

TEST_F(PageTest, TwoHighlightPressesLeaveThePageUnhighlightedAndModified) {
    QTest::mouseClick(Highlight(), Qt::LeftButton);
    EXPECT_TRUE(page.IsHighlighting());
    EXPECT_EQ(Highlight()->text(), QString::fromLatin1(CBRLPropPage::kHideHighlightCaption));
    QTest::mouseClick(Highlight(), Qt::LeftButton);
    EXPECT_FALSE(page.IsHighlighting());
    EXPECT_EQ(Highlight()->text(), QStringLiteral("Highlight Non-Default Values"));
    EXPECT_TRUE(page.IsModified());
}

TEST_F(PageTest, HighlightFollowsAnEditedValue) {
    QTest::mouseClick(Highlight(), Qt::LeftButton);
    EXPECT_NE(page.count->palette().color(QPalette::Text), kRed);
    TypeInto(page.count, QStringLiteral("11"));
    page.offset->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(page.count->palette().color(QPalette::Text), kRed);
}

class ImageProcDefaultsTest : public ::testing::Test {
protected:
    void SetUp() override {
        vSetImageProcDefaults(&block);
        block.bDroopyEyelidComp = 1;
        block.bRangeComp = 0;
        page.SetBlock(&block);
        g_bPagesReady = false;
        page.OnSetActive();
        ASSERT_TRUE(ShowActive(&page));
    }
    QPushButton* SetDefaults() { return qobject_cast<QPushButton*>(page.Control(CBRLPropPage::kIdSetDefaultsButton)); }

    ImageProcSettings block{};
    CImageProcPpg page;
};

TEST_F(ImageProcDefaultsTest, CancelInTheWarningChangesNothingButMarksThePageModified) {
    WhenDialogOpens<CDefaultWarning>([](CDefaultWarning* warning) {
        EXPECT_EQ(warning->windowTitle(), QStringLiteral("Are you sure?"));
        QTest::mouseClick(warning->CancelButton(), Qt::LeftButton);
    });
    QTest::mouseClick(SetDefaults(), Qt::LeftButton);
    EXPECT_EQ(block.bDroopyEyelidComp, 1);
    EXPECT_EQ(block.bRangeComp, 0);
    EXPECT_TRUE(page.IsModified());
}

TEST_F(ImageProcDefaultsTest, OkInTheWarningResetsTheBlockAndTheBoxes) {
    WhenDialogOpens<CDefaultWarning>(
        [](CDefaultWarning* warning) { QTest::mouseClick(warning->OkButton(), Qt::LeftButton); });
    QTest::mouseClick(SetDefaults(), Qt::LeftButton);
    EXPECT_EQ(block.bDroopyEyelidComp, 0);
    EXPECT_EQ(block.bRangeComp, 1);
    auto* droopy = qobject_cast<QAbstractButton*>(page.Control(CImageProcPpg::kIdDroopy));
    EXPECT_FALSE(droopy->isChecked());
    EXPECT_TRUE(g_bPagesReady);
}

TEST_F(ImageProcDefaultsTest, ClickingASwitchStoresItAndHighlightsIt) {
    QTest::mouseClick(qobject_cast<QPushButton*>(page.Control(CBRLPropPage::kIdHighlightButton)), Qt::LeftButton);
    auto* pupil = qobject_cast<QAbstractButton*>(page.Control(CImageProcPpg::kIdPupil));
    ClickButton(pupil);
    EXPECT_EQ(block.bPupilComp, 1);
    EXPECT_EQ(pupil->palette().color(QPalette::WindowText), kRed);
    EXPECT_TRUE(page.IsPaintedNonDefault(CImageProcPpg::kIdDroopy));
}

}  // namespace
