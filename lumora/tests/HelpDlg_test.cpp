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
        m_help = std::make_unique<OpenHelpDlg>(kScreen, m_sound.player(), nullptr);
        m_help->showHelp();
        Pump();
        m_sound.player().clear();
    }
    QString click() const { return QString::fromLatin1(kClickSound); }
    QString spoken() const { return QString::fromLatin1(OpenHelpDlg::kSound); }

    ScriptedSound m_sound;
    std::unique_ptr<OpenHelpDlg> m_help;
};

}  // namespace

TEST_F(HelpDlgTest, PlayTwiceRestartsTheSpokenText) {
    m_help->act(kGroupPlayHelp);
    m_help->act(kGroupPlayHelp);
    EXPECT_EQ(m_sound.player().log(),
              (QStringList{"sync " + click(), "async " + spoken(), "sync " + click(), "async " + spoken()}));
}

TEST_F(HelpDlgTest, StopStopsAndClicks) {
    m_help->act(kGroupPlayHelp);
    m_sound.player().clear();
    m_help->act(kGroupStopHelp);
    EXPECT_EQ(m_sound.player().log(), (QStringList{"stop", "sync " + click()}));
    EXPECT_TRUE(m_help->isVisible());
}

TEST_F(HelpDlgTest, CloseByGazeStopsTheSoundAndClosesTheWindow) {
    m_help->act(kGroupPlayHelp);
    m_sound.player().clear();
    GazeChoose(m_help.get(), m_help->closeButton());
    Pump();
    EXPECT_FALSE(m_help->isVisible());
    // The button's own click, then the window's: stop first, then the click to its end.
    const QStringList log = m_sound.player().log();
    ASSERT_GE(log.size(), 2);
    EXPECT_EQ(log.mid(log.size() - 2), (QStringList{"stop", "sync " + click()}));
}

TEST_F(HelpDlgTest, PlayByMouse) {
    QTest::mouseClick(m_help->playButton(), Qt::LeftButton);
    Pump();
    EXPECT_TRUE(m_sound.player().log().contains("async " + spoken()));
}

TEST_F(HelpDlgTest, MarkerFollowsTheGazeAndLeavesNoTrace) {
    const QImage clean = m_help->picture();
    EXPECT_EQ(m_help->markerRect(), QRect(0, 0, 7, 7));
    const QPoint origin = HelpDlg::Placement(kScreen).topLeft();
    PostGaze(m_help.get(), origin + QPoint(400, 300), 1);
    Pump();
    EXPECT_EQ(m_help->markerRect(), QRect(400, 300, 7, 7));
    EXPECT_EQ(m_help->picture().pixel(403, 303), ColorRefToQRgb(kColorGazeCursor));
    PostGaze(m_help.get(), origin + QPoint(500, 310), 1);
    Pump();
    EXPECT_EQ(m_help->picture().pixel(403, 303), clean.pixel(403, 303));
}

TEST_F(HelpDlgTest, TextsAndSounds) {
    SaveHelpDlg save(kScreen, m_sound.player(), nullptr);
    EXPECT_EQ(save.soundFile(), "Lumora/Sounds/saveHelp.WAV");
    EXPECT_TRUE(save.text().startsWith("In the Save dialog box, you will see a small version of your drawing. \n\n"));
    EXPECT_EQ(m_help->soundFile(), "Lumora/Sounds/openHelp.WAV");
    EXPECT_TRUE(m_help->text().endsWith("click the button labeled 'Cancel'."));
}
