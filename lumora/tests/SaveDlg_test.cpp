// The save dialog driven offscreen by posted gaze points and real clicks.
#include "dialogs/SaveDlg.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QTest>

#include "canvas/CPaintDlg.h"
#include "LumoraGuiTest.h"
#include "files/DrawingFile.h"
#include "files/KeystrokeLog.h"
#include "dialogs/SaveHelpDlg.h"
#include "MemoryLogSink.h"

using namespace lumora;
using namespace lumora::test;

namespace {

const QDateTime kMoment(QDate(2004, 7, 12), QTime(12, 25, 30));

QImage SampleDrawing() {
    QImage image(1700, 950, QImage::Format_RGB32);
    image.fill(Qt::white);
    // A red block whose seventh lands well inside the thumbnail.
    for (int y = 1; y < 701; ++y)
        for (int x = 1; x < 701; ++x)
            image.setPixel(x, y, qRgb(200, 55, 55));
    return image;
}

class SaveDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        EnterOwnFolder();
        FreshDrawingsFolder();
        m_dlg = std::make_unique<SaveDlg>(
            kScreen, m_sound.player(), [] { return SampleDrawing(); }, &m_main);
        m_dlg->setClock([] { return kMoment; });
    }
    void TearDown() override { m_dlg.reset(); }

    // Runs the dialog modally while `during` drives it; returns exec()'s result.
    int runWith(std::function<void()> during) {
        QTimer::singleShot(0, m_dlg.get(), [&] { during(); });
        return m_dlg->exec();
    }

    ScriptedSound m_sound;
    MainWindowStandIn m_main;
    std::unique_ptr<SaveDlg> m_dlg;
};

}  // namespace

TEST_F(SaveDlgTest, NameIsTheOpeningTime) {
    EXPECT_EQ(SaveDlg::NewFileName(kMoment), "Lumora/Drawings/Lumora2004-07-12_122530.bmp");
}

TEST_F(SaveDlgTest, TwoSavesInOneSecondGetDistinctNamesInTimeOrder) {
    QStringList names;
    for (int i = 0; i < 12; ++i) {
        const QString name = SaveDlg::NewFileName(kMoment);
        ASSERT_FALSE(names.contains(name));
        ASSERT_TRUE(WriteDrawingFile(name, SampleDrawing().copy(0, 0, 4, 4)));
        names << name;
    }
    EXPECT_EQ(names[1], "Lumora/Drawings/Lumora2004-07-12_122530_1.bmp");
    EXPECT_EQ(names[10], "Lumora/Drawings/Lumora2004-07-12_122530_z10.bmp");
    const QString nextSecond = SaveDlg::NewFileName(kMoment.addSecs(1));
    QStringList sorted = names;
    sorted << nextSecond;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, names + QStringList{nextSecond});
    EXPECT_EQ(QDir("Lumora/Drawings").entryList(QDir::Files).size(), 12);
}

TEST_F(SaveDlgTest, SaveByGazePostsTheFileNameAndClosesWithOk) {
    const int result = runWith([&] { GazeChoose(m_dlg.get(), m_dlg->saveButton()); });
    EXPECT_EQ(result, SaveDlg::kOk);
    Pump();
    EXPECT_EQ(m_main.drawingFiles, QStringList{"8 Lumora/Drawings/Lumora2004-07-12_122530.bmp"});
    EXPECT_TRUE(m_sound.player().log().contains(QStringLiteral("async ") + kClickSound));
}

TEST_F(SaveDlgTest, NoSaveClosesWithOkWithoutSaving) {
    EXPECT_EQ(runWith([&] { GazeChoose(m_dlg.get(), m_dlg->noSaveButton()); }), SaveDlg::kOk);
    Pump();
    EXPECT_TRUE(m_main.received.empty());
}

TEST_F(SaveDlgTest, CancelByMouseClosesWithCancel) {
    EXPECT_EQ(runWith([&] { QTest::mouseClick(m_dlg->cancelButton(), Qt::LeftButton); }), SaveDlg::kCancel);
    Pump();
    EXPECT_TRUE(m_main.received.empty());
}

TEST_F(SaveDlgTest, HelpIsAGazeButtonAndTheHelpWindowGetsGazeToo) {
    m_dlg->show();
    Pump();
    GazeChoose(m_dlg.get(), m_dlg->helpButton());
    Pump();
    ASSERT_NE(m_dlg->helpWindow(), nullptr);
    EXPECT_TRUE(m_dlg->helpWindow()->isVisible());
    EXPECT_EQ(m_dlg->helpWindow()->text(), QString::fromLatin1(SaveHelpDlg::kText));
    // Gaze on the owner reaches the help window's marker as well.
    const QPoint at = HelpDlg::Placement(kScreen).topLeft() + QPoint(300, 40);
    PostGaze(m_dlg.get(), at, 1);
    Pump();
    EXPECT_EQ(m_dlg->helpWindow()->markerRect().topLeft(), QPoint(300, 40));
    m_dlg->done(SaveDlg::kCancel);
    EXPECT_FALSE(m_dlg->helpWindow()->isVisible());
}

