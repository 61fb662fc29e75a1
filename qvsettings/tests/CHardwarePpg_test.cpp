// Video Hardware page: units, the profile, typing in another unit, Set Defaults.

#include "CHardwarePpg.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

#include "CBRLFloatField.h"
#include "CDefaultWarning.h"
#include "SettingsTestSupport.h"

namespace {

QSettings Profile() {
    return QSettings(QStringLiteral("Brelnic"), QStringLiteral("QvSettings"));
}

class HardwarePageTest : public ::testing::Test {
protected:
    void Open(int profileUnits) {
        Profile().setValue(QStringLiteral("Preferences/Units"), profileUnits);
        Profile().sync();
        vSetHardwareDefaults(&block, 1);
        page.SetBlock(&block);
        g_bPagesReady = false;
        page.OnSetActive();
        ASSERT_TRUE(ShowActive(&page));
    }
    void TearDown() override { Profile().remove(QStringLiteral("Preferences")); }
    QRadioButton* Radio(unsigned id) { return qobject_cast<QRadioButton*>(page.Control(id)); }

    ScriptedMessageBoxes boxes;
    HardwareSettings block{};
    CHardwarePpg page;
};

TEST_F(HardwarePageTest, InchesShowTheDefaultWidthAs10_90AndMarkThePage) {
    Open(CHardwarePpg::kMillimetres);
    EXPECT_EQ(page.Field(CHardwarePpg::kIdWidth)->text(), QStringLiteral("  276.86"));
    ClickButton(Radio(CHardwarePpg::kIdInches));
    EXPECT_EQ(page.Field(CHardwarePpg::kIdWidth)->text(), QStringLiteral("   10.90"));
    EXPECT_TRUE(page.IsModified());
    EXPECT_EQ(Profile().value(QStringLiteral("Preferences/Units")).toInt(), CHardwarePpg::kInches);
    EXPECT_FLOAT_EQ(block.fMonitorWidth, 276.86f);
}

TEST_F(HardwarePageTest, TwelveInchesAreStoredAsMillimetres) {
    Open(CHardwarePpg::kInches);
    TypeInto(page.Field(CHardwarePpg::kIdWidth), QStringLiteral("12"));
    page.Field(CHardwarePpg::kIdHeight)->setFocus(Qt::TabFocusReason);
    EXPECT_NEAR(block.fMonitorWidth, 304.8f, 1e-3f);
    EXPECT_EQ(page.Field(CHardwarePpg::kIdWidth)->text(), QStringLiteral("   12.00"));
    EXPECT_TRUE(page.IsModified());
}

TEST_F(HardwarePageTest, CentimetresAndDepthFormats) {
    Open(CHardwarePpg::kCentimetres);
    EXPECT_TRUE(Radio(CHardwarePpg::kIdCentimetres)->isChecked());
    EXPECT_EQ(page.Field(CHardwarePpg::kIdWidth)->text(), QStringLiteral("   27.69"));
    EXPECT_EQ(page.Field(CHardwarePpg::kIdHorizDepth)->text(), QStringLiteral("    0.000"));
}

TEST_F(HardwarePageTest, UnitOutsideTheChoicesInTheProfileIsInches) {
    Open(7);
    EXPECT_EQ(page.Units(), CHardwarePpg::kInches);
    EXPECT_TRUE(Radio(CHardwarePpg::kIdInches)->isChecked());
    EXPECT_EQ(page.Field(CHardwarePpg::kIdWidth)->text(), QStringLiteral("   10.90"));
    EXPECT_EQ(CHardwarePpg::ScaleOfUnit(-1), CHardwarePpg::ScaleOfUnit(CHardwarePpg::kInches));
}

TEST_F(HardwarePageTest, SetDefaultsResetsOnlyTheMonitorValues) {
    Open(CHardwarePpg::kMillimetres);
    block.fMonitorWidth = 300.0f;
    block.iVideoGain = 99;
    block.iCameraHorizPixels = 800;
    WhenDialogOpens<CDefaultWarning>(
        [](CDefaultWarning* warning) { QTest::mouseClick(warning->OkButton(), Qt::LeftButton); });
    QTest::mouseClick(qobject_cast<QPushButton*>(page.Control(CBRLPropPage::kIdSetDefaultsButton)), Qt::LeftButton);
    EXPECT_FLOAT_EQ(block.fMonitorWidth, 276.86f);
    EXPECT_EQ(block.iVideoGain, 99);
    EXPECT_EQ(block.iCameraHorizPixels, 800);
    EXPECT_EQ(page.Field(CHardwarePpg::kIdWidth)->text(), QStringLiteral("  276.86"));
}

TEST_F(HardwarePageTest, FieldAndLabelArePaintedTogether) {
    Open(CHardwarePpg::kMillimetres);
    QTest::mouseClick(qobject_cast<QPushButton*>(page.Control(CBRLPropPage::kIdHighlightButton)), Qt::LeftButton);
    EXPECT_FALSE(page.IsPaintedNonDefault(CHardwarePpg::kIdHeightLabel));
    TypeInto(page.Field(CHardwarePpg::kIdHeight), QStringLiteral("200"));
    page.Field(CHardwarePpg::kIdWidth)->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(page.IsPaintedNonDefault(CHardwarePpg::kIdHeight));
    EXPECT_TRUE(page.IsPaintedNonDefault(CHardwarePpg::kIdHeightLabel));
    EXPECT_FALSE(page.IsPaintedNonDefault(CHardwarePpg::kIdWidthLabel));
}

}  // namespace
