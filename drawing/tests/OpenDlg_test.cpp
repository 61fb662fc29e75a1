// The open dialog's book driven offscreen: pages, arrows, choosing, opening and deleting.
#include "OpenDlg.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTest>

#include "DeleteDlg.h"
#include "DialogTestSupport.h"
#include "DrawingFile.h"
#include "OpenHelpDlg.h"

using namespace lumora;
using namespace lumora::test;

namespace {

const QString kOld = "Lumora/Drawings/Lumora2004-07-12_122530.bmp";
const QString kMiddle = "Lumora/Drawings/Lumora2004-07-12_122531.bmp";
const QString kNew = "Lumora/Drawings/Lumora2004-07-13_090000.bmp";

void Save(const QString& path, QRgb colour) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(WriteDrawingFile(path, image));
}

class OpenDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        EnterOwnFolder();
        FreshDrawingsFolder();
        dlg = std::make_unique<OpenDlg>(kScreen, sound.player(), &main);
    }
    void TearDown() override {
        if (dlg->isVisible())
            dlg->done(OpenDlg::kCancel);
        dlg.reset();
    }
    void open() {
        dlg->show();
        Pump();
    }
    // A screen point in the middle of a page.
    QPoint pageCentre(OpenDlg::Page page) const {
        return dlg->placement().topLeft() + OpenDlg::PageRect(kScreen, page).center();
    }

    ScriptedSound sound;
    MainWindowStandIn main;
    std::unique_ptr<OpenDlg> dlg;
};

}  // namespace

TEST_F(OpenDlgTest, EmptyFolderShowsEmptyPagesAndNoArrows) {
    open();
    EXPECT_TRUE(dlg->pagePath(OpenDlg::LeftPage).isEmpty());
    EXPECT_TRUE(dlg->pagePath(OpenDlg::RightPage).isEmpty());
    EXPECT_FALSE(dlg->previousButton()->isVisible());
    EXPECT_FALSE(dlg->nextButton()->isVisible());
}

TEST_F(OpenDlgTest, OneDrawingOnTheLeftPageAndNoArrows) {
    Save(kOld, qRgb(255, 0, 0));
    Save("Lumora/Drawings/Capitals.BMP", qRgb(0, 0, 255));  // not listed: the pattern is case-sensitive
    open();
    EXPECT_EQ(dlg->listing().entries().size(), 1u);
    EXPECT_EQ(dlg->pagePath(OpenDlg::LeftPage), kOld);
    EXPECT_TRUE(dlg->pagePath(OpenDlg::RightPage).isEmpty());
    EXPECT_FALSE(dlg->previousButton()->isVisible());
    EXPECT_FALSE(dlg->nextButton()->isVisible());
    // The drawing is on the page, where the book's own page would be.
    const QRect shown = OpenDlg::PageDrawingRect(kScreen, OpenDlg::LeftPage);
    EXPECT_EQ(dlg->picture().pixel(shown.topLeft() + QPoint(2, 2)), qRgb(255, 0, 0));
}

TEST_F(OpenDlgTest, ThreeDrawingsNewestFirstAndTheArrowsStopAtTheEnds) {
    Save(kOld, qRgb(255, 0, 0));
    Save(kMiddle, qRgb(0, 255, 0));
    Save(kNew, qRgb(0, 0, 255));
    open();
    EXPECT_EQ(dlg->pagePath(OpenDlg::LeftPage), kNew);
    EXPECT_EQ(dlg->pagePath(OpenDlg::RightPage), kMiddle);
    EXPECT_FALSE(dlg->previousButton()->isVisible());
    ASSERT_TRUE(dlg->nextButton()->isVisible());

    GazeChoose(dlg.get(), dlg->nextButton());
    Pump();
    EXPECT_EQ(dlg->pageOffset(OpenDlg::LeftPage), 2);
    EXPECT_EQ(dlg->pagePath(OpenDlg::LeftPage), kOld);
    EXPECT_TRUE(dlg->pagePath(OpenDlg::RightPage).isEmpty());
    EXPECT_TRUE(dlg->previousButton()->isVisible());
    EXPECT_FALSE(dlg->nextButton()->isVisible());

    QTest::mouseClick(dlg->previousButton(), Qt::LeftButton);
    Pump();
    EXPECT_EQ(dlg->pagePath(OpenDlg::LeftPage), kNew);
    EXPECT_FALSE(dlg->previousButton()->isVisible());
}