TEST_F(SaveDlgTest, ShowsTheNameAndTheDrawingAtOneSeventh) {
    m_dlg->show();
    Pump();
    const QRect thumb = SaveDlg::SnapshotPlace(kScreen);
    EXPECT_EQ(thumb.size(), QSize((1920 - 200) / 7, (1080 - 171) / 7));
    EXPECT_EQ(thumb.y(), 60);
    EXPECT_EQ(thumb.x(), (m_dlg->placement().width() - thumb.width()) / 2);
    // The red block (700 / 7 = 100 pixels of thumbnail) and white beyond it.
    EXPECT_EQ(m_dlg->picture().pixel(thumb.topLeft() + QPoint(50, 50)), qRgb(200, 55, 55));
    EXPECT_EQ(m_dlg->picture().pixel(thumb.topLeft() + QPoint(150, 110)), qRgb(255, 255, 255));
    EXPECT_EQ(m_dlg->fileName(), "Lumora/Drawings/Lumora2004-07-12_122530.bmp");
    EXPECT_EQ(m_dlg->placement(), QRect(480, 270, 800, 360));
    m_dlg->done(SaveDlg::kCancel);
}

TEST(SaveDlgLayout, TheQuestionAndTheWholeNameShowAboveThePicture) {
    App();
    // The longest name a save gives (a third save within one second) in the font in use.
    const QString name = SaveDlg::NewFileName(kMoment).replace(QStringLiteral(".bmp"), QStringLiteral("_z10.bmp"));
    const QString question = QString::fromLatin1(SaveDlg::kQuestion);
    for (const QSize& screen : {QSize(1024, 768), QSize(1920, 1080), QSize(800, 600)}) {
        const QRect questionPlace = SaveDlg::QuestionPlace(screen);
        const QRect namePlace = SaveDlg::NamePlace(screen);
        const QRect dialog(QPoint(0, 0), SaveDlg::Placement(screen).size());
        const QRect questionNeeds =
            QFontMetrics(SaveDlg::QuestionFont(screen)).boundingRect(questionPlace, Qt::AlignCenter, question);
        const QRect nameNeeds =
            QFontMetrics(SaveDlg::NameFont(screen, name)).boundingRect(namePlace, Qt::AlignHCenter | Qt::AlignTop, name);
        const QString at = QStringLiteral(" at %1 x %2").arg(screen.width()).arg(screen.height());
        EXPECT_TRUE(questionPlace.contains(questionNeeds)) << qPrintable(at);
        EXPECT_TRUE(namePlace.contains(nameNeeds)) << qPrintable(at);
        EXPECT_TRUE(dialog.contains(questionPlace) && dialog.contains(namePlace)) << qPrintable(at);
        // Made smaller only where the font in use needs it, and still legible.
        EXPECT_GE(SaveDlg::NameFont(screen, name).pixelSize(), screen.width() >= 1024 ? 12 : 10) << qPrintable(at);
        EXPECT_EQ(SaveDlg::NameFont(screen, QStringLiteral("Lumora")).pixelSize(), SaveDlg::kNameFontHeight);
        // Nothing else covers them: the question above the name, both above the picture, the
        // help button and the row of buttons.
        EXPECT_LE(questionPlace.bottom(), namePlace.top()) << qPrintable(at);
        for (const QRect& below : {SaveDlg::SnapshotPlace(screen), SaveDlg::HelpButtonPlace(screen),
                                   SaveDlg::SaveButtonPlace(screen)})
            EXPECT_LT(namePlace.bottom(), below.top()) << qPrintable(at);
    }
}

TEST_F(SaveDlgTest, TheQuestionIsDrawnAboveTheName) {
    m_dlg->show();
    Pump();
    const auto inkIn = [&](const QRect& area, QRgb ink) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += m_dlg->picture().pixel(x, y) == ink;
        return n;
    };
    EXPECT_GT(inkIn(SaveDlg::QuestionPlace(kScreen), qRgb(0, 0, 0)), 100);
    // The name's lowest row (the underscore's) shows too.
    const QRect name = SaveDlg::NamePlace(kScreen);
    int grey = 0;
    for (int y = name.top(); y <= name.bottom(); ++y)
        for (int x = name.left(); x <= name.right(); ++x)
            grey += qGray(m_dlg->picture().pixel(x, y)) < 200;
    EXPECT_GT(grey, 100);
    m_dlg->done(SaveDlg::kCancel);
}

TEST_F(SaveDlgTest, TheCanvasSavesTheDialogsNameAndOpensItAgainPixelExact) {
    // The canvas as the main window wires it: the dialog takes the canvas's snapshot, the canvas
    // writes the named file with StoreDrawingFile and opens it again.
    CPaintDlg canvas(kScreen, m_sound.player(), std::make_unique<MemoryLogSink>(), nullptr);
    canvas.setDrawingWriter(&StoreDrawingFile);
    QImage background(canvas.geometry().client, QImage::Format_RGB32);
    background.fill(qRgb(80, 152, 71));
    for (int x = 0; x < background.width(); x += 3)
        background.setPixel(x, x % background.height(), qRgb(x & 0xFF, 0, 255 - (x & 0xFF)));
    ASSERT_TRUE(WriteDrawingFile("Lumora/Drawings/background.bmp", background));
    canvas.drawingFile(kDrawingFileOpen, "Lumora/Drawings/background.bmp");
    const QImage drawn = canvas.snapshot();

    SaveDlg save(
        kScreen, m_sound.player(), [&] { return canvas.snapshot(); }, &m_main);
    save.setClock([] { return kMoment; });
    QTimer::singleShot(0, &save, [&] { GazeChoose(&save, save.saveButton()); });
    ASSERT_EQ(save.exec(), SaveDlg::kOk);
    Pump();
    canvas.drawingFile(kDrawingFileSave, save.fileName());

    CPaintDlg reopened(kScreen, m_sound.player(), std::make_unique<MemoryLogSink>(), nullptr);
    reopened.drawingFile(kDrawingFileOpen, save.fileName());
    EXPECT_EQ(reopened.backgroundImage().convertToFormat(QImage::Format_RGB32),
              drawn.convertToFormat(QImage::Format_RGB32));
}
