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
        vSetHardwareDefaults(&m_block, 1);
        m_page.SetBlock(&m_block);
        g_bPagesReady = false;
        m_page.OnSetActive();
        ASSERT_TRUE(ShowActive(&m_page));
    }
    void TearDown() override { Profile().remove(QStringLiteral("Preferences")); }
    QRadioButton* Radio(unsigned id) { return qobject_cast<QRadioButton*>(m_page.Control(id)); }

    ScriptedMessageBoxes m_boxes;
    HardwareSettings m_block{};
    CHardwarePpg m_page;
};

TEST_F(HardwarePageTest, InchesShowTheDefaultWidthAs10_90AndMarkThePage) {
    Open(CHardwarePpg::kMillimetres);
    EXPECT_EQ(m_page.Field(CHardwarePpg::kIdWidth)->text(), QStringLiteral("  276.86"));
    ClickButton(Radio(CHardwarePpg::kIdInches));
    EXPECT_EQ(m_page.Field(CHardwarePpg::kIdWidth)->text(), QStringLiteral("   10.90"));
    EXPECT_TRUE(m_page.IsModified());
    EXPECT_EQ(Profile().value(QStringLiteral("Preferences/Units")).toInt(), CHardwarePpg::kInches);
    EXPECT_FLOAT_EQ(m_block.fMonitorWidth, 276.86f);
}

TEST_F(HardwarePageTest, TwelveInchesAreStoredAsMillimetres) {
    Open(CHardwarePpg::kInches);
    TypeInto(m_page.Field(CHardwarePpg::kIdWidth), QStringLiteral("12"));
    m_page.Field(CHardwarePpg::kIdHeight)->setFocus(Qt::TabFocusReason);
    EXPECT_NEAR(m_block.fMonitorWidth, 304.8f, 1e-3f);
    EXPECT_EQ(m_page.Field(CHardwarePpg::kIdWidth)->text(), QStringLiteral("   12.00"));
    EXPECT_TRUE(m_page.IsModified());
}

TEST_F(HardwarePageTest, CentimetresAndDepthFormats) {
    Open(CHardwarePpg::kCentimetres);
    EXPECT_TRUE(Radio(CHardwarePpg::kIdCentimetres)->isChecked());
    EXPECT_EQ(m_page.Field(CHardwarePpg::kIdWidth)->text(), QStringLiteral("   27.69"));
    EXPECT_EQ(m_page.Field(CHardwarePpg::kIdHorizDepth)->text(), QStringLiteral("    0.000"));
}

TEST_F(HardwarePageTest, UnitOutsideTheChoicesInTheProfileIsInches) {
    Open(7);
    EXPECT_EQ(m_page.Units(), CHardwarePpg::kInches);
    EXPECT_TRUE(Radio(CHardwarePpg::kIdInches)->isChecked());
    EXPECT_EQ(m_page.Field(CHardwarePpg::kIdWidth)->text(), QStringLiteral("   10.90"));
    EXPECT_EQ(CHardwarePpg::ScaleOfUnit(-1), CHardwarePpg::ScaleOfUnit(CHardwarePpg::kInches));
}

TEST_F(HardwarePageTest, SetDefaultsResetsOnlyTheMonitorValues) {
    Open(CHardwarePpg::kMillimetres);
    m_block.fMonitorWidth = 300.0f;
    m_block.iVideoGain = 99;
    m_block.iCameraHorizPixels = 800;
    WhenDialogOpens<CDefaultWarning>(
        [](CDefaultWarning* warning) { QTest::mouseClick(warning->OkButton(), Qt::LeftButton); });
    QTest::mouseClick(qobject_cast<QPushButton*>(m_page.Control(CBRLPropPage::kIdSetDefaultsButton)), Qt::LeftButton);
    EXPECT_FLOAT_EQ(m_block.fMonitorWidth, 276.86f);
    EXPECT_EQ(m_block.iVideoGain, 99);
    EXPECT_EQ(m_block.iCameraHorizPixels, 800);
    EXPECT_EQ(m_page.Field(CHardwarePpg::kIdWidth)->text(), QStringLiteral("  276.86"));
}

TEST_F(HardwarePageTest, FieldAndLabelArePaintedTogether) {
    Open(CHardwarePpg::kMillimetres);
    QTest::mouseClick(qobject_cast<QPushButton*>(m_page.Control(CBRLPropPage::kIdHighlightButton)), Qt::LeftButton);
    EXPECT_FALSE(m_page.IsPaintedNonDefault(CHardwarePpg::kIdHeightLabel));
    TypeInto(m_page.Field(CHardwarePpg::kIdHeight), QStringLiteral("200"));
    m_page.Field(CHardwarePpg::kIdWidth)->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(m_page.IsPaintedNonDefault(CHardwarePpg::kIdHeight));
    EXPECT_TRUE(m_page.IsPaintedNonDefault(CHardwarePpg::kIdHeightLabel));
    EXPECT_FALSE(m_page.IsPaintedNonDefault(CHardwarePpg::kIdWidthLabel));
}

}  // namespace