TEST_F(OpenDlgTest, ThirtyPointsOnAPageChooseItAndOpenPostsItsPath) {
    Save(kOld, qRgb(255, 0, 0));
    Save(kNew, qRgb(0, 0, 255));
    open();
    PostGaze(dlg.get(), pageCentre(OpenDlg::RightPage), OpenDlg::kPageChooseCount - 1);
    Pump();
    EXPECT_TRUE(dlg->selectedPath().isEmpty());
    // A point elsewhere starts the count over.
    PostGaze(dlg.get(), dlg->placement().topLeft() + QPoint(2, 2), 1);
    PostGaze(dlg.get(), pageCentre(OpenDlg::RightPage), OpenDlg::kPageChooseCount - 1);
    Pump();
    EXPECT_TRUE(dlg->selectedPath().isEmpty());
    PostGaze(dlg.get(), pageCentre(OpenDlg::RightPage), 1);
    Pump();
    EXPECT_EQ(dlg->selectedPath(), kOld);
    EXPECT_EQ(dlg->bookPicture(), QString::fromLatin1(OpenDlg::kBookRightPicture));

    // A mouse press on the other page chooses it at once.
    QTest::mousePress(dlg.get(), Qt::LeftButton, {}, OpenDlg::PageRect(kScreen, OpenDlg::LeftPage).center());
    EXPECT_EQ(dlg->selectedPath(), kNew);
    EXPECT_EQ(dlg->bookPicture(), QString::fromLatin1(OpenDlg::kBookLeftPicture));

    GazeChoose(dlg.get(), dlg->openButton());
    Pump();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), OpenDlg::kOk);
    EXPECT_EQ(main.drawingFiles, QStringList{"5 " + kNew});
}

TEST_F(OpenDlgTest, OpenWithNothingChosenOpensNothing) {
    Save(kOld, qRgb(255, 0, 0));
    open();
    GazeChoose(dlg.get(), dlg->openButton());
    Pump();
    EXPECT_EQ(dlg->result(), OpenDlg::kOk);
    EXPECT_TRUE(main.received.empty());
}

TEST_F(OpenDlgTest, DeleteRemovesTheFileOnlyAfterConfirmation) {
    Save(kOld, qRgb(255, 0, 0));
    Save(kNew, qRgb(0, 0, 255));
    open();
    dlg->choosePage(OpenDlg::LeftPage);
    ASSERT_EQ(dlg->selectedPath(), kNew);

    // Refused: nothing happens. The confirmation takes the gaze while it is shown.
    WhenVisible(dlg->deleteDialog(), [&] { GazeChoose(dlg.get(), dlg->deleteDialog()->cancelButton()); });
    dlg->deleteChosen();
    EXPECT_TRUE(QFile::exists(kNew));
    EXPECT_EQ(dlg->selectedPath(), kNew);

    // Confirmed: the page goes blank and the file is gone.
    WhenVisible(dlg->deleteDialog(), [&] { GazeChoose(dlg.get(), dlg->deleteDialog()->deleteButton()); });
    GazeChoose(dlg.get(), dlg->deleteButton());
    Pump();
    EXPECT_FALSE(QFile::exists(kNew));
    EXPECT_TRUE(QFile::exists(kOld));
    EXPECT_TRUE(dlg->selectedPath().isEmpty());
    EXPECT_TRUE(dlg->pagePath(OpenDlg::LeftPage).isEmpty());
    EXPECT_EQ(dlg->pagePath(OpenDlg::RightPage), kOld);
    EXPECT_EQ(dlg->bookPicture(), QString::fromLatin1(OpenDlg::kBookPicture));
}

TEST_F(OpenDlgTest, HelpIsAGazeButtonAndTakesTheGazeWhileShown) {
    Save(kOld, qRgb(255, 0, 0));
    open();
    GazeChoose(dlg.get(), dlg->helpButton());
    Pump();
    ASSERT_NE(dlg->helpWindow(), nullptr);
    ASSERT_TRUE(dlg->helpWindow()->isVisible());
    EXPECT_EQ(dlg->helpWindow()->soundFile(), QString::fromLatin1(OpenHelpDlg::kSound));
    // Gaze on a page does not count while help is shown.
    PostGaze(dlg.get(), pageCentre(OpenDlg::LeftPage), OpenDlg::kPageChooseCount);
    Pump();
    EXPECT_EQ(dlg->pageCounter(OpenDlg::LeftPage), 0);
    EXPECT_TRUE(dlg->selectedPath().isEmpty());
}

TEST(OpenDlgGeometry, PlacesFromTheScreenSize) {
    App();
    const QSize s(1024, 768);
    EXPECT_EQ(OpenDlg::Placement(s), QRect(182, 76, 677, 500));
    const int y = 500 - 30 - 76;
    EXPECT_EQ(OpenDlg::DeleteButtonPlace(s), QRect(30, y, 91, 76));
    EXPECT_EQ(OpenDlg::OpenButtonPlace(s), QRect(338 - 30 - 91, y, 91, 76));
    EXPECT_EQ(OpenDlg::CancelButtonPlace(s), QRect(338 + 30, y, 91, 76));
    EXPECT_EQ(OpenDlg::PreviousButtonPlace(s), QRect(10, 250 - 38, 91, 76));
    EXPECT_EQ(OpenDlg::NextButtonPlace(s), QRect(677 - 91 - 10, 250 - 38, 91, 76));
    EXPECT_EQ(OpenDlg::PageRect(s, OpenDlg::LeftPage), QRect(QPoint(68, 68), QPoint(327, 317)));
    EXPECT_EQ(OpenDlg::PageRect(s, OpenDlg::RightPage), QRect(QPoint(358, 68), QPoint(608, 317)));
    EXPECT_EQ(OpenDlg::BookRect(s), QRect(68, 38, 677 - 136, 500 - 152));
}
