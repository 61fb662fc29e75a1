// The settings dialog and the settings command, driven offscreen by posted gaze points.
#include "dialogs/SettingsDlg.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTest>
#include <bit>

#include "LumoraGuiTest.h"
#include "GazeDataFile.h"
#include "app/SettingsCommand.h"

using namespace lumora;
using namespace lumora::test;

namespace {

using CI = SettingsDlg::ChoiceIndex;

QStringList ReadLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        EnterOwnFolder();
        QDir().mkpath("Lumora/Data");
        QFile::remove("Lumora/LMSettings.ini");
        QFile::remove(m_kDataPath);
        ASSERT_TRUE(m_shared.dataFile.openPath(m_kDataPath.toStdString()));
        m_shared.iSamplePerSec = 60;
        m_settings.setPath(std::string(kGazeSettingsPath));
        m_tuning = {500.0f, true, std::bit_cast<float>(SettingsDlg::kDwellSizeQuarterBits)};
        m_dlg = std::make_unique<SettingsDlg>(kScreen, m_sound.player(), &m_main);
        m_command = std::make_unique<SettingsCommand>(*m_dlg, m_tuning, m_settings, m_shared, &m_canvas,
                                                    [this](bool yellow) { m_yellowTold.push_back(yellow); });
    }
    void TearDown() override {
        m_command.reset();
        m_dlg.reset();
        m_shared.dataFile.close();
    }

    // Runs the command while `during` drives the dialog.
    int runWith(std::function<void()> during) {
        WhenVisible(m_dlg.get(), std::move(during));
        return m_command->run();
    }
    void choose(CI i) { GazeChoose(m_dlg.get(), m_dlg->choiceButton(i)); }
    void ok() { GazeChoose(m_dlg.get(), m_dlg->okButton()); }
    void cancel() { GazeChoose(m_dlg.get(), m_dlg->cancelButton()); }
    std::vector<CI> highlighted() const {
        std::vector<CI> on;
        for (int i = 0; i < SettingsDlg::kChoiceCount; ++i)
            if (m_dlg->isHighlighted(static_cast<CI>(i)))
                on.push_back(static_cast<CI>(i));
        return on;
    }

    const QString m_kDataPath = "Lumora/Data/LMdata-test.dat";
    ScriptedSound m_sound;
    MainWindowStandIn m_main;
    MainWindowStandIn m_canvas;
    GazeShared m_shared;
    IniDocument m_settings;
    GazeTuning m_tuning;
    std::vector<bool> m_yellowTold;
    std::unique_ptr<SettingsDlg> m_dlg;
    std::unique_ptr<SettingsCommand> m_command;
};

}  // namespace

TEST_F(SettingsTest, OpeningHighlightsTheValuesInForce) {
    m_command->handValuesToDialog();
    m_dlg->highlightFromValues();
    EXPECT_EQ(highlighted(), (std::vector<CI>{CI::Timing500, CI::SequenceGYR, CI::Size25}));
}

TEST_F(SettingsTest, DwellSizeMatchesBitForBit) {
    m_tuning.GazeDev = std::nextafter(std::bit_cast<float>(SettingsDlg::kDwellSizeHalfBits), 100.0f);
    m_command->handValuesToDialog();
    m_dlg->highlightFromValues();
    EXPECT_EQ(highlighted(), (std::vector<CI>{CI::Timing500, CI::SequenceGYR}));
    m_tuning.GazeDev = 12.7f;
    m_command->handValuesToDialog();
    m_dlg->highlightFromValues();
    EXPECT_TRUE(m_dlg->isHighlighted(CI::Size50));
}

TEST_F(SettingsTest, FourHundredFiftyHighlightsNoTimingAndStaysAfterOk) {
    m_tuning.fMinFixMs = 450.0f;
    EXPECT_EQ(runWith([&] {
                  EXPECT_FALSE(m_dlg->isHighlighted(CI::Timing400));
                  EXPECT_FALSE(m_dlg->isHighlighted(CI::Timing500));
                  ok();
              }),
              SettingsDlg::kOk);
    EXPECT_EQ(m_tuning.fMinFixMs, 450.0f);
    EXPECT_EQ(m_shared.minimum_fix_samples.load(), MinimumFixSamples(60, 450.0f));
}

TEST_F(SettingsTest, LastTimingChosenWinsAndActsAtOnce) {
    EXPECT_EQ(runWith([&] {
                  choose(CI::Timing300);
                  choose(CI::Timing600);
                  ok();
              }),
              SettingsDlg::kOk);
    EXPECT_EQ(highlighted(), (std::vector<CI>{CI::Timing600, CI::SequenceGYR, CI::Size25}));
    EXPECT_EQ(m_tuning.fMinFixMs, 600.0f);
    EXPECT_EQ(m_shared.minimum_fix_samples.load(), 37);  // ceil(60 x 600 x 0.001f) = 37
    // The canvas was suspended and resumed around the dialog.
    Pump();
    ASSERT_EQ(m_canvas.received.size(), 2u);
    for (const Message& m : m_canvas.received) {
        EXPECT_EQ(m.msg, WM_BUTTON_CHOSEN);
        EXPECT_EQ(m.wParam, 0u);
        EXPECT_EQ(m.lParam, kGroupSuspend);
    }
}

