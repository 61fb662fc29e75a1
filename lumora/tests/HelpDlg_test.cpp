// The help windows: Play, Stop and Close with the scripted sound player, the gaze marker, and the
// buttons chosen by gaze.
#include <gtest/gtest.h>

#include <QTest>

#include "LumoraGuiTest.h"
#include "dialogs/OpenHelpDlg.h"
#include "dialogs/SaveHelpDlg.h"

using namespace lumora;
using namespace lumora::test;

namespace {

class HelpDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        help = std::make_unique<OpenHelpDlg>(kScreen, sound.player(), nullptr);
        help->showHelp();
        Pump();
        sound.player().clear();
    }
    QString click() const { return QString::fromLatin1(kClickSound); }
    QString spoken() const { return QString::fromLatin1(OpenHelpDlg::kSound); }

    ScriptedSound sound;
    std::unique_ptr<OpenHelpDlg> help;
};

}  // namespace

TEST_F(HelpDlgTest, PlayTwiceRestartsTheSpokenText) {
    help->act(GROUP_PLAY_HELP);
    help->act(GROUP_PLAY_HELP);
    EXPECT_EQ(sound.player().log(),
              (QStringList{"sync " + click(), "async " + spoken(), "sync " + click(), "async " + spoken()}));
}

TEST_F(HelpDlgTest, StopStopsAndClicks) {
    help->act(GROUP_PLAY_HELP);
    sound.player().clear();
    help->act(GROUP_STOP_HELP);
    EXPECT_EQ(sound.player().log(), (QStringList{"stop", "sync " + click()}));
    EXPECT_TRUE(help->isVisible());
}

TEST_F(HelpDlgTest, CloseByGazeStopsTheSoundAndClosesTheWindow) {
    help->act(GROUP_PLAY_HELP);
    sound.player().clear();
    GazeChoose(help.get(), help->closeButton());
    Pump();
    EXPECT_FALSE(help->isVisible());
    // The button's own click, then the window's: stop first, then the click to its end.
    const QStringList log = sound.player().log();
    ASSERT_GE(log.size(), 2);
    EXPECT_EQ(log.mid(log.size() - 2), (QStringList{"stop", "sync " + click()}));
}

TEST_F(HelpDlgTest, PlayByMouse) {
    QTest::mouseClick(help->playButton(), Qt::LeftButton);
    Pump();
    EXPECT_TRUE(sound.player().log().contains("async " + spoken()));
}

TEST_F(HelpDlgTest, MarkerFollowsTheGazeAndLeavesNoTrace) {
    const QImage clean = help->picture();
    EXPECT_EQ(help->markerRect(), QRect(0, 0, 7, 7));
    const QPoint origin = HelpDlg::Placement(kScreen).topLeft();
    PostGaze(help.get(), origin + QPoint(400, 300), 1);
    Pump();
    EXPECT_EQ(help->markerRect(), QRect(400, 300, 7, 7));
    EXPECT_EQ(help->picture().pixel(403, 303), ColorRefToQRgb(COLOR_GAZE_CURSOR));
    PostGaze(help.get(), origin + QPoint(500, 310), 1);
    Pump();
    EXPECT_EQ(help->picture().pixel(403, 303), clean.pixel(403, 303));
}

TEST_F(HelpDlgTest, TextsAndSounds) {
    SaveHelpDlg save(kScreen, sound.player(), nullptr);
    EXPECT_EQ(save.soundFile(), "Lumora/Sounds/saveHelp.WAV");
    EXPECT_TRUE(save.text().startsWith("In the Save dialog box, you will see a small version of your drawing. \n\n"));
    EXPECT_EQ(help->soundFile(), "Lumora/Sounds/openHelp.WAV");
    EXPECT_TRUE(help->text().endsWith("click the button labeled 'Cancel'."));
}
