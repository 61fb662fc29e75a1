// The canvas as a window: messages in, pictures, cursor, sounds and log lines out. What a
// drawing does without a window (snapshot, redraw cache, open and save of the pictures, undo)
// is in Drawing_test, the dwell stages on their own in CanvasDwell_test.
#include "canvas/CPaintDlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTest>
#include <memory>

#include "canvas/LineShape.h"
#include "canvas/RectangleShape.h"
#include "app/SoundPlayer.h"
#include "canvas/StampPictures.h"
#include "canvas/StampShape.h"
#include "ScriptedSoundPlayer.h"
#include "MemoryLogSink.h"

using namespace lumora;

namespace {

// The screen of the worked example: the canvas stands at (111, 10), 802 x 634, and its images
// are 798 x 630.
constexpr int kScreenW = 1024;
constexpr int kScreenH = 768;
const QPoint kOrigin(111, 10);

constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kBlack = 0xFF000000u;
constexpr ColorRef kRed = MakeColorRef(200, 55, 55);
constexpr QRgb kRedRgb = ColorRefToQRgb(kRed);
constexpr ColorRef kBlue = MakeColorRef(65, 65, 139);
constexpr QRgb kBlueRgb = ColorRefToQRgb(kBlue);

int g_argc = 1;
char g_arg0[] = "canvas_test";
char* g_argv[] = {g_arg0, nullptr};

// An offscreen screen of the example's size, so that the window under a gaze point is found
// as on the real screen.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        // One file per process: ctest runs the cases of this program side by side.
        const QString config =
            QDir::current().absoluteFilePath(QStringLiteral("screen-%1.json").arg(QCoreApplication::applicationPid()));
        QSaveFile file(config);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral(R"({"screens":[{"name":"main","x":0,"y":0,"width":%1,"height":%2}]})")
                       .arg(kScreenW)
                       .arg(kScreenH)
                       .toUtf8());
        ASSERT_TRUE(file.commit());
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
        m_app = std::make_unique<QApplication>(g_argc, g_argv);
        QFile::remove(config);  // read when the application started
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
};

const bool kGRegistered = (::testing::AddGlobalTestEnvironment(new QtEnvironment), true);

QString y() {
    return QStringLiteral("async Lumora/Sounds/y.wav");
}
QString r() {
    return QStringLiteral("async Lumora/Sounds/r.wav");
}
QString g() {
    return QStringLiteral("async Lumora/Sounds/g.wav");
}

class Canvas : public ::testing::Test {
protected:
    void SetUp() override {
        m_main.setGeometry(0, 0, kScreenW, kScreenH);
        auto sink = std::make_unique<MemoryLogSink>();
        m_sink = sink.get();
        m_canvas = std::make_unique<CPaintDlg>(QSize(kScreenW, kScreenH), m_sound, std::move(sink), &m_main);
        m_main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_main));
    }

    void post(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
        PostLumoraMessage(m_canvas.get(), msg, wParam, lParam);
        QCoreApplication::sendPostedEvents(m_canvas.get());
    }
    void postText(unsigned msg, std::uintptr_t wParam, const QString& text) {
        PostLumoraText(m_canvas.get(), msg, wParam, text);
        QCoreApplication::sendPostedEvents(m_canvas.get());
    }
    // Screen points given as canvas points, so that expectations read in canvas pixels.
    void gaze(QPoint canvasPt) { post(WM_GAZE_POINT, 1, PointLParam(canvasPt + kOrigin)); }
    void dwell(QPoint canvasPt) { post(WM_GAZE_DWELL, 1, PointLParam(canvasPt + kOrigin)); }
    void fixationEnd() { post(WM_GAZE_FIXATION_END, 1, 0); }
    void choose(std::uintptr_t value, int action) { post(WM_BUTTON_CHOSEN, value, action); }
    void attribute(std::uintptr_t value, int attr) { post(WM_CHANGE_ATTRIBUTE, value, attr); }

    // A whole dwell at a point: the gaze rests there, then the steps up to the commit.
    void commitAt(QPoint canvasPt) {
        gaze(canvasPt);
        const int steps = m_canvas->yellowStep() ? 3 : 2;
        for (int i = 0; i < steps; ++i) {
            dwell(canvasPt);
        }
        fixationEnd();
    }
    // The gaze stretches the band with the cursor point at `to` (the gaze 3 pixels beyond).
    void stretchTo(QPoint cursorPt) { gaze(cursorPt + QPoint(3, 3)); }
    void drawShape(QPoint from, QPoint cursorTo) {
        commitAt(from);
        stretchTo(cursorTo);
        commitAt(cursorTo + QPoint(3, 3));
    }

    std::string logBody() const {
        const std::string header = KeystrokeLog::HeaderFor(QDate::currentDate());
        return m_sink->text().substr(header.size());
    }
    const QImage& committed() const { return m_canvas->committedImage(); }
    const QImage& display() const { return m_canvas->displayImage(); }

    QWidget m_main;
    ScriptedSoundPlayer m_sound;
    MemoryLogSink* m_sink = nullptr;
    std::unique_ptr<CPaintDlg> m_canvas;
};

