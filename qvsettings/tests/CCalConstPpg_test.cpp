// Calibration page: colour edits, calibration types and positions, the preview, the two-cycle note.

#include "CCalConstPpg.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "CBRLFloatField.h"
#include "CScreenWnd.h"
#include "SettingsTestSupport.h"

namespace {

const QColor kRed(255, 0, 0);

class CalConstTest : public ::testing::Test {
protected:
    void Open() {
        vSetCalConstDefaults(&m_block, QV_FILE_KIND_TRACKER);
        vSetImageProcDefaults(&m_imageProc);
        Reopen();
    }
    void Reopen() {
        m_page.SetBlock(&m_block);
        m_page.SetImageProcBlock(&m_imageProc);
        g_bPagesReady = false;
        m_page.OnSetActive();
        ASSERT_TRUE(ShowActive(&m_page));
    }
    QLineEdit* Edit(unsigned id) { return qobject_cast<QLineEdit*>(m_page.Control(id)); }
    QComboBox* Combo(unsigned id) { return qobject_cast<QComboBox*>(m_page.Control(id)); }

    ScriptedMessageBoxes m_boxes;
    CalConstSettings m_block{};
    ImageProcSettings m_imageProc{};
    CCalConstPpg m_page;
};

TEST_F(CalConstTest, ColoursShowAsRedGreenBlue) {
    Open();
    EXPECT_EQ(Edit(CCalConstPpg::kIdPass1Foreground)->text(), QStringLiteral("255 255  86"));
    EXPECT_EQ(Edit(CCalConstPpg::kIdPass2Foreground)->text(), QStringLiteral("  0   0 170"));
}

TEST_F(CalConstTest, ColourOf300StoresRed44AndKeepsTheTypedNumbers) {
    Open();
    TypeInto(Edit(CCalConstPpg::kIdPass1Foreground), QStringLiteral("300 0 0"));
    Edit(CCalConstPpg::kIdPass1Background)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(m_block.crPass1Foreground, 44);
    EXPECT_EQ(Edit(CCalConstPpg::kIdPass1Foreground)->text(), QStringLiteral("300   0   0"));
    EXPECT_TRUE(m_page.IsModified());
}

TEST_F(CalConstTest, ColourNumbers) {
    struct Case {
        const char* text;
        int32_t colour;
    };
    const Case cases[] = {
        {"1 2 3", 0x030201}, {"255", 0x0000FF}, {"", 0}, {"abc", 0}, {"-1 0 0", 0x0000FF}, {"0 256 1", 0x010000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CCalConstPpg::ColourFromNumbers(CCalConstPpg::ParseColourNumbers(QString::fromLatin1(c.text))),
                  c.colour)
            << c.text;
    }
}

TEST_F(CalConstTest, LowResolutionListsFivePositionsAndDrawsFiveCrosses) {
    Open();
    QComboBox* resolution = Combo(CCalConstPpg::kIdResolution);
    resolution->setFocus(Qt::TabFocusReason);
    QTest::keyClick(resolution, Qt::Key_Down);
    EXPECT_EQ(m_block.iCurCalRes, 1);
    QComboBox* positions = Combo(CCalConstPpg::kIdPosition);
    ASSERT_EQ(positions->count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(positions->itemText(i), QString::number(i + 1));
    }
    EXPECT_EQ(positions->currentText(), QStringLiteral("1"));
    EXPECT_EQ(Edit(CCalConstPpg::kIdNumPoints)->text(), QStringLiteral("5"));
    EXPECT_EQ(m_page.XField()->text(), QStringLiteral("    0.10"));

    CScreenWnd* preview = m_page.Preview();
    const QImage image = preview->grab().toImage();
    const auto crosses = CScreenWnd::Crosses(preview->size(), m_block, 1, 0, 5);
    ASSERT_EQ(crosses.size(), 5u);
    EXPECT_TRUE(crosses[0].current);
    EXPECT_EQ(image.pixelColor(crosses[0].centre), kRed);
    EXPECT_EQ(image.pixelColor(crosses[0].centre + QPoint(CScreenWnd::kCrossArm, 0)), kRed);
    EXPECT_NE(image.pixelColor(crosses[0].centre + QPoint(CScreenWnd::kCrossArm + 1, 0)), kRed);
    for (size_t i = 1; i < crosses.size(); ++i) {
        EXPECT_FALSE(crosses[i].current);
        EXPECT_EQ(image.pixelColor(crosses[i].centre), QColor(Qt::black)) << i;
    }
}

TEST_F(CalConstTest, CrossesFollowTheScreenFractions) {
    Open();
    const auto crosses = CScreenWnd::Crosses(QSize(200, 100), m_block, 1, 2, 5);
    EXPECT_EQ(crosses[0].centre, QPoint(20, 10));
    EXPECT_EQ(crosses[1].centre, QPoint(180, 10));
    EXPECT_TRUE(crosses[2].current);
}

TEST_F(CalConstTest, PickingAPositionShowsItsCoordinatesAndEditsThem) {
    Open();
    QComboBox* positions = Combo(CCalConstPpg::kIdPosition);
    positions->setFocus(Qt::TabFocusReason);
    QTest::keyClick(positions, Qt::Key_Down);
    EXPECT_EQ(m_page.ShownPosition(), 1);
    EXPECT_EQ(m_page.XField()->text(), QStringLiteral("    0.50"));
    TypeInto(m_page.YField(), QStringLiteral("0.25"));
    m_page.XField()->setFocus(Qt::TabFocusReason);
    EXPECT_FLOAT_EQ(m_block.calRes[0].fY[1], 0.25f);
}

TEST_F(CalConstTest, CoordinateAboveOneOffersOne) {
    Open();
    TypeInto(m_page.XField(), QStringLiteral("1.5"));
    m_page.YField()->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(m_boxes.asked.size(), 1);
    EXPECT_TRUE(m_boxes.asked[0].text.startsWith(QStringLiteral("The Horizontal Position is out of range.")));
    EXPECT_TRUE(m_boxes.asked[0].text.contains(QStringLiteral("Press OK to change it to     1.0000\n")));
    EXPECT_FLOAT_EQ(m_block.calRes[0].fX[0], 1.0f);
}

TEST_F(CalConstTest, PupilCompensationShowsTheTwoCycleNote) {
    Open();
    EXPECT_TRUE(m_page.Control(CCalConstPpg::kIdDarkRadio)->isVisible());
    EXPECT_FALSE(m_page.Control(CCalConstPpg::kIdTwoCycleNote)->isVisible());
    m_imageProc.bPupilComp = 1;
    m_page.OnSetActive();
    EXPECT_FALSE(m_page.Control(CCalConstPpg::kIdDarkRadio)->isVisible());
    EXPECT_FALSE(m_page.Control(CCalConstPpg::kIdBrightRadio)->isEnabled());
    EXPECT_TRUE(m_page.Control(CCalConstPpg::kIdTwoCycleNote)->isVisible());
}

TEST_F(CalConstTest, DiagnosticMessagesBoxIsTheInverseOfMessagesOff) {
    Open();
    auto* show = qobject_cast<QAbstractButton*>(m_page.Control(CCalConstPpg::kIdShowMessages));
    EXPECT_FALSE(show->isChecked());
    QTest::mouseClick(qobject_cast<QPushButton*>(m_page.Control(CBRLPropPage::kIdHighlightButton)), Qt::LeftButton);
    EXPECT_FALSE(m_page.IsPaintedNonDefault(CCalConstPpg::kIdShowMessages));
    ClickButton(show);
    EXPECT_EQ(m_block.bMsgsOff, 0);
    EXPECT_TRUE(m_page.IsPaintedNonDefault(CCalConstPpg::kIdShowMessages));
    ClickButton(qobject_cast<QRadioButton*>(m_page.Control(CCalConstPpg::kIdBrightRadio)));
    EXPECT_EQ(m_block.bBrightBackgrounds, 1);
}

TEST_F(CalConstTest, ColourLabelsPreviewEachPass) {
    Open();
    const QPalette palette = m_page.Control(CCalConstPpg::kIdPass2ForegroundLabel)->palette();
    EXPECT_EQ(palette.color(QPalette::WindowText), QColor(0, 0, 170));
    EXPECT_EQ(palette.color(QPalette::Window), QColor(255, 255, 255));
}

TEST_F(CalConstTest, ResolutionAndPointCountFromAHandEditedFileStayInBounds) {
    vSetCalConstDefaults(&m_block, QV_FILE_KIND_TRACKER);
    vSetImageProcDefaults(&m_imageProc);
    m_block.iCurCalRes = 7;
    m_block.calRes[0].iNumCalPoints = 40;
    Reopen();
    EXPECT_EQ(m_page.Resolution(), 0);
    EXPECT_EQ(m_page.PositionCount(), QV_MAX_CAL_TARGETS);
    EXPECT_EQ(Combo(CCalConstPpg::kIdPosition)->count(), QV_MAX_CAL_TARGETS);
}

}  // namespace
