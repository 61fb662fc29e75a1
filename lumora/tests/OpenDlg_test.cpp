// The open dialog's book driven offscreen: pages, arrows, choosing, opening and deleting.
#include "dialogs/OpenDlg.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTest>

#include "dialogs/DeleteDlg.h"
#include "LumoraGuiTest.h"
#include "files/DrawingFile.h"
#include "files/FileNames.h"
#include "files/LoadBmpFile.h"
#include "dialogs/MessageDlg.h"
#include "dialogs/OpenHelpDlg.h"

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

// A 1-bit picture of width x height whose pixels are all the first colour (black), made
// sparse: the file holds its rows without taking room on the disk.
void SaveLargeMono(const QString& path, std::uint32_t width, std::uint32_t height) {
    const std::uint32_t stride = (width + 31) / 32 * 4;
    const std::uint32_t offset = 14 + 40 + 8;
    QByteArray header;
    const auto put16 = [&](std::uint16_t v) { header.append(char(v & 0xFF)).append(char(v >> 8)); };
    const auto put32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            header.append(char((v >> (8 * i)) & 0xFF));
    };
    header.append("BM", 2);
    put32(offset + stride * height);
    put32(0);
    put32(offset);
    put32(40);
    put32(width);
    put32(height);
    put16(1);
    put16(1);
    put32(0);
    put32(stride * height);
    put32(0);
    put32(0);
    put32(0);
    put32(0);
    put32(0x000000);  // black
    put32(0xFFFFFF);  // white
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(header);
    ASSERT_TRUE(f.resize(qint64(offset) + qint64(stride) * height));
}

// Writes a drawing under a name given as raw bytes.
void SaveNative(const QByteArray& path, QRgb colour) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(WriteDrawingFile(QStringLiteral("Lumora/Drawings/scratch.bmp"), image));
    ASSERT_EQ(::rename("Lumora/Drawings/scratch.bmp", path.constData()), 0);
}

class OpenDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        EnterOwnFolder();
        FreshDrawingsFolder();
        m_dlg = std::make_unique<OpenDlg>(kScreen, m_sound.player(), &m_main);
    }
    void TearDown() override {
        if (m_dlg->isVisible())
            m_dlg->done(OpenDlg::kCancel);
        m_dlg.reset();
    }
    void open() {
        m_dlg->show();
        Pump();
    }
    // A screen point in the middle of a page.
    QPoint pageCentre(OpenDlg::Page page) const {
        return m_dlg->placement().topLeft() + OpenDlg::PageRect(kScreen, page).center();
    }

    ScriptedSound m_sound;
    MainWindowStandIn m_main;
    std::unique_ptr<OpenDlg> m_dlg;
};

}  // namespace

TEST_F(OpenDlgTest, EmptyFolderShowsEmptyPagesAndNoArrows) {
    open();
    EXPECT_TRUE(m_dlg->pagePath(OpenDlg::LeftPage).isEmpty());
    EXPECT_TRUE(m_dlg->pagePath(OpenDlg::RightPage).isEmpty());
    EXPECT_FALSE(m_dlg->previousButton()->isVisible());
    EXPECT_FALSE(m_dlg->nextButton()->isVisible());
}

TEST_F(OpenDlgTest, OneDrawingOnTheLeftPageAndNoArrows) {
    Save(kOld, qRgb(255, 0, 0));
    Save("Lumora/Drawings/Capitals.BMP", qRgb(0, 0, 255));  // not listed: the pattern is case-sensitive
    open();
    EXPECT_EQ(m_dlg->listing().entries().size(), 1u);
    EXPECT_EQ(m_dlg->pagePath(OpenDlg::LeftPage), kOld);
    EXPECT_TRUE(m_dlg->pagePath(OpenDlg::RightPage).isEmpty());
    EXPECT_FALSE(m_dlg->previousButton()->isVisible());
    EXPECT_FALSE(m_dlg->nextButton()->isVisible());
    // The drawing is on the page, where the book's own page would be.
    const QRect shown = OpenDlg::PageDrawingRect(kScreen, OpenDlg::LeftPage);
    EXPECT_EQ(m_dlg->picture().pixel(shown.topLeft() + QPoint(2, 2)), qRgb(255, 0, 0));
}