int countColour(const QImage& image, QRgb colour) {
    int n = 0;
    for (int yy = 0; yy < image.height(); ++yy) {
        for (int xx = 0; xx < image.width(); ++xx) {
            n += image.pixel(xx, yy) == colour;
        }
    }
    return n;
}

}  // namespace

// ---- Opening --------------------------------------------------------------------------------

TEST_F(Canvas, OpensWithTheExampleGeometryWhiteImagesAndItsLogHeader) {
    const CanvasGeometry& geo = m_canvas->geometry();
    EXPECT_EQ(geo.origin, kOrigin);
    EXPECT_EQ(geo.window, QSize(802, 634));
    EXPECT_EQ(m_canvas->geometry().client, QSize(798, 630));
    EXPECT_EQ(m_canvas->pos(), kOrigin);
    for (const QImage* image : {&m_canvas->backgroundImage(), &committed(), &display(), &m_canvas->saveUnderImage()}) {
        EXPECT_EQ(image->size(), QSize(798, 630));
        EXPECT_EQ(countColour(*image, kWhite), 798 * 630);
    }
    EXPECT_EQ(m_canvas->tool(), CPaintDlg::kToolShape);
    EXPECT_NE(dynamic_cast<const LineShape*>(&m_canvas->currentShape()), nullptr);
    EXPECT_EQ(m_canvas->stampImageId(), kStampFirstNumber);
    EXPECT_EQ(m_canvas->cursor().color(), CanvasDwell::kGreen);
    EXPECT_EQ(m_sink->text(), KeystrokeLog::HeaderFor(QDate::currentDate()));
    EXPECT_EQ(logBody(), "");
}

// ---- Drawing shapes -------------------------------------------------------------------------

TEST_F(Canvas, LineRectangleAndCircleLandWhereTheDwellsPutThem) {
    attribute(kRed, kGroupColor);
    // A line from (100, 100) to the band's end (397 - 3, 100).
    drawShape({100, 100}, {397, 100});
    ASSERT_EQ(m_canvas->shapes().size(), 1u);
    EXPECT_EQ(m_canvas->shapes()[0]->start(), QPoint(100, 100));
    EXPECT_EQ(m_canvas->shapes()[0]->end(), QPoint(394, 100));
    EXPECT_EQ(committed().pixel(250, 100), kRedRgb);
    EXPECT_EQ(committed().pixel(250, 106), kWhite);
    EXPECT_EQ(committed().pixel(420, 100), kWhite);

    choose(kShapeRectangle, kGroupShapeTool);
    drawShape({100, 200}, {300, 400});  // slope 1: the end lands at (297, 397)
    ASSERT_EQ(m_canvas->shapes().size(), 2u);
    EXPECT_EQ(m_canvas->shapes()[1]->end(), QPoint(297, 397));
    for (QPoint edge : {QPoint(200, 200), QPoint(200, 397), QPoint(100, 300), QPoint(297, 300)}) {
        EXPECT_EQ(committed().pixel(edge), kRedRgb) << edge.x() << "," << edge.y();
    }
    EXPECT_EQ(committed().pixel(200, 300), kWhite);  // hollow

    choose(kShapeCircle, kGroupShapeTool);
    attribute(kBlue, kGroupColor);
    drawShape({400, 200}, {600, 400});
    ASSERT_EQ(m_canvas->shapes().size(), 3u);
    EXPECT_EQ(committed().pixel(400, 298), kBlueRgb);  // leftmost point of the ellipse
    EXPECT_EQ(committed().pixel(498, 200), kBlueRgb);  // topmost
    EXPECT_EQ(committed().pixel(405, 205), kWhite);     // the box's corner
    EXPECT_EQ(committed().pixel(498, 298), kWhite);     // hollow inside

    // Nothing of the cursor or a band remains in the committed picture, and the display
    // shows the same drawing once the gaze has left the canvas.
    post(WM_GAZE_POINT, 1, PointLParam(QPoint(2, 2)));
    EXPECT_EQ(display(), committed());
    EXPECT_EQ(m_canvas->snapshot(), committed());
}

