// CPaintDlg: the drawing canvas, where the user draws with the eyes. A child window of the main
// window, placed between its columns and rows of buttons. It never takes button presses: the
// main window forwards every gaze point, dwell step, fixation end, tool action, attribute,
// grid, undo and drawing-file message to it as a LumoraMessageEvent, and its event handler
// passes each to handleMessage(), whose plain members tests also call directly.
//
// The canvas is the view and the tools: what has been drawn is its Drawing (background and
// shapes, open, save, undo), how far a dwell has got is its CanvasDwell; the canvas shows
// both, with the shape in progress and the gaze cursor over them.
//
// Coordinates: a screen point (sx, sy) is the canvas point (sx - d, sy - c), d and c being the
// canvas's origin on the screen (geometry below). The off-screen images are of the client
// area's size (the window less its sunken edge) and painting copies the display image to the
// client area.
//
// The canvas owns its keystroke log, opened when the canvas is made and closed with it.
// User-interface thread only.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "AtomicFile.h"
#include "app/MessageRegistry.h"
#include "app/PointerHider.h"
#include "canvas/CanvasDwell.h"
#include "canvas/Drawing.h"
#include "canvas/GazeCursor.h"
#include "canvas/Shape.h"
#include "files/KeystrokeLog.h"

namespace lumora {

class SoundPlayer;

// Where the canvas stands for a screen of W x H pixels (integer arithmetic throughout):
// margin c = W / 100, left offset d = 89 W / 1000 + 2c; the window at (d, c) measures
// W - 2d by H - 2c - (3 (H / 10)) / 2; the client area is that less the edge on each side.
struct CanvasGeometry {
    static constexpr int kEdge = 2;  // the sunken edge's width

    QPoint origin;  // (d, c) on the screen
    QSize window;   // the window's size
    QSize client;   // the images' size

    static CanvasGeometry ForScreen(const QSize& screen);
};

class CPaintDlg : public QWidget {
    Q_OBJECT
public:
    // Tools (the group codes that choose them).
    static constexpr int kToolNone = 0;
    static constexpr int kToolStamp = kGroupStampTool;
    static constexpr int kToolShape = kGroupShapeTool;

    // The cursor point is the gaze point less this on both axes.
    static constexpr int kCursorOffset = 3;
    // How far the rubber band's touched area reaches past its end points.
    static constexpr int kDirtyMargin = 10;
    // Grid dots: every kGridStep pixels from kGridFirst, each kGridDot pixels square.
    static constexpr int kGridFirst = 25;
    static constexpr int kGridStep = 50;
    static constexpr int kGridDot = 2;

    static constexpr int kKeyTraceTask = 71;  // the G key's code
    static constexpr const char* kTraceTaskPicture = "Lumora/Images/tracetask.bmp";

    // Writes the drawing a save captured to a file; Ok when it was written.
    using DrawingWriter = Drawing::Writer;

    // screenSize: the main window's (the screen's) size, from which the canvas places itself
    // in its parent. sound must outlive the canvas. The first form opens the keystroke log file
    // of the current minute; the second writes the log into the given sink (none: no log).
    CPaintDlg(const QSize& screenSize, SoundPlayer& sound, QWidget* parent = nullptr);
    CPaintDlg(const QSize& screenSize, SoundPlayer& sound, std::unique_ptr<LogSink> log, QWidget* parent = nullptr);
    ~CPaintDlg() override;

    // ---- Messages ---------------------------------------------------------------------------
    // One forwarded window message; unknown messages are ignored. WM_DRAWING_FILE comes with its
    // path in the event and goes to drawingFile().
    void handleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

    // WM_GAZE_POINT: moves the cursor and stretches the rubber band; hides the cursor while
    // the gaze is elsewhere.
    void gazePoint(const QPoint& screenPoint);
    // WM_GAZE_DWELL: one dwell step at that screen point.
    void dwellStep(const QPoint& screenPoint);
    // WM_GAZE_FIXATION_END: back to green; a shape in progress stays in progress.
    void fixationEnd();
    // WM_BUTTON_CHOSEN: suspend/resume, stamp tool, shape tool (value: the shape kind), new.
    void toolAction(std::uintptr_t value, int action);
    // WM_CHANGE_ATTRIBUTE: stamp picture, colour (0x00BBGGRR) or fill flag.
    void changeAttribute(std::uintptr_t value, int attribute);
    // WM_TOGGLE_GRID.
    void toggleGrid();
    // WM_UNDO.
    void undo();
    // WM_DRAWING_FILE: DRAWING_FILE_OPEN or DRAWING_FILE_SAVE with the file's path.
    void drawingFile(std::uintptr_t action, const QString& path);
    // A key released; the G key opens the trace-task picture.
    void keyUp(int keyCode);

    // ---- Settings from the main window ------------------------------------------------------
    // With the yellow step, a start, an end or a stamp takes three dwell steps, else two.
    void setYellowStep(bool enabled) { m_dwell.setYellowStep(enabled); }
    bool yellowStep() const { return m_dwell.yellowStep(); }
    // The writer of saved drawings; without one, a save does nothing.
    void setDrawingWriter(DrawingWriter writer) { m_drawing.setWriter(std::move(writer)); }
    // How the last save went (Ok before the first); a failed one is not logged as saved.
    support::WriteStatus lastSaveStatus() const { return m_drawing.lastSaveStatus(); }