TEST_F(OpenDlgTest, ThreeDrawingsNewestFirstAndTheArrowsStopAtTheEnds) {
    Save(kOld, qRgb(255, 0, 0));
    Save(kMiddle, qRgb(0, 255, 0));
    Save(kNew, qRgb(0, 0, 255));
    open();
    EXPECT_EQ(m_dlg->pagePath(OpenDlg::LeftPage), kNew);
    EXPECT_EQ(m_dlg->pagePath(OpenDlg::RightPage), kMiddle);
    EXPECT_FALSE(m_dlg->previousButton()->isVisible());
    ASSERT_TRUE(m_dlg->nextButton()->isVisible());

    GazeChoose(m_dlg.get(), m_dlg->nextButton());
    Pump();
    EXPECT_EQ(m_dlg->pageOffset(OpenDlg::LeftPage), 2);
    EXPECT_EQ(m_dlg->pagePath(OpenDlg::LeftPage), kOld);
    EXPECT_TRUE(m_dlg->pagePath(OpenDlg::RightPage).isEmpty());
    EXPECT_TRUE(m_dlg->previousButton()->isVisible());
    EXPECT_FALSE(m_dlg->nextButton()->isVisible());

    QTest::mouseClick(m_dlg->previousButton(), Qt::LeftButton);
    Pump();
    EXPECT_EQ(m_dlg->pagePath(OpenDlg::LeftPage), kNew);
    EXPECT_FALSE(m_dlg->previousButton()->isVisible());
}

TEST_F(OpenDlgTest, ThirtyPointsOnAPageChooseItAndOpenPostsItsPath) {
    Save(kOld, qRgb(255, 0, 0));
    Save(kNew, qRgb(0, 0, 255));
    open();
    PostGaze(m_dlg.get(), pageCentre(OpenDlg::RightPage), OpenDlg::kPageChooseCount - 1);
    Pump();
    EXPECT_TRUE(m_dlg->selectedPath().isEmpty());
    // A point elsewhere starts the count over.
    PostGaze(m_dlg.get(), m_dlg->placement().topLeft() + QPoint(2, 2), 1);
    PostGaze(m_dlg.get(), pageCentre(OpenDlg::RightPage), OpenDlg::kPageChooseCount - 1);
    Pump();
    EXPECT_TRUE(m_dlg->selectedPath().isEmpty());
    PostGaze(m_dlg.get(), pageCentre(OpenDlg::RightPage), 1);
    Pump();
    EXPECT_EQ(m_dlg->selectedPath(), kOld);
    EXPECT_EQ(m_dlg->bookPicture(), QString::fromLatin1(OpenDlg::kBookRightPicture));

    // A mouse press on the other page chooses it at once.
    QTest::mousePress(m_dlg.get(), Qt::LeftButton, {}, OpenDlg::PageRect(kScreen, OpenDlg::LeftPage).center());
    EXPECT_EQ(m_dlg->selectedPath(), kNew);
    EXPECT_EQ(m_dlg->bookPicture(), QString::fromLatin1(OpenDlg::kBookLeftPicture));

    GazeChoose(m_dlg.get(), m_dlg->openButton());
    Pump();
    EXPECT_FALSE(m_dlg->isVisible());
    EXPECT_EQ(m_dlg->result(), OpenDlg::kOk);
    EXPECT_EQ(m_main.drawingFiles, QStringList{"5 " + kNew});
}

TEST_F(OpenDlgTest, OpenWithNothingChosenOpensNothing) {
    Save(kOld, qRgb(255, 0, 0));
    open();
    GazeChoose(m_dlg.get(), m_dlg->openButton());
    Pump();
    EXPECT_EQ(m_dlg->result(), OpenDlg::kOk);
    EXPECT_TRUE(m_main.received.empty());
}

TEST_F(OpenDlgTest, DeleteRemovesTheFileOnlyAfterConfirmation) {
    Save(kOld, qRgb(255, 0, 0));
    Save(kNew, qRgb(0, 0, 255));
    open();
    m_dlg->choosePage(OpenDlg::LeftPage);
    ASSERT_EQ(m_dlg->selectedPath(), kNew);

    // Refused: nothing happens. The confirmation takes the gaze while it is shown.
    WhenVisible(m_dlg->deleteDialog(), [&] { GazeChoose(m_dlg.get(), m_dlg->deleteDialog()->cancelButton()); });
    m_dlg->deleteChosen();
    EXPECT_TRUE(QFile::exists(kNew));
    EXPECT_EQ(m_dlg->selectedPath(), kNew);

    // Confirmed: the page goes blank and the file is gone.
    WhenVisible(m_dlg->deleteDialog(), [&] { GazeChoose(m_dlg.get(), m_dlg->deleteDialog()->deleteButton()); });
    GazeChoose(m_dlg.get(), m_dlg->deleteButton());
    Pump();
    EXPECT_FALSE(QFile::exists(kNew));
    EXPECT_TRUE(QFile::exists(kOld));
    EXPECT_TRUE(m_dlg->selectedPath().isEmpty());
    EXPECT_TRUE(m_dlg->pagePath(OpenDlg::LeftPage).isEmpty());
    EXPECT_EQ(m_dlg->pagePath(OpenDlg::RightPage), kOld);
    EXPECT_EQ(m_dlg->bookPicture(), QString::fromLatin1(OpenDlg::kBookPicture));
}