TEST_F(Canvas, FilledRectangleAndCircleUseTheOutlineColour) {
    attribute(kRed, kGroupColor);
    choose(kShapeRectangle, kGroupShapeTool);
    attribute(1, kGroupFill);
    EXPECT_FALSE(m_canvas->polygonMode());  // only lines continue as polygons
    drawShape({100, 100}, {200, 200});
    EXPECT_EQ(committed().pixel(150, 150), kRedRgb);
    choose(kShapeCircle, kGroupShapeTool);
    drawShape({300, 100}, {400, 200});
    EXPECT_EQ(committed().pixel(348, 148), kRedRgb);
    attribute(0, kGroupFill);
    drawShape({500, 100}, {600, 200});
    EXPECT_EQ(committed().pixel(548, 148), kWhite);
}

TEST_F(Canvas, RubberBandShowsOnlyInTheDisplayAndLeavesNoTrail) {
    commitAt({100, 100});
    ASSERT_TRUE(m_canvas->shapeInProgress());
    stretchTo({300, 100});
    EXPECT_EQ(display().pixel(200, 100), kBlack);
    EXPECT_EQ(committed().pixel(200, 100), kWhite);
    // The band swings down: its old stretch is gone from the display.
    stretchTo({100, 400});
    EXPECT_EQ(display().pixel(200, 100), kWhite);
    EXPECT_EQ(display().pixel(100, 250), kBlack);
    EXPECT_EQ(countColour(committed(), kWhite), 798 * 630);
}

TEST_F(Canvas, PolygonModeChainsLinesAndUndoRemovesOnlyTheLast) {
    attribute(1, kGroupFill);
    EXPECT_TRUE(m_canvas->polygonMode());
    commitAt({100, 100});
    stretchTo({300, 100});
    commitAt({303, 103});
    // The next line starts at the end of the first and is already in progress.
    ASSERT_EQ(m_canvas->shapes().size(), 1u);
    EXPECT_TRUE(m_canvas->shapeInProgress());
    EXPECT_EQ(m_canvas->currentShape().start(), m_canvas->shapes()[0]->end());
    stretchTo({300, 300});
    commitAt({303, 303});
    ASSERT_EQ(m_canvas->shapes().size(), 2u);
    EXPECT_EQ(m_canvas->shapes()[1]->start(), m_canvas->shapes()[0]->end());
    EXPECT_EQ(logBody(), "Fill\nStart Shape\nEnd Shape\nStart Shape\nEnd Shape\nStart Shape\n");

    // The first undo only cancels the line in progress; the second removes the last line.
    post(WM_UNDO, 0, 0);
    EXPECT_FALSE(m_canvas->shapeInProgress());
    EXPECT_EQ(m_canvas->shapes().size(), 2u);
    post(WM_UNDO, 0, 0);
    ASSERT_EQ(m_canvas->shapes().size(), 1u);
    EXPECT_EQ(committed().pixel(200, 100), kBlack);
    EXPECT_EQ(committed().pixel(297, 200), kWhite);
}

// ---- Stamps ---------------------------------------------------------------------------------

