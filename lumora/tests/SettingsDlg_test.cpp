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
        QFile::remove(kDataPath);
        ASSERT_TRUE(shared.dataFile.openPath(kDataPath.toStdString()));
        shared.iSamplePerSec = 60;
        settings.setPath(std::string(kGazeSettingsPath));
        tuning = {500.0f, true, std::bit_cast<float>(SettingsDlg::kDwellSizeQuarterBits)};
        dlg = std::make_unique<SettingsDlg>(kScreen, sound.player(), &main);
        command = std::make_unique<SettingsCommand>(*dlg, tuning, settings, shared, &canvas,
                                                    [this](bool yellow) { yellowTold.push_back(yellow); });
    }
    void TearDown() override {
        command.reset();
        dlg.reset();
        shared.dataFile.close();
    }

    // Runs the command while `during` drives the dialog.
    int runWith(std::function<void()> during) {
        WhenVisible(dlg.get(), std::move(during));
        return command->run();
    }
    void choose(CI i) { GazeChoose(dlg.get(), dlg->choiceButton(i)); }
    void ok() { GazeChoose(dlg.get(), dlg->okButton()); }
    void cancel() { GazeChoose(dlg.get(), dlg->cancelButton()); }
    std::vector<CI> highlighted() const {
        std::vector<CI> on;
        for (int i = 0; i < SettingsDlg::kChoiceCount; ++i)
            if (dlg->isHighlighted(static_cast<CI>(i)))
                on.push_back(static_cast<CI>(i));
        return on;
    }

    const QString kDataPath = "Lumora/Data/LMdata-test.dat";
    ScriptedSound sound;
    MainWindowStandIn main;
    MainWindowStandIn canvas;
    GazeShared shared;
    IniDocument settings;
    GazeTuning tuning;
    std::vector<bool> yellowTold;
    std::unique_ptr<SettingsDlg> dlg;
    std::unique_ptr<SettingsCommand> command;
};

}  // namespace

TEST_F(SettingsTest, OpeningHighlightsTheValuesInForce) {
    command->handValuesToDialog();
    dlg->highlightFromValues();
    EXPECT_EQ(highlighted(), (std::vector<CI>{CI::Timing500, CI::SequenceGYR, CI::Size25}));
}

TEST_F(SettingsTest, DwellSizeMatchesBitForBit) {
    tuning.GazeDev = std::nextafter(std::bit_cast<float>(SettingsDlg::kDwellSizeHalfBits), 100.0f);
    command->handValuesToDialog();
    dlg->highlightFromValues();
    EXPECT_EQ(highlighted(), (std::vector<CI>{CI::Timing500, CI::SequenceGYR}));
    tuning.GazeDev = 12.7f;
    command->handValuesToDialog();
    dlg->highlightFromValues();
    EXPECT_TRUE(dlg->isHighlighted(CI::Size50));
}

TEST_F(SettingsTest, FourHundredFiftyHighlightsNoTimingAndStaysAfterOk) {
    tuning.fMinFixMs = 450.0f;
    EXPECT_EQ(runWith([&] {
                  EXPECT_FALSE(dlg->isHighlighted(CI::Timing400));
                  EXPECT_FALSE(dlg->isHighlighted(CI::Timing500));
                  ok();
              }),
              SettingsDlg::kOk);
    EXPECT_EQ(tuning.fMinFixMs, 450.0f);
    EXPECT_EQ(shared.minimum_fix_samples.load(), MinimumFixSamples(60, 450.0f));
}

TEST_F(SettingsTest, LastTimingChosenWinsAndActsAtOnce) {
    EXPECT_EQ(runWith([&] {
                  choose(CI::Timing300);
                  choose(CI::Timing600);
                  ok();
              }),
              SettingsDlg::kOk);
    EXPECT_EQ(highlighted(), (std::vector<CI>{CI::Timing600, CI::SequenceGYR, CI::Size25}));
    EXPECT_EQ(tuning.fMinFixMs, 600.0f);
    EXPECT_EQ(shared.minimum_fix_samples.load(), 37);  // ceil(60 x 600 x 0.001f) = 37
    // The canvas was suspended and resumed around the dialog.
    Pump();
    ASSERT_EQ(canvas.received.size(), 2u);
    for (const Message& m : canvas.received) {
        EXPECT_EQ(m.msg, WM_BUTTON_CHOSEN);
        EXPECT_EQ(m.wParam, 0u);
        EXPECT_EQ(m.lParam, GROUP_SUSPEND);
    }
}