TEST_F(OpenDlgTest, HelpIsAGazeButtonAndTakesTheGazeWhileShown) {
    Save(kOld, qRgb(255, 0, 0));
    open();
    GazeChoose(m_dlg.get(), m_dlg->helpButton());
    Pump();
    ASSERT_NE(m_dlg->helpWindow(), nullptr);
    ASSERT_TRUE(m_dlg->helpWindow()->isVisible());
    EXPECT_EQ(m_dlg->helpWindow()->soundFile(), QString::fromLatin1(OpenHelpDlg::kSound));
    // Gaze on a page does not count while help is shown.
    PostGaze(m_dlg.get(), pageCentre(OpenDlg::LeftPage), OpenDlg::kPageChooseCount);
    Pump();
    EXPECT_EQ(m_dlg->pageCounter(OpenDlg::LeftPage), 0);
    EXPECT_TRUE(m_dlg->selectedPath().isEmpty());
}

TEST_F(OpenDlgTest, SpecialFilesAreNotListedAndDoNotHoldTheBook) {
    Save(kOld, qRgb(255, 0, 0));
    // Named like drawings, newer than the real one: a FIFO (opening it for reading would wait
    // for a writer forever) and a link to /dev/zero (endless).
    ASSERT_EQ(::mkfifo("Lumora/Drawings/Lumora2005-01-01_000000.bmp", 0644), 0);
    ASSERT_EQ(::symlink("/dev/zero", "Lumora/Drawings/Lumora2005-01-01_000001.bmp"), 0);
    open();
    ASSERT_EQ(m_dlg->listing().entries().size(), 1u);
    EXPECT_EQ(m_dlg->pagePath(OpenDlg::LeftPage), kOld);
}

TEST_F(OpenDlgTest, LargePicturesDoNotHoldTheBook) {
    // Newest first: one larger than any drawing can be (16384 x 16384, a gigabyte decoded), one
    // at the largest size taken (8192 x 8192), and an ordinary drawing.
    const QString huge = "Lumora/Drawings/Lumora2004-07-14_000000.bmp";
    const QString large = "Lumora/Drawings/Lumora2004-07-13_000000.bmp";
    SaveLargeMono(huge, 16384, 16384);
    SaveLargeMono(large, 8192, 8192);
    Save(kOld, qRgb(255, 0, 0));
    open();
    EXPECT_TRUE(m_dlg->pagePath(OpenDlg::LeftPage).isEmpty());  // refused: no drawing on it
    ASSERT_EQ(m_dlg->pagePath(OpenDlg::RightPage), large);
    // Only the region a page shows was decoded, and it shows the picture's black.
    EXPECT_EQ(m_dlg->pageImage(OpenDlg::RightPage).size(), OpenDlg::DrawingRegion(kScreen));
    EXPECT_EQ(m_dlg->pageImage(OpenDlg::RightPage).pixel(10, 10), qRgb(0, 0, 0));

    // The book goes on taking the gaze: a dwell on the page chooses it, and the arrows turn.
    PostGaze(m_dlg.get(), pageCentre(OpenDlg::RightPage), OpenDlg::kPageChooseCount);
    Pump();
    EXPECT_EQ(m_dlg->selectedPath(), large);
    GazeChoose(m_dlg.get(), m_dlg->nextButton());
    Pump();
    EXPECT_EQ(m_dlg->pagePath(OpenDlg::LeftPage), kOld);
}