TEST_F(Canvas, StampLandsThreePixelsUpAndLeftOfTheFrameWithWhiteTransparent) {
    attribute(kRed, kGroupColor);
    choose(kShapeRectangle, kGroupShapeTool);
    attribute(1, kGroupFill);
    drawShape({150, 150}, {400, 400});

    choose(0, kGroupStampTool);
    EXPECT_EQ(m_canvas->cursor().kind(), GazeCursor::kKindStampFrame);
    const QPoint gazeAt(250, 250);  // cursor point (247, 247): the frame's corner at (209, 209)
    commitAt(gazeAt);
    ASSERT_EQ(m_canvas->shapes().size(), 2u);
    const QPoint corner(209, 209);
    EXPECT_EQ(m_canvas->shapes()[1]->stampPosition(), corner);

    const QImage& picture = StampPicture(kStampFirstNumber);
    int mismatches = 0;
    for (int yy = 0; yy < picture.height(); ++yy) {
        for (int xx = 0; xx < picture.width(); ++xx) {
            const QRgb p = picture.pixel(xx, yy);
            const QRgb expected = (p & 0xFFFFFF) == 0xFFFFFF ? kRedRgb : (p | 0xFF000000u);
            mismatches += committed().pixel(corner + QPoint(xx, yy)) != expected;
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(logBody(), "Color Change\nRectangle Button, Fill\nStart Shape\nEnd Shape\nStamp Button\nStamp\n");
}

TEST_F(Canvas, ToolChangeDuringADwellKeepsTheCursorInPlace) {
    gaze({300, 300});  // cursor point (297, 297)
    dwell({300, 300});
    choose(0, kGroupStampTool);
    gaze({500, 500});  // frozen: the dwell goes on
    dwell({300, 300});
    ASSERT_EQ(m_canvas->shapes().size(), 1u);
    EXPECT_EQ(m_canvas->shapes()[0]->stampPosition(), QPoint(297 - 38, 297 - 38));
}

TEST_F(Canvas, StampChangeShowsInTheFrameAndTheNextStamp) {
    choose(0, kGroupStampTool);
    attribute(170, kGroupStamp);
    EXPECT_EQ(m_canvas->cursor().stampImageId(), 170);
    commitAt({300, 300});
    ASSERT_EQ(m_canvas->shapes().size(), 1u);
    EXPECT_EQ(m_canvas->shapes()[0]->stampImageId(), 170);
    EXPECT_NE(dynamic_cast<const StampShape*>(m_canvas->shapes()[0].get()), nullptr);
}

// ---- The state table ------------------------------------------------------------------------

TEST_F(Canvas, DwellSequenceWithTheYellowStep) {
    m_canvas->setYellowStep(true);
    gaze({200, 200});
    dwell({200, 200});
    EXPECT_EQ(m_canvas->dwellStage(), DwellStage::Yellow);
    EXPECT_EQ(m_canvas->cursor().color(), CanvasDwell::kYellow);
    EXPECT_EQ(m_canvas->currentShape().start(), QPoint(200, 200));
    EXPECT_EQ(m_canvas->anchor(), QPoint(200, 200));
    EXPECT_FALSE(m_canvas->shapeInProgress());
    dwell({200, 200});
    EXPECT_EQ(m_canvas->cursor().color(), CanvasDwell::kRed);
    EXPECT_FALSE(m_canvas->shapeInProgress());
    dwell({200, 200});
    EXPECT_EQ(m_canvas->dwellStage(), DwellStage::Following);
    EXPECT_EQ(m_canvas->cursor().color(), CanvasDwell::kGreen);
    EXPECT_TRUE(m_canvas->shapeInProgress());
    EXPECT_EQ(m_sound.log(), QStringList({y(), r(), g()}));
    // The cursor shows its colour in the display at once.
    dwell({200, 200});
    const QPoint centre = m_canvas->cursor().rect().center();
    EXPECT_EQ(display().pixel(centre), ColorRefToQRgb(CanvasDwell::kYellow));
}

TEST_F(Canvas, WithoutTheYellowStepTheFirstStepSoundsYellowButShowsRed) {
    gaze({200, 200});
    dwell({200, 200});
    EXPECT_EQ(m_canvas->cursor().color(), CanvasDwell::kRed);
    dwell({200, 200});
    EXPECT_TRUE(m_canvas->shapeInProgress());
    EXPECT_EQ(m_sound.log(), QStringList({y(), g()}));
}

TEST_F(Canvas, CursorFreezesWhileADwellProceeds) {
    gaze({200, 200});
    const QRect before = m_canvas->cursor().rect();
    dwell({200, 200});
    gaze({260, 240});
    EXPECT_EQ(m_canvas->cursor().rect(), before);
    fixationEnd();
    gaze({260, 240});
    EXPECT_EQ(m_canvas->cursor().rect().center(), QPoint(257, 237) + QPoint(0, 0));
}

TEST_F(Canvas, FixationEndAtYellowOrRedLeavesNoStart) {
    m_canvas->setYellowStep(true);
    gaze({200, 200});
    dwell({200, 200});
    fixationEnd();
    EXPECT_EQ(m_canvas->dwellStage(), DwellStage::Following);
    EXPECT_EQ(m_canvas->cursor().color(), CanvasDwell::kGreen);
    EXPECT_EQ(m_sound.log().back(), QStringLiteral("stop"));
    dwell({200, 200});
    dwell({200, 200});
    fixationEnd();
    EXPECT_FALSE(m_canvas->shapeInProgress());
    EXPECT_EQ(logBody(), "");
    // The next shape starts where its own dwell was, not at the abandoned point.
    drawShape({400, 300}, {500, 300});
    ASSERT_EQ(m_canvas->shapes().size(), 1u);
    EXPECT_EQ(m_canvas->shapes()[0]->start(), QPoint(400, 300));
}

TEST_F(Canvas, FixationEndKeepsAShapeInProgress) {
    commitAt({100, 100});
    dwell({100, 100});
    fixationEnd();
    EXPECT_TRUE(m_canvas->shapeInProgress());
    EXPECT_EQ(m_canvas->dwellStage(), DwellStage::Following);
}

TEST_F(Canvas, ShapeToolChangeMidShapeKeepsTheStart) {
    commitAt({100, 100});
    stretchTo({200, 150});
    choose(kShapeRectangle, kGroupShapeTool);
    EXPECT_TRUE(m_canvas->shapeInProgress());
    EXPECT_EQ(m_canvas->currentShape().start(), QPoint(100, 100));
    stretchTo({300, 300});
    commitAt({303, 303});
    ASSERT_EQ(m_canvas->shapes().size(), 1u);
    EXPECT_NE(dynamic_cast<const RectangleShape*>(m_canvas->shapes()[0].get()), nullptr);
    EXPECT_EQ(m_canvas->shapes()[0]->start(), QPoint(100, 100));
    EXPECT_EQ(logBody(), "Start Shape\nRectangle Button, End Shape\n");
}

TEST_F(Canvas, StampsSuspendAndNewCancelAShapeInProgress) {
    struct Action {
        std::uintptr_t value;
        int code;
    };
    for (Action action : {Action{0, kGroupStampTool}, Action{0, kGroupSuspend}, Action{0, kGroupNew}}) {
        choose(kShapeLine, kGroupShapeTool);
        if (m_canvas->tool() == CPaintDlg::kToolNone) {
            choose(0, kGroupSuspend);
        }
        commitAt({100, 100});
        stretchTo({300, 120});
        dwell({303, 123});  // a dwell under way
        ASSERT_TRUE(m_canvas->shapeInProgress());
        choose(action.value, action.code);
        EXPECT_FALSE(m_canvas->shapeInProgress()) << action.code;
        EXPECT_EQ(m_canvas->dwellStage(), DwellStage::Following) << action.code;
        EXPECT_TRUE(m_canvas->shapes().empty());
        EXPECT_EQ(display().pixel(200, 110), kWhite) << action.code;  // the band is gone
    }
}

TEST_F(Canvas, SuspendedCanvasIgnoresDwellsAndResumesItsTool) {
    choose(0, kGroupStampTool);
    choose(0, kGroupSuspend);
    EXPECT_EQ(m_canvas->tool(), CPaintDlg::kToolNone);
    EXPECT_EQ(m_canvas->cursor().kind(), GazeCursor::kKindSquare);
    commitAt({200, 200});
    EXPECT_TRUE(m_canvas->shapes().empty());
    EXPECT_TRUE(m_sound.log().filter(QStringLiteral("async")).isEmpty());
    choose(0, kGroupSuspend);
    EXPECT_EQ(m_canvas->tool(), CPaintDlg::kToolStamp);
    EXPECT_EQ(m_canvas->cursor().kind(), GazeCursor::kKindStampFrame);
}

TEST_F(Canvas, GazeAndDwellsOffTheCanvasOnlyHideTheCursor) {
    gaze({200, 200});
    EXPECT_NE(display(), committed());
    post(WM_GAZE_POINT, 1, PointLParam(QPoint(5, 5)));  // on the main window
    EXPECT_EQ(display(), committed());
    post(WM_GAZE_DWELL, 1, PointLParam(QPoint(5, 5)));
    post(WM_GAZE_DWELL, 1, MakePointLParam(-4, -4));  // arrives as 65532: off every screen
    EXPECT_EQ(m_canvas->dwellStage(), DwellStage::Following);
    EXPECT_TRUE(m_sound.log().isEmpty());
}

// ---- Attributes -----------------------------------------------------------------------------

TEST_F(Canvas, ColourChangeRecoloursTheShapeInProgress) {
    commitAt({100, 100});
    stretchTo({300, 100});
    EXPECT_EQ(display().pixel(200, 100), kBlack);
    attribute(kRed, kGroupColor);
    EXPECT_EQ(display().pixel(200, 100), kRedRgb);
    EXPECT_EQ(m_canvas->currentShape().pen().color, kRed);
    commitAt({303, 103});
    ASSERT_EQ(m_canvas->shapes().size(), 1u);
    EXPECT_EQ(m_canvas->shapes()[0]->pen().color, kRed);
    EXPECT_EQ(committed().pixel(200, 100), kRedRgb);
}

TEST_F(Canvas, UnknownToolsAndAttributesChangeNothing) {
    commitAt({100, 100});
    choose(7, kGroupShapeTool);
    choose(0, kGroupSave);
    attribute(1, kGroupUndo);
    EXPECT_TRUE(m_canvas->shapeInProgress());
    EXPECT_EQ(logBody(), "Start Shape\n");
}

// ---- Grid, undo, new ------------------------------------------------------------------------

TEST_F(Canvas, GridDotsAreNeverInTheImageASaveTakes) {
    std::vector<QPoint> dots = CPaintDlg::GridDots(QSize(798, 630));
    EXPECT_EQ(dots.size(), 16u * 13u);
    EXPECT_EQ(dots.front(), QPoint(25, 25));
    EXPECT_EQ(dots.back(), QPoint(775, 625));

    QImage written;
    m_canvas->setDrawingWriter([&](const QString&, const QImage& drawing) {
        written = drawing;
        return support::WriteStatus::Ok;
    });
    post(WM_TOGGLE_GRID, 0, kGroupGrid);
    EXPECT_TRUE(m_canvas->gridOn());
    EXPECT_EQ(committed().pixel(25, 25), kBlack);
    EXPECT_EQ(committed().pixel(26, 26), kBlack);
    EXPECT_EQ(display().pixel(75, 125), kBlack);
    drawShape({300, 300}, {400, 300});
    post(WM_UNDO, 0, 0);
    drawShape({300, 300}, {400, 300});
    EXPECT_EQ(committed().pixel(775, 625), kBlack);

    const QString path = QStringLiteral("Lumora/Drawings/x.bmp");
    postText(WM_DRAWING_FILE, kDrawingFileSave, path);
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written, m_canvas->snapshot());
    EXPECT_EQ(written.pixel(25, 25), kWhite);
    EXPECT_EQ(written.pixel(775, 625), kWhite);
    EXPECT_EQ(written.pixel(350, 300), kBlack);

    post(WM_TOGGLE_GRID, 0, kGroupGrid);
    EXPECT_EQ(committed(), written);
    EXPECT_EQ(logBody(), "Grid On\nStart Shape\nEnd Shape\nUndo\nStart Shape\nEnd Shape\nSave\nGrid Off\n");
}

TEST_F(Canvas, AFailedSaveIsNotLoggedAsASaveAndSaysWhyItFailed) {
    const QString path = QStringLiteral("Lumora/Drawings/x.bmp");
    for (const support::WriteStatus status :
         {support::WriteStatus::NoSpace, support::WriteStatus::CannotOpen, support::WriteStatus::Failed}) {
        m_canvas->setDrawingWriter([status](const QString&, const QImage&) { return status; });
        postText(WM_DRAWING_FILE, kDrawingFileSave, path);
        EXPECT_EQ(m_canvas->lastSaveStatus(), status);
        EXPECT_EQ(logBody(), "");
    }
    m_canvas->setDrawingWriter([](const QString&, const QImage&) { return support::WriteStatus::Ok; });
    postText(WM_DRAWING_FILE, kDrawingFileSave, path);
    EXPECT_EQ(m_canvas->lastSaveStatus(), support::WriteStatus::Ok);
    EXPECT_EQ(logBody(), "Save\n");
}

TEST_F(Canvas, GridToggledDuringARubberBandLeavesNoStrayDots) {
    commitAt({100, 100});
    stretchTo({400, 400});
    post(WM_TOGGLE_GRID, 0, kGroupGrid);
    stretchTo({130, 130});
    // The area the band has left shows the grid as the committed picture does.
    EXPECT_EQ(display().pixel(325, 325), kBlack);
    post(WM_TOGGLE_GRID, 0, kGroupGrid);
    stretchTo({400, 400});
    stretchTo({130, 130});
    EXPECT_EQ(display().pixel(325, 325), kWhite);
    // Grid off redraws the shape in progress, and only that.
    EXPECT_EQ(display().pixel(115, 115), kBlack);
}

TEST_F(Canvas, GridOffShowsNoTemplateShapeWhenNothingIsInProgress) {
    drawShape({100, 100}, {300, 100});
    post(WM_UNDO, 0, 0);
    post(WM_TOGGLE_GRID, 0, kGroupGrid);
    post(WM_TOGGLE_GRID, 0, kGroupGrid);
    EXPECT_EQ(countColour(display(), kWhite), 798 * 630);
}

TEST_F(Canvas, UndoOnAnEmptyListOnlyLogs) {
    const QImage before = committed();
    post(WM_UNDO, 0, 0);
    EXPECT_EQ(committed(), before);
    EXPECT_TRUE(m_canvas->shapes().empty());
    EXPECT_EQ(logBody(), "Undo\n");
}

TEST_F(Canvas, UndoRemovesTheLastShapeAndRedrawsTheRest) {
    attribute(kRed, kGroupColor);
    drawShape({100, 100}, {300, 100});
    drawShape({100, 200}, {300, 200});
    post(WM_UNDO, 0, 0);
    ASSERT_EQ(m_canvas->shapes().size(), 1u);
    EXPECT_EQ(committed().pixel(200, 100), kRedRgb);
    EXPECT_EQ(committed().pixel(200, 200), kWhite);
    EXPECT_EQ(display().pixel(200, 200), kWhite);
}

TEST_F(Canvas, NewEmptiesTheDrawingAndKeepsTheGrid) {
    drawShape({100, 100}, {300, 100});
    post(WM_TOGGLE_GRID, 0, kGroupGrid);
    choose(0, kGroupNew);
    EXPECT_TRUE(m_canvas->shapes().empty());
    EXPECT_EQ(committed().pixel(200, 100), kWhite);
    EXPECT_EQ(committed().pixel(25, 25), kBlack);
    EXPECT_EQ(countColour(m_canvas->backgroundImage(), kWhite), 798 * 630);
}

// ---- Log ------------------------------------------------------------------------------------

TEST_F(Canvas, LogOfAChosenAndDrawnRectangle) {
    choose(kShapeRectangle, kGroupShapeTool);
    drawShape({100, 100}, {200, 200});
    EXPECT_EQ(m_sink->text(),
              KeystrokeLog::HeaderFor(QDate::currentDate()) + "Rectangle Button, Start Shape\nEnd Shape\n");
    const std::string header = KeystrokeLog::HeaderFor(QDate::currentDate());
    EXPECT_EQ(header.substr(0, header.find('\n')),
              "The following represents keystroke level events for a drawing session in Lumora on " +
                  QDate::currentDate().toString(QStringLiteral("MM/dd/yyyy")).toStdString());
}

TEST(CanvasLog, AFailingLogLeavesDrawingUnaffected) {
    QWidget main;
    main.setGeometry(0, 0, kScreenW, kScreenH);
    ScriptedSoundPlayer sound;
    auto sink = std::make_unique<MemoryLogSink>(20);
    const MemoryLogSink* view = sink.get();
    CPaintDlg canvas(QSize(kScreenW, kScreenH), sound, std::move(sink), &main);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    EXPECT_FALSE(canvas.log().isRecording());
    for (QPoint p : {QPoint(100, 100), QPoint(200, 200)}) {
        canvas.gazePoint(p + kOrigin);
        canvas.dwellStep(p + kOrigin);
        canvas.dwellStep(p + kOrigin);
        canvas.fixationEnd();
    }
    EXPECT_EQ(canvas.shapes().size(), 1u);
    EXPECT_EQ(view->text().size(), 20u);

    // The program's canvas writes its own file under the working folder.
    QDir(QStringLiteral("Lumora/Data")).removeRecursively();
    {
        CPaintDlg program(QSize(kScreenW, kScreenH), sound, &main);
        program.undo();
    }
    const QStringList files = QDir(QStringLiteral("Lumora/Data")).entryList({QStringLiteral("LMkey*.dat")});
    ASSERT_EQ(files.size(), 1);
    QFile file(QStringLiteral("Lumora/Data/") + files.front());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().endsWith("No Grid\n\nUndo\n"));

    // Without any log at all, too.
    CPaintDlg unlogged(QSize(kScreenW, kScreenH), sound, nullptr, &main);
    unlogged.undo();
    EXPECT_FALSE(unlogged.log().isRecording());
}

