// System Hardware page: ranges of the camera fields and the full hardware reset.

#include "CSystemHardware.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include "CBRLFloatField.h"
#include "CBRLIntField.h"
#include "CDefaultWarning.h"
#include "SettingsTestSupport.h"

namespace {

class SystemHardwareTest : public ::testing::Test {
protected:
    void SetUp() override {
        vSetHardwareDefaults(&m_block, 1);
        m_page.SetBlock(&m_block);
        g_bPagesReady = false;
        m_page.OnSetActive();
        ASSERT_TRUE(ShowActive(&m_page));
    }

    ScriptedMessageBoxes m_boxes;
    HardwareSettings m_block{};
    CSystemHardware m_page;
};

TEST_F(SystemHardwareTest, CameraWidthOf100OffersTheMinimum320) {
    TypeInto(m_page.IntField(CSystemHardware::kIdCameraWidthPixels), QStringLiteral("100"));
    m_page.IntField(CSystemHardware::kIdCameraHeightPixels)->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(m_boxes.asked.size(), 1);
    EXPECT_TRUE(m_boxes.asked[0].text.startsWith(QStringLiteral("The Camera Width Pixels is out of range.")));
    EXPECT_TRUE(m_boxes.asked[0].text.contains(QStringLiteral("Press OK to change it to 320\n")));
    EXPECT_EQ(m_block.iCameraHorizPixels, 320);
}

TEST_F(SystemHardwareTest, ShowsTheCameraValuesInTheirFormats) {
    EXPECT_EQ(m_page.IntField(CSystemHardware::kIdCameraWidthPixels)->text(), QStringLiteral(" 640"));
    EXPECT_EQ(m_page.FloatField(CSystemHardware::kIdCameraWidthMm)->text(), QStringLiteral("   6.45"));
    EXPECT_EQ(m_page.FloatField(CSystemHardware::kIdApertureDiameter)->text(), QStringLiteral("  25.40"));
}

TEST_F(SystemHardwareTest, CalibrationEyesAboveTwoOffersTwo) {
    m_boxes.answers = {MsgAnswer::Cancel};
    TypeInto(m_page.IntField(CSystemHardware::kIdCalibrationEyes), QStringLiteral("3"));
    m_page.IntField(CSystemHardware::kIdVisionSystems)->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(m_boxes.asked.size(), 1);
    EXPECT_TRUE(m_boxes.asked[0].text.contains(QStringLiteral("to change it to 2\n")));
    EXPECT_EQ(m_block.iNumEyesToCalibrate, 1);
    EXPECT_TRUE(m_page.IntField(CSystemHardware::kIdCalibrationEyes)->hasFocus());
}

TEST_F(SystemHardwareTest, ProgressiveCheckIsStored) {
    ClickButton(qobject_cast<QCheckBox*>(m_page.Control(CSystemHardware::kIdProgressive)));
    EXPECT_EQ(m_block.bProgressive, 1);
    EXPECT_TRUE(m_page.IsModified());
}

TEST_F(SystemHardwareTest, SetDefaultsResetsTheMonitorValuesToo) {
    m_block.fMonitorWidth = 300.0f;
    m_block.iCameraHorizPixels = 800;
    WhenDialogOpens<CDefaultWarning>(
        [](CDefaultWarning* warning) { QTest::mouseClick(warning->OkButton(), Qt::LeftButton); });
    QTest::mouseClick(qobject_cast<QPushButton*>(m_page.Control(CBRLPropPage::kIdSetDefaultsButton)), Qt::LeftButton);
    EXPECT_FLOAT_EQ(m_block.fMonitorWidth, 276.86f);
    EXPECT_EQ(m_block.iCameraHorizPixels, 640);
}

}  // namespace
