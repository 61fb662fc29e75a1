// The main window with the real canvas and dialogs, offscreen, driven only by posted gaze
// messages as the gaze thread sends them: a drawing made through the window's buttons, saved
// through the save dialog, and the program ended through the exit question.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <functional>
#include <memory>

#include "canvas/CPaintDlg.h"
#include "LumoraGuiTest.h"
#include "dialogs/ExitDlg.h"
#include "files/LoadBmpFile.h"
#include "buttons/LumoraButton.h"
#include "app/MainDlg.h"
#include "dialogs/MessageDlg.h"
#include "dialogs/SaveDlg.h"
#include "app/SoundPlayer.h"
#include "ScriptedSoundPlayer.h"

using namespace lumora;
using lumora::test::Pump;

namespace {

constexpr int kScreenW = 1024;
constexpr int kScreenH = 768;
constexpr int kButtonDwell = 35;  // gaze points that choose a button

class Wiring : public ::testing::Test {
protected:
    void SetUp() override {
        test::App();
        // The cases share one working folder; each starts with no drawings.
        QDir(QStringLiteral("Lumora/Drawings")).removeRecursively();
        QDir().mkpath(QStringLiteral("Lumora/Drawings"));
        QDir().mkpath(QStringLiteral("Lumora/Data"));
        SetSoundPlayer(std::make_unique<ScriptedSoundPlayer>());
        m_dlg = std::make_unique<MainDlg>(QRect(0, 0, kScreenW, kScreenH), false);
        m_dlg->show();
        Pump();
    }
    void TearDown() override {
        m_dlg.reset();
        SetSoundPlayer(nullptr);
    }

    void post(unsigned msg, const QPoint& p) {
        PostLumoraMessage(m_dlg.get(), msg, 1, MakePointLParam(p.x(), p.y()));
        Pump();
    }
    void gazeAt(const QPoint& p, int times) {
        for (int i = 0; i < times; ++i)
            post(WM_GAZE_POINT, p);
    }
    static QPoint Centre(const QWidget* w) { return w->mapToGlobal(QPoint(w->width() / 2, w->height() / 2)); }
    void chooseByGaze(const QWidget* button) { gazeAt(Centre(button), kButtonDwell); }
    // A whole dwell on the canvas at a canvas point: the gaze rests, the steps, the end.
    void dwellOnCanvas(const QPoint& canvasPt) {
        const QPoint p = canvasPt + m_dlg->canvas()->geometry().origin;
        gazeAt(p, 1);
        const int steps = m_dlg->canvas()->yellowStep() ? 3 : 2;
        for (int i = 0; i < steps; ++i)
            post(WM_GAZE_DWELL, p);
        PostLumoraMessage(m_dlg.get(), WM_GAZE_FIXATION_END, 1, 0);
        Pump();
    }
    void drawRedRectangle() {
        chooseByGaze(m_dlg->button(1014));  // Red
        chooseByGaze(m_dlg->button(IDC_RECTANGLE));
        dwellOnCanvas({100, 100});
        dwellOnCanvas({300, 200});
    }

    std::unique_ptr<MainDlg> m_dlg;
};

const QRgb kRed = qRgb(200, 55, 55);
const QRgb kWhite = qRgb(255, 255, 255);

}  // namespace

TEST_F(Wiring, ARectangleChosenByGazeLandsOnTheCanvas) {
    drawRedRectangle();
    ASSERT_EQ(m_dlg->canvas()->shapes().size(), 1u);
    const QImage& image = m_dlg->canvas()->committedImage();
    const QPoint a = m_dlg->canvas()->shapes()[0]->start();
    const QPoint b = m_dlg->canvas()->shapes()[0]->end();
    EXPECT_EQ(image.pixel(a), kRed);
    EXPECT_EQ(image.pixel(b), kRed);
    EXPECT_EQ(image.pixel((a.x() + b.x()) / 2, a.y()), kRed);
    EXPECT_EQ(image.pixel((a + b) / 2), kWhite);  // not filled
    // Undo by gaze takes it away again.
    chooseByGaze(m_dlg->button(IDC_UNDO));
    EXPECT_TRUE(m_dlg->canvas()->shapes().empty());
}

TEST_F(Wiring, SaveThroughTheDialogWritesTheDrawing) {
    drawRedRectangle();
    SaveDlg* save = m_dlg->saveDlg();
    test::WhenVisible(save, [&] { chooseByGaze(save->saveButton()); });
    QTimer::singleShot(10000, save, [save] { save->reject(); });  // never hang the run
    chooseByGaze(m_dlg->button(IDC_SAVE));
    Pump();
    const QStringList files = QDir(QStringLiteral("Lumora/Drawings")).entryList({QStringLiteral("*.bmp")});
    ASSERT_EQ(files.size(), 1);
    QImage written;
    ASSERT_TRUE(LoadBmpFile(QStringLiteral("Lumora/Drawings/") + files[0], written));
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32),
              m_dlg->canvas()->snapshot().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(m_dlg->canvas()->shapes().size(), 1u);  // Save keeps the drawing
}