TEST_F(SettingsTest, OkWritesTheThreeLinesAndTheSettingsFile) {
    runWith([&] {
        choose(CI::SequenceGR);
        choose(CI::Size75);
        ok();
    });
    EXPECT_FALSE(m_tuning.Yellow);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(m_tuning.GazeDev), SettingsDlg::kDwellSizeThreeQuartersBits);
    EXPECT_EQ(m_yellowTold, std::vector<bool>{false});
    m_shared.dataFile.close();
    EXPECT_EQ(ReadLines(m_kDataPath), (QStringList{"fMinFixMs:500", "Yellow:0", "GazeDev:19.05"}));
    IniDocument back;
    back.setPath(std::string(kGazeSettingsPath));
    ASSERT_TRUE(back.read());
    EXPECT_EQ(back.getNumber(kFixTimeSection, kFixTimeKey, -1), 500.0);
    EXPECT_EQ(back.getNumber(kCursorColorSection, kCursorColorKey, -1), 0.0);
    EXPECT_NEAR(back.getNumber(kGazeDevSection, kGazeDevKey, -1), 19.05, 1e-5);
}

TEST_F(SettingsTest, CancelAppliesNothingButRewritesTheFile) {
    m_shared.minimum_fix_samples = 31;
    EXPECT_EQ(runWith([&] {
                  choose(CI::Timing300);
                  choose(CI::SequenceGR);
                  choose(CI::Size50);
                  cancel();
              }),
              SettingsDlg::kCancel);
    EXPECT_EQ(m_tuning.fMinFixMs, 500.0f);
    EXPECT_TRUE(m_tuning.Yellow);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(m_tuning.GazeDev), SettingsDlg::kDwellSizeQuarterBits);
    EXPECT_EQ(m_shared.minimum_fix_samples.load(), 31);
    EXPECT_TRUE(m_yellowTold.empty());
    m_shared.dataFile.close();
    EXPECT_TRUE(ReadLines(m_kDataPath).isEmpty());
    IniDocument back;
    back.setPath(std::string(kGazeSettingsPath));
    ASSERT_TRUE(back.read());
    EXPECT_EQ(back.getNumber(kFixTimeSection, kFixTimeKey, -1), 500.0);
    EXPECT_EQ(back.getNumber(kCursorColorSection, kCursorColorKey, -1), 1.0);
}

TEST_F(SettingsTest, ASettingsFileThatCannotBeWrittenIsToldAndTheChoiceStillHolds) {
    // Where the file should be stands a folder: nothing can be written there, root or not.
    QFile::remove("Lumora/LMSettings.ini");
    ASSERT_TRUE(QDir().mkpath("Lumora/LMSettings.ini"));
    QStringList told;
    std::vector<unsigned> canvasBeforeTelling;
    m_command->setTeller([&](const QString& text) {
        told << text;
        Pump();
        for (const Message& m : m_canvas.received)
            canvasBeforeTelling.push_back(m.msg);
    });
    EXPECT_EQ(runWith([&] {
                  choose(CI::Timing300);
                  ok();
              }),
              SettingsDlg::kOk);
    EXPECT_EQ(told, QStringList{"The settings could not be saved: the folder cannot be written."});
    EXPECT_EQ(m_tuning.fMinFixMs, 300.0f);
    // Told while the canvas is still suspended: one suspend so far, the resume after.
    EXPECT_EQ(canvasBeforeTelling, std::vector<unsigned>{WM_BUTTON_CHOSEN});
    Pump();
    EXPECT_EQ(m_canvas.received.size(), 2u);

    // Written again: nothing to tell.
    told.clear();
    ASSERT_TRUE(QDir("Lumora/LMSettings.ini").removeRecursively());
    runWith([&] { cancel(); });
    EXPECT_TRUE(told.isEmpty());
}

TEST_F(SettingsTest, ChoosingChangesOnlyItsOwnGroupAndDoesNotClose) {
    m_dlg->setDwellTimingShown(500);
    m_dlg->setColorSequence(SettingsDlg::kGreenYellowRed);
    m_dlg->setDwellSize(6.35f);
    m_dlg->show();
    Pump();
    choose(CI::Size75);
    Pump();
    EXPECT_TRUE(m_dlg->isVisible());
    EXPECT_EQ(highlighted(), (std::vector<CI>{CI::Timing500, CI::SequenceGYR, CI::Size75}));
    // The button shows the highlighted picture it was sent.
    EXPECT_EQ(m_dlg->choiceButton(CI::Size75)->imageName(), "Lumora/Images/gdt75_sel.bmp");
    EXPECT_EQ(m_dlg->choiceButton(CI::Size25)->imageName(), "Lumora/Images/gdt25.bmp");
    m_dlg->done(SettingsDlg::kCancel);
}

TEST(SettingsDlgGeometry, PlacesFromTheScreenSize) {
    App();
    EXPECT_EQ(SettingsDlg::Placement(QSize(1024, 768)), QRect(136, 76, 768 - 91, 576 - 38));
}