TEST_F(OpenDlgTest, NamesAsTheFileSystemGivesThemOpenAndDelete) {
    // Not UTF-8, and with a backslash: both are names like any other on this file system.
    const QByteArray latin1 = "Lumora/Drawings/Lumora2004-07-12_122530-\xE4.bmp";
    const QByteArray backslash = "Lumora/Drawings/Lumora2004-07-13_09\\0000.bmp";
    SaveNative(latin1, qRgb(0, 255, 0));
    SaveNative(backslash, qRgb(0, 0, 255));
    open();
    ASSERT_EQ(m_dlg->listing().entries().size(), 2u);
    ASSERT_EQ(NativeFileName(m_dlg->pagePath(OpenDlg::LeftPage)), backslash);
    ASSERT_EQ(NativeFileName(m_dlg->pagePath(OpenDlg::RightPage)), latin1);
    const QRect shown = OpenDlg::PageDrawingRect(kScreen, OpenDlg::RightPage);
    EXPECT_EQ(m_dlg->picture().pixel(shown.topLeft() + QPoint(2, 2)), qRgb(0, 255, 0));

    // Opened: the path the main window gets reads back as the very drawing.
    m_dlg->choosePage(OpenDlg::RightPage);
    GazeChoose(m_dlg.get(), m_dlg->openButton());
    Pump();
    ASSERT_EQ(m_main.drawingFiles.size(), 1);
    QImage opened;
    ASSERT_TRUE(LoadBmpFile(m_main.drawingFiles[0].mid(2), opened));
    EXPECT_EQ(opened.pixel(0, 0), qRgb(0, 255, 0));

    // Deleted: exactly that file goes.
    open();
    for (OpenDlg::Page page : {OpenDlg::LeftPage, OpenDlg::RightPage}) {
        m_dlg->choosePage(page);
        WhenVisible(m_dlg->deleteDialog(), [&] {
            PostGaze(m_dlg.get(), QPoint(0, 0), 1);  // a button fires again only after the gaze left it
            GazeChoose(m_dlg.get(), m_dlg->deleteDialog()->deleteButton());
        });
        m_dlg->deleteChosen();
        EXPECT_TRUE(m_dlg->pagePath(page).isEmpty());
    }
    EXPECT_NE(::access(latin1.constData(), F_OK), 0);
    EXPECT_NE(::access(backslash.constData(), F_OK), 0);
}

namespace {

struct DeleteFailure {
    const char* what;
    // Makes the chosen drawing impossible to remove; false when this system cannot.
    bool (*prevent)(const QString& drawing);
    void (*undo)(const QString& drawing);
};

const DeleteFailure kDeleteFailures[] = {
    {"folder that cannot be written",
     [](const QString&) {
         // The superuser writes into any folder.
         return ::geteuid() != 0 && ::chmod("Lumora/Drawings", 0555) == 0;
     },
     [](const QString&) { ::chmod("Lumora/Drawings", 0755); }},
    {"drawing replaced by a folder",
     [](const QString& drawing) {
         // Removing a file name that has become a folder fails whoever asks.
         return QFile::remove(drawing) && QDir().mkpath(drawing + "/inside");
     },
     [](const QString& drawing) { QDir(drawing).removeRecursively(); }},
};

}  // namespace

TEST_F(OpenDlgTest, ADeleteThatFailsKeepsThePageAndTellsTheUser) {
    for (const DeleteFailure& failure : kDeleteFailures) {
        SCOPED_TRACE(failure.what);
        FreshDrawingsFolder();
        Save(kOld, qRgb(255, 0, 0));
        open();
        m_dlg->choosePage(OpenDlg::LeftPage);
        ASSERT_EQ(m_dlg->selectedPath(), kOld);
        if (!failure.prevent(kOld))
            continue;
        QString told;
        WhenVisible(m_dlg->deleteDialog(), [&] { GazeChoose(m_dlg.get(), m_dlg->deleteDialog()->deleteButton()); });
        // The message takes the gaze from the book while it is shown, and OK closes it.
        WhenVisible(m_dlg->messageDialog(), [&] {
            told = m_dlg->messageDialog()->text();
            GazeChoose(m_dlg.get(), m_dlg->messageDialog()->okButton());
        });
        m_dlg->deleteChosen();
        failure.undo(kOld);
        EXPECT_EQ(told, QString::fromLatin1(OpenDlg::kDeleteFailedText));
        EXPECT_FALSE(m_dlg->messageDialog()->isVisible());
        EXPECT_EQ(m_dlg->pagePath(OpenDlg::LeftPage), kOld);
        EXPECT_EQ(m_dlg->selectedPath(), kOld);
        EXPECT_EQ(m_dlg->bookPicture(), QString::fromLatin1(OpenDlg::kBookLeftPicture));
        m_dlg->done(OpenDlg::kCancel);
    }
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
