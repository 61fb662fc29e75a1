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
        vSetHardwareDefaults(&block, 1);
        page.SetBlock(&block);
        g_bPagesReady = false;
        page.OnSetActive();
        ASSERT_TRUE(ShowActive(&page));
    }

    ScriptedMessageBoxes boxes;
    HardwareSettings block{};
    CSystemHardware page;
};

TEST_F(SystemHardwareTest, CameraWidthOf100OffersTheMinimum320) {
    TypeInto(page.IntField(CSystemHardware::kIdCameraWidthPixels), QStringLiteral("100"));
    page.IntField(CSystemHardware::kIdCameraHeightPixels)->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(boxes.asked.size(), 1);
    EXPECT_TRUE(boxes.asked[0].text.startsWith(QStringLiteral("The Camera Width Pixels is out of range.")));
    EXPECT_TRUE(boxes.asked[0].text.contains(QStringLiteral("Press OK to change it to 320\n")));
    EXPECT_EQ(block.iCameraHorizPixels, 320);
}

TEST_F(SystemHardwareTest, ShowsTheCameraValuesInTheirFormats) {
    EXPECT_EQ(page.IntField(CSystemHardware::kIdCameraWidthPixels)->text(), QStringLiteral(" 640"));
    EXPECT_EQ(page.FloatField(CSystemHardware::kIdCameraWidthMm)->text(), QStringLiteral("   6.45"));
    EXPECT_EQ(page.FloatField(CSystemHardware::kIdApertureDiameter)->text(), QStringLiteral("  25.40"));
}

TEST_F(SystemHardwareTest, CalibrationEyesAboveTwoOffersTwo) {
    boxes.answers = {MsgAnswer::Cancel};
    TypeInto(page.IntField(CSystemHardware::kIdCalibrationEyes), QStringLiteral("3"));
    page.IntField(CSystemHardware::kIdVisionSystems)->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(boxes.asked.size(), 1);
    EXPECT_TRUE(boxes.asked[0].text.contains(QStringLiteral("to change it to 2\n")));
    EXPECT_EQ(block.iNumEyesToCalibrate, 1);
    EXPECT_TRUE(page.IntField(CSystemHardware::kIdCalibrationEyes)->hasFocus());
}

TEST_F(SystemHardwareTest, ProgressiveCheckIsStored) {
    ClickButton(qobject_cast<QCheckBox*>(page.Control(CSystemHardware::kIdProgressive)));
    EXPECT_EQ(block.bProgressive, 1);
    EXPECT_TRUE(page.IsModified());
}

TEST_F(SystemHardwareTest, SetDefaultsResetsTheMonitorValuesToo) {
    block.fMonitorWidth = 300.0f;
    block.iCameraHorizPixels = 800;
    WhenDialogOpens<CDefaultWarning>(
        [](CDefaultWarning* warning) { QTest::mouseClick(warning->OkButton(), Qt::LeftButton); });
    QTest::mouseClick(qobject_cast<QPushButton*>(page.Control(CBRLPropPage::kIdSetDefaultsButton)), Qt::LeftButton);
    EXPECT_FLOAT_EQ(block.fMonitorWidth, 276.86f);
    EXPECT_EQ(block.iCameraHorizPixels, 640);
}

}  // namespace