// ---- Open and the trace-task picture ---------------------------------------------------------

namespace {

QString writePicture(const QString& path, const QSize& size, QRgb colour) {
    QDir().mkpath(QFileInfo(path).path());
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    EXPECT_TRUE(picture.save(path, "BMP"));
    return path;
}

}  // namespace

TEST_F(Canvas, OpenShowsThePictureEmptiesTheListAndLogsEveryTry) {
    drawShape({100, 100}, {300, 100});
    const QString small = writePicture(QStringLiteral("Lumora/Drawings/small.bmp"), QSize(200, 150), kRedRgb);
    postText(WM_DRAWING_FILE, kDrawingFileOpen, small);
    EXPECT_TRUE(m_canvas->shapes().empty());
    EXPECT_EQ(committed().pixel(199, 149), kRedRgb);
    EXPECT_EQ(committed().pixel(200, 100), kWhite);  // the line is gone, the padding white
    EXPECT_EQ(display(), committed());

    // A file that is no picture keeps the background; the list is emptied all the same.
    drawShape({100, 300}, {300, 300});
    QFile bad(QStringLiteral("bad.bmp"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("BM not really a picture");
    bad.close();
    postText(WM_DRAWING_FILE, kDrawingFileOpen, bad.fileName());
    EXPECT_TRUE(m_canvas->shapes().empty());
    EXPECT_EQ(committed().pixel(199, 149), kRedRgb);
    EXPECT_EQ(committed().pixel(200, 300), kWhite);
    postText(WM_DRAWING_FILE, kDrawingFileOpen, QStringLiteral("missing.bmp"));
    post(WM_DRAWING_FILE, kDrawingFileOpen, 0);  // no path: nothing at all
    EXPECT_EQ(logBody(), "Start Shape\nEnd Shape\nOpen\nStart Shape\nEnd Shape\nOpen\nOpen\n");
}

TEST_F(Canvas, OpenDropsAShapeInProgress) {
    commitAt({100, 100});
    stretchTo({300, 120});
    dwell({303, 123});
    ASSERT_TRUE(m_canvas->shapeInProgress());
    postText(WM_DRAWING_FILE, kDrawingFileOpen, QStringLiteral("missing.bmp"));
    EXPECT_FALSE(m_canvas->shapeInProgress());
    EXPECT_EQ(m_canvas->dwellStage(), DwellStage::Following);
    EXPECT_EQ(m_canvas->cursor().color(), CanvasDwell::kGreen);
    EXPECT_EQ(countColour(display(), kWhite), 798 * 630);  // no band left over
}

TEST_F(Canvas, GKeyOpensTheTraceTaskPicture) {
    writePicture(QString::fromLatin1(CPaintDlg::kTraceTaskPicture), QSize(300, 200), kBlueRgb);
    m_canvas->setFocus();
    QTest::keyRelease(m_canvas.get(), Qt::Key_G);
    QCoreApplication::sendPostedEvents(m_canvas.get());
    EXPECT_EQ(committed().pixel(10, 10), kBlueRgb);
    EXPECT_EQ(committed().pixel(310, 10), kWhite);
    EXPECT_EQ(logBody(), "Open\n");
    QTest::keyRelease(m_canvas.get(), Qt::Key_H);
    QCoreApplication::sendPostedEvents(m_canvas.get());
    EXPECT_EQ(logBody(), "Open\n");
}