TEST_F(Wiring, NewSavesTheOldDrawingBeforeClearingIt) {
    drawRedRectangle();
    const QImage before = m_dlg->canvas()->snapshot();
    SaveDlg* save = m_dlg->saveDlg();
    test::WhenVisible(save, [&] { chooseByGaze(save->saveButton()); });
    QTimer::singleShot(10000, save, [save] { save->reject(); });
    chooseByGaze(m_dlg->button(IDC_NEW));
    Pump();
    const QStringList files = QDir(QStringLiteral("Lumora/Drawings")).entryList({QStringLiteral("*.bmp")});
    ASSERT_EQ(files.size(), 1);
    QImage written;
    ASSERT_TRUE(LoadBmpFile(QStringLiteral("Lumora/Drawings/") + files[0], written));
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), before.convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(m_dlg->canvas()->shapes().empty());
}

TEST_F(Wiring, NewCancelledKeepsTheDrawing) {
    drawRedRectangle();
    SaveDlg* save = m_dlg->saveDlg();
    test::WhenVisible(save, [&] { chooseByGaze(save->cancelButton()); });
    QTimer::singleShot(10000, save, [save] { save->reject(); });
    chooseByGaze(m_dlg->button(IDC_NEW));
    Pump();
    EXPECT_EQ(m_dlg->canvas()->shapes().size(), 1u);
    EXPECT_TRUE(QDir(QStringLiteral("Lumora/Drawings")).entryList({QStringLiteral("*.bmp")}).isEmpty());
}

TEST_F(Wiring, ADrawingThatCannotBeWrittenStaysOnTheCanvasAndTheUserIsTold) {
    struct Case {
        const char* what;
        int button;  // New (save, then clear) or Save
        std::function<void()> breakTheDisk;
        const char* told;
    };
    const Case cases[] = {
        {"a file where the drawings folder should be, then New", IDC_NEW,
         [] {
             QDir(QStringLiteral("Lumora/Drawings")).removeRecursively();
             QFile file(QStringLiteral("Lumora/Drawings"));
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         },
         "The drawing could not be saved: the folder cannot be written."},
        {"a full disk, then Save", IDC_SAVE,
         [this] {
             m_dlg->canvas()->setDrawingWriter(
                 [](const QString&, const QImage&) { return support::WriteStatus::NoSpace; });
         },
         "The drawing could not be saved: the disk is full."},
    };
    for (const Case& c : cases) {
        SetUp();
        drawRedRectangle();
        const QImage before = m_dlg->canvas()->snapshot();
        c.breakTheDisk();
        SaveDlg* save = m_dlg->saveDlg();
        QStringList told;
        test::WhenVisible(save, [&] { chooseByGaze(save->saveButton()); });
        test::WhenShown(
            m_dlg.get(), [&] { return static_cast<QWidget*>(m_dlg->messageDlg()); },
            [&] {
                MessageDlg* message = m_dlg->messageDlg();
                told << message->text();
                // Read, then dismissed by gaze like every other dialog.
                chooseByGaze(message->okButton());
            });
        QTimer::singleShot(10000, save, [this, save] {
            save->reject();
            if (m_dlg->messageDlg())
                m_dlg->messageDlg()->reject();
        });
        chooseByGaze(m_dlg->button(c.button));
        Pump();
        EXPECT_EQ(told, QStringList{c.told}) << c.what;
        EXPECT_FALSE(m_dlg->messageDlg()->isVisible()) << c.what;
        ASSERT_EQ(m_dlg->canvas()->shapes().size(), 1u) << c.what;
        EXPECT_EQ(m_dlg->canvas()->snapshot(), before) << c.what;
        // Drawing goes on after the message.
        chooseByGaze(m_dlg->button(IDC_UNDO));
        EXPECT_TRUE(m_dlg->canvas()->shapes().empty()) << c.what;
        TearDown();
        QFile::remove(QStringLiteral("Lumora/Drawings"));
    }
}

TEST_F(Wiring, ExitConfirmedByGazeEndsTheProgram) {
    bool closed = false;
    QObject::connect(m_dlg.get(), &MainDlg::closed, [&] { closed = true; });
    ExitDlg* exit = m_dlg->exitDlg();
    test::WhenVisible(exit, [&] { chooseByGaze(exit->exitButton()); });
    QTimer::singleShot(10000, exit, [exit] { exit->reject(); });
    chooseByGaze(m_dlg->button(IDC_EXIT));
    Pump();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(m_dlg->gazeShared().gazeRunning.load());
}