TEST_F(SettingsTest, OkWritesTheThreeLinesAndTheSettingsFile) {
    runWith([&] {
        choose(CI::SequenceGR);
        choose(CI::Size75);
        ok();
    });
    EXPECT_FALSE(tuning.Yellow);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(tuning.GazeDev), SettingsDlg::kDwellSizeThreeQuartersBits);
    EXPECT_EQ(yellowTold, std::vector<bool>{false});
    shared.dataFile.close();
    EXPECT_EQ(ReadLines(kDataPath), (QStringList{"fMinFixMs:500", "Yellow:0", "GazeDev:19.05"}));
    IniDocument back;
    back.setPath(std::string(kGazeSettingsPath));
    ASSERT_TRUE(back.read());
    EXPECT_EQ(back.getNumber(kFixTimeSection, kFixTimeKey, -1), 500.0);
    EXPECT_EQ(back.getNumber(kCursorColorSection, kCursorColorKey, -1), 0.0);
    EXPECT_NEAR(back.getNumber(kGazeDevSection, kGazeDevKey, -1), 19.05, 1e-5);
}

TEST_F(SettingsTest, CancelAppliesNothingButRewritesTheFile) {
    shared.minimum_fix_samples = 31;
    EXPECT_EQ(runWith([&] {
                  choose(CI::Timing300);
                  choose(CI::SequenceGR);
                  choose(CI::Size50);
                  cancel();
              }),
              SettingsDlg::kCancel);
    EXPECT_EQ(tuning.fMinFixMs, 500.0f);
    EXPECT_TRUE(tuning.Yellow);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(tuning.GazeDev), SettingsDlg::kDwellSizeQuarterBits);
    EXPECT_EQ(shared.minimum_fix_samples.load(), 31);
    EXPECT_TRUE(yellowTold.empty());
    shared.dataFile.close();
    EXPECT_TRUE(ReadLines(kDataPath).isEmpty());
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
    command->setTeller([&](const QString& text) {
        told << text;
        Pump();
        for (const Message& m : canvas.received)
            canvasBeforeTelling.push_back(m.msg);
    });
    EXPECT_EQ(runWith([&] {
                  choose(CI::Timing300);
                  ok();
              }),
              SettingsDlg::kOk);
    EXPECT_EQ(told, QStringList{"The settings could not be saved: the folder cannot be written."});
    EXPECT_EQ(tuning.fMinFixMs, 300.0f);
    // Told while the canvas is still suspended: one suspend so far, the resume after.
    EXPECT_EQ(canvasBeforeTelling, std::vector<unsigned>{WM_BUTTON_CHOSEN});
    Pump();
    EXPECT_EQ(canvas.received.size(), 2u);

    // Written again: nothing to tell.
    told.clear();
    ASSERT_TRUE(QDir("Lumora/LMSettings.ini").removeRecursively());
    runWith([&] { cancel(); });
    EXPECT_TRUE(told.isEmpty());
}

TEST_F(SettingsTest, ChoosingChangesOnlyItsOwnGroupAndDoesNotClose) {
    dlg->setDwellTimingShown(500);
    dlg->setColorSequence(SettingsDlg::kGreenYellowRed);
    dlg->setDwellSize(6.35f);
    dlg->show();
    Pump();
    choose(CI::Size75);
    Pump();
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(highlighted(), (std::vector<CI>{CI::Timing500, CI::SequenceGYR, CI::Size75}));
    // The button shows the highlighted picture it was sent.
    EXPECT_EQ(dlg->choiceButton(CI::Size75)->imageName(), "Lumora/Images/gdt75_sel.bmp");
    EXPECT_EQ(dlg->choiceButton(CI::Size25)->imageName(), "Lumora/Images/gdt25.bmp");
    dlg->done(SettingsDlg::kCancel);
}

TEST(SettingsDlgGeometry, PlacesFromTheScreenSize) {
    App();
    EXPECT_EQ(SettingsDlg::Placement(QSize(1024, 768)), QRect(136, 76, 768 - 91, 576 - 38));
}