    // ---- State, for the main window and tests -----------------------------------------------
    const CanvasGeometry& geometry() const { return m_geometry; }
    // What has been drawn, and the dwell under way (the cursor's colour shows its stage).
    const Drawing& drawing() const { return m_drawing; }
    const CanvasDwell& dwell() const { return m_dwell; }

    // The drawing as a save takes it: background and every listed shape; no grid dots, no
    // cursor, no shape in progress.
    QImage snapshot() const { return m_drawing.snapshot(); }
    const QImage& backgroundImage() const { return m_drawing.background(); }
    const std::vector<std::unique_ptr<Shape>>& shapes() const { return m_drawing.shapes(); }

    // The drawing as shown without the band and the cursor (with the grid dots when on), the
    // picture in the window, and the committed pixels under the rubber band.
    const QImage& committedImage() const { return m_committed; }
    const QImage& displayImage() const { return m_display; }
    const QImage& saveUnderImage() const { return m_saveUnder; }
    const Shape& currentShape() const { return *m_current; }
    const GazeCursor& cursor() const { return m_cursor; }
    const KeystrokeLog& log() const { return m_log; }

    int tool() const { return m_tool; }
    int rememberedTool() const { return m_rememberedTool; }
    int shapeKind() const { return m_shapeKind; }
    const ShapePen& pen() const { return m_pen; }
    const ShapeBrush& brush() const { return m_brush; }
    int stampImageId() const { return m_stampImageId; }
    bool gridOn() const { return m_gridOn; }
    bool polygonMode() const { return m_polygon; }
    bool shapeInProgress() const { return m_inProgress; }
    DwellStage dwellStage() const { return m_dwell.stage(); }
    QPoint anchor() const { return m_anchor; }
    QRect dirtyRect() const { return m_dirty; }

    // Grid dot positions for a canvas of that size (top-left corners).
    static std::vector<QPoint> GridDots(const QSize& canvas);

protected:
    bool event(QEvent* e) override;
    // One of Lumora's messages, from event().
    void message(const LumoraMessageEvent& m);
    void paintEvent(QPaintEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void start();

    // Whether the window under the screen point is this canvas.
    bool isUnderGaze(const QPoint& screenPoint) const;
    QPoint canvasPoint(const QPoint& screenPoint) const { return screenPoint - m_geometry.origin; }
    QPoint cursorPoint(const QPoint& screenPoint) const {
        return canvasPoint(screenPoint) - QPoint(kCursorOffset, kCursorOffset);
    }

    // Tool actions.
    void suspendOrResume();
    void chooseStampTool();
    void chooseShapeTool(int kind, std::unique_ptr<Shape> shape);
    void newDrawing();

    // Dwell steps (CPaintDlg_Dwell.cpp).
    // Shows what a dwell step did: the stage's colour on the cursor, the step's sound.
    void showDwellStep(DwellOutcome outcome);
    void stampDwell();
    void shapeDwell(const QPoint& canvasPt);
    void resetDwell();
    void startShapeAt(const QPoint& canvasPt);
    void stretchRubberBand(const QPoint& cursorPt);
    void cancelShape();
    // Draws the current shape into the display and makes that the committed picture.
    void commitCurrentShape();

    // Cursor upkeep.
    void hideCursor();
    void drawCursor();
    // Changes the kind (the cursor must be hidden), keeping its centre.
    void setCursorKind(int kind);
    void setCursorColor(ColorRef color);

    // Images.
    void redrawAll();
    void drawGridDots(QImage& image) const;
    void refreshSaveUnder();
    void redrawRubberBand();
    void repaintImageRect(const QRect& imageRect);
    void repaintAll();
    std::unique_ptr<Shape> makeShape(int kind) const;
    void openDrawing(const QString& path);
    void saveDrawing(const QString& path);

    SoundPlayer& m_sound;
    CanvasGeometry m_geometry;
    KeystrokeLog m_log;
    Drawing m_drawing;
    CanvasDwell m_dwell;

    QImage m_committed;
    QImage m_display;
    QImage m_saveUnder;

    // The template the next commit clones.
    std::unique_ptr<Shape> m_current;

    int m_tool = kToolShape;
    int m_rememberedTool = kToolNone;
    int m_shapeKind = kShapeLine;
    ShapePen m_pen;
    ShapeBrush m_brush;
    int m_stampImageId;
    bool m_gridOn = false;
    bool m_polygon = false;

    bool m_inProgress = false;
    QPoint m_anchor;
    QRect m_dirty;

    GazeCursor m_cursor;
    // Whether the cursor's pixels are in the display image now (erasing is only right then:
    // after a full redraw its saved pixels are stale).
    bool m_cursorShown = false;

    PointerHider m_pointer{*this};
    // The G key's picture, sent in the message the canvas posts itself.
    const QString m_traceTaskPath;
};

}  // namespace lumora
