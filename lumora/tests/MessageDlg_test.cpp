// The gaze message dialog driven offscreen by posted gaze points, keys and real clicks.
#include "dialogs/MessageDlg.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QFontMetrics>
#include <QTest>

#include "LumoraGuiTest.h"

using namespace lumora;
using namespace lumora::test;

namespace {

const QString kDiskFull = QStringLiteral("The drawing could not be saved: the disk is full.");
const QString kLongest = QStringLiteral("The settings could not be saved: the folder cannot be written.");

class MessageDlgTest : public ::testing::Test {
protected:
    void SetUp() override { m_dlg = std::make_unique<MessageDlg>(kScreen, m_sound.player(), &m_main, kDiskFull); }

    int runWith(std::function<void()> during) {
        QTimer::singleShot(0, m_dlg.get(), [&] { during(); });
        return m_dlg->exec();
    }

    ScriptedSound m_sound;
    MainWindowStandIn m_main;
    std::unique_ptr<MessageDlg> m_dlg;
};

}  // namespace

TEST_F(MessageDlgTest, OkChosenByDwellingClosesIt) {
    const int result = runWith([&] {
        // A glance that moves on chooses nothing; the dwell does.
        PostGaze(m_dlg.get(), ScreenCentre(m_dlg->okButton()), LumoraButton::kFireCount - 1);
        PostGaze(m_dlg.get(), m_dlg->placement().topLeft() + QPoint(2, 2), 1);
        Pump();
        EXPECT_TRUE(m_dlg->isVisible());
        GazeChoose(m_dlg.get(), m_dlg->okButton());
    });
    EXPECT_EQ(result, MessageDlg::kOk);
    EXPECT_EQ(m_sound.player().log(), QStringList{QStringLiteral("async ") + kClickSound});
    Pump();
    EXPECT_TRUE(m_main.received.empty());
}

TEST_F(MessageDlgTest, EveryWayOfClosingIsOk) {
    EXPECT_EQ(runWith([&] { QTest::mouseClick(m_dlg->okButton(), Qt::LeftButton); }), MessageDlg::kOk);
    EXPECT_EQ(runWith([&] { QTest::keyClick(m_dlg.get(), Qt::Key_Escape); }), MessageDlg::kOk);
    EXPECT_EQ(runWith([&] { m_dlg->close(); }), MessageDlg::kOk);
}

TEST_F(MessageDlgTest, StandsWhereItsScreenPlaceSaysAndItsCursorFollowsTheGaze) {
    // Run by a dialog that itself stands away from the screen's corner, as the open dialog does.
    QDialog owner(&m_main);
    owner.setGeometry(QRect(300, 200, 900, 600));
    owner.show();
    MessageDlg nested(kScreen, m_sound.player(), &owner, kDiskFull);
    nested.show();
    Pump();
    EXPECT_EQ(nested.placement(), QRect(480, 360, 960, 270));
    EXPECT_EQ(nested.geometry(), nested.placement());
    const QPoint gaze = nested.placement().topLeft() + QPoint(40, 30);
    PostGaze(&nested, gaze, 1);
    Pump();
    EXPECT_EQ(nested.gazeCursor().rect().center(), nested.mapFromGlobal(gaze));
    nested.done(MessageDlg::kOk);
}

TEST(MessageDlgLayout, TheWholeTextFitsAboveTheButtonInTheFontInUse) {
    App();
    const QStringList texts = {
        kDiskFull,
        QStringLiteral("The drawing could not be saved: the folder cannot be written."),
        QStringLiteral("The settings could not be saved: the disk is full."),
        kLongest,
        QStringLiteral("The drawing could not be deleted: the folder cannot be written."),
    };
    for (const QSize& screen : {QSize(1024, 768), QSize(1920, 1080), QSize(800, 600)}) {
        const QRect area = MessageDlg::TextArea(screen);
        EXPECT_LE(area.bottom(), MessageDlg::OkButtonPlace(screen).top());
        EXPECT_TRUE(QRect(QPoint(0, 0), MessageDlg::Placement(screen).size()).contains(MessageDlg::OkButtonPlace(screen)));
        for (const QString& text : texts) {
            const QFont font = MessageDlg::TextFont(screen, text);
            const QRect needed = QFontMetrics(font).boundingRect(area, MessageDlg::kTextFlags, text);
            EXPECT_TRUE(area.contains(needed)) << qPrintable(text) << " at " << screen.width() << " x " << screen.height();
            // Legible: no smaller than it must be.
            EXPECT_GE(font.pixelSize(), 12) << qPrintable(text);
        }
    }
}

TEST_F(MessageDlgTest, TheTextIsDrawnInTheDialog) {
    m_dlg->show();
    Pump();
    const QRect area = MessageDlg::TextArea(kScreen);
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            dark += qGray(m_dlg->picture().pixel(x, y)) < 64;
    EXPECT_GT(dark, 200);
    m_dlg->done(MessageDlg::kOk);
}
