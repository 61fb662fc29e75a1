#include "canvas/CPaintDlg.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "app/SoundPlayer.h"
#include "canvas/CircleShape.h"
#include "canvas/ImageBlit.h"
#include "canvas/LineShape.h"
#include "canvas/RectangleShape.h"
#include "canvas/StampPictures.h"
#include "canvas/StampShape.h"

namespace lumora {

namespace {

constexpr int kMarginDivisor = 100;        // c = W / 100
constexpr int kButtonWidthPerMille = 89;  // a button column is 89 W / 1000 wide
constexpr int kPerMille = 1000;
constexpr int kButtonHeightDivisor = 10;  // a button row is H / 10 high
// The canvas leaves room for one and a half button rows below it.
constexpr int kRowsBelowNumerator = 3;
constexpr int kRowsBelowDenominator = 2;

// The bytes of a colour reference that carry colour; the high byte carries none.
constexpr ColorRef kColorBits = 0x00FFFFFFu;

// The sunken edge: a darker outer and inner line top and left, lighter ones bottom and right.
const QColor kEdgeShadow(128, 128, 128);
const QColor kEdgeDark(64, 64, 64);
const QColor kEdgeLight(255, 255, 255);
const QColor kEdgeFace(214, 211, 206);

QImage whiteImage(const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(ColorRefToQRgb(kColorWhite));
    return image;
}

}  // namespace

CanvasGeometry CanvasGeometry::ForScreen(const QSize& screen) {
    const int w = screen.width();
    const int h = screen.height();
    const int c = w / kMarginDivisor;
    const int d = (kButtonWidthPerMille * w) / kPerMille + 2 * c;
    CanvasGeometry g;
    g.origin = QPoint(d, c);
    g.window = QSize(w - 2 * d, h - 2 * c - (kRowsBelowNumerator * (h / kButtonHeightDivisor)) / kRowsBelowDenominator);
    // A screen too small for a canvas still gives valid (empty) images.
    g.client = QSize(std::max(0, g.window.width() - 2 * kEdge), std::max(0, g.window.height() - 2 * kEdge));
    return g;
}

CPaintDlg::CPaintDlg(const QSize& screenSize, SoundPlayer& sound, QWidget* parent)
    : QWidget(parent),
      m_sound(sound),
      m_geometry(CanvasGeometry::ForScreen(screenSize)),
      m_drawing(m_geometry.client),
      m_stampImageId(kStampFirstNumber),
      m_traceTaskPath(QString::fromLatin1(kTraceTaskPicture)) {
    start();
    m_log.openFile();
}

CPaintDlg::CPaintDlg(const QSize& screenSize, SoundPlayer& sound, std::unique_ptr<LogSink> log, QWidget* parent)
    : QWidget(parent),
      m_sound(sound),
      m_geometry(CanvasGeometry::ForScreen(screenSize)),
      m_drawing(m_geometry.client),
      m_stampImageId(kStampFirstNumber),
      m_traceTaskPath(QString::fromLatin1(kTraceTaskPicture)) {
    start();
    m_log.open(std::move(log), QDate::currentDate());
}

CPaintDlg::~CPaintDlg() = default;

void CPaintDlg::start() {
    setGeometry(QRect(m_geometry.origin, m_geometry.window));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // The G key reaches the canvas while it has the focus.
    setFocusPolicy(Qt::StrongFocus);

    m_committed = whiteImage(m_geometry.client);
    m_display = whiteImage(m_geometry.client);
    m_saveUnder = whiteImage(m_geometry.client);

    m_cursor.create(m_geometry.client, kColorWhite);
    m_cursor.setKind(GazeCursor::kKindSquare);
    m_cursor.setColor(m_dwell.cursorColor());
    m_cursor.setStampImageId(m_stampImageId);

    m_current = makeShape(kShapeLine);

    m_pointer.start();
}

// ---- Messages -------------------------------------------------------------------------------

bool CPaintDlg::event(QEvent* e) {
    return DeliverLumoraMessage(e, [this](const LumoraMessageEvent& m) { message(m); }) || QWidget::event(e);
}

void CPaintDlg::message(const LumoraMessageEvent& m) {
    // A file message without a path means nothing.
    if (m.msg() == WM_DRAWING_FILE && m.hasText())
        drawingFile(m.wParam(), m.text());
    else if (m.msg() != WM_DRAWING_FILE)
        handleMessage(m.msg(), m.wParam(), m.lParam());
}

void CPaintDlg::handleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    switch (msg) {
        case WM_GAZE_POINT:
            gazePoint(PointFromLParam(lParam));
            break;
        case WM_GAZE_DWELL:
            dwellStep(PointFromLParam(lParam));
            break;
        case WM_GAZE_FIXATION_END:
            fixationEnd();
            break;
        case WM_BUTTON_CHOSEN:
            toolAction(wParam, static_cast<int>(lParam));
            break;
        case WM_CHANGE_ATTRIBUTE:
            changeAttribute(wParam, static_cast<int>(lParam));
            break;
        case WM_TOGGLE_GRID:
            toggleGrid();
            break;
        case WM_UNDO:
            undo();
            break;
        default:
            break;
    }
}

// ---- Tool actions ---------------------------------------------------------------------------

std::unique_ptr<Shape> CPaintDlg::makeShape(int kind) const {
    switch (kind) {
        case kShapeLine:
            return std::make_unique<LineShape>(m_pen, m_brush);
        case kShapeRectangle:
            return std::make_unique<RectangleShape>(m_pen, m_brush);
        case kShapeCircle:
            return std::make_unique<CircleShape>(m_pen, m_brush);
        default:
            return nullptr;
    }
}

void CPaintDlg::toolAction(std::uintptr_t value, int action) {
    const bool known =
        action == kGroupSuspend || action == kGroupStampTool || action == kGroupShapeTool || action == kGroupNew;
    if (!known) {
        return;
    }
    std::unique_ptr<Shape> newShape;
    if (action == kGroupShapeTool) {
        newShape = makeShape(static_cast<int>(value));
        if (!newShape) {
            return;  // no such shape button: nothing changes
        }
    }
    // Only a change between shape tools carries a shape in progress over.
    const bool keepsShape = action == kGroupShapeTool && m_tool == kToolShape;
    if (m_inProgress && !keepsShape) {
        cancelShape();
    }
    if (action == kGroupSuspend) {
        suspendOrResume();
    } else if (action == kGroupStampTool) {
        chooseStampTool();
    } else if (action == kGroupShapeTool) {
        chooseShapeTool(static_cast<int>(value), std::move(newShape));
    } else {
        newDrawing();
    }
    // Polygon mode stays as it was: only the fill attribute changes it.
}

void CPaintDlg::suspendOrResume() {
    hideCursor();
    if (m_tool != kToolNone) {
        setCursorKind(GazeCursor::kKindSquare);
        m_rememberedTool = m_tool;
        m_tool = kToolNone;
    } else {
        m_tool = m_rememberedTool;
        setCursorKind(m_tool == kToolStamp ? GazeCursor::kKindStampFrame : GazeCursor::kKindSquare);
    }
}

void CPaintDlg::chooseStampTool() {
    hideCursor();
    m_tool = kToolStamp;
    setCursorKind(GazeCursor::kKindStampFrame);
    m_cursor.setStampImageId(m_stampImageId);
    m_current = std::make_unique<StampShape>(m_stampImageId);
    m_log.record(KeystrokeLog::Event::StampButton);
}

void CPaintDlg::chooseShapeTool(int kind, std::unique_ptr<Shape> shape) {
    hideCursor();
    m_tool = kToolShape;
    setCursorKind(GazeCursor::kKindSquare);
    if (m_inProgress) {
        // The new kind stretches from where the old one started and ended.
        shape->setStart(m_current->start());
        shape->setEnd(m_current->end());
    }
    m_current = std::move(shape);
    m_shapeKind = kind;
    static constexpr KeystrokeLog::Event kButtonEvents[] = {
        KeystrokeLog::Event::LineButton, KeystrokeLog::Event::RectangleButton, KeystrokeLog::Event::CircleButton};
    m_log.record(kButtonEvents[m_shapeKind - kShapeLine]);
    if (m_inProgress) {
        redrawRubberBand();
    }
}

void CPaintDlg::newDrawing() {
    m_log.record(KeystrokeLog::Event::New);
    m_drawing.clear();
    redrawAll();
    repaintAll();
}

// ---- Attributes -----------------------------------------------------------------------------

void CPaintDlg::changeAttribute(std::uintptr_t value, int attribute) {
    if (!m_current) {
        return;
    }
    switch (attribute) {
        case kGroupStamp:
            m_stampImageId = static_cast<int>(value);
            m_cursor.setStampImageId(m_stampImageId);
            m_current->setStampImageId(m_stampImageId);
            m_log.record(KeystrokeLog::Event::StampChange);
            if (m_cursor.kind() == GazeCursor::kKindStampFrame) {
                setCursorColor(m_cursor.color());  // shows the new picture in place
            }
            break;
        case kGroupColor: {
            const ColorRef colour = static_cast<ColorRef>(value) & kColorBits;
            m_pen.color = colour;
            m_brush.color = colour;
            m_current->setPen(m_pen);
            m_current->setBrush(m_brush);
            m_log.record(KeystrokeLog::Event::ColorChange);
            if (m_inProgress) {
                redrawRubberBand();
            }
            break;
        }
        case kGroupFill: {
            const bool fill = value != 0;
            m_brush.style = fill ? ShapeBrush::kStyleSolid : ShapeBrush::kStyleHollow;
            m_current->setBrush(m_brush);
            m_polygon = fill && m_current->continuesAsPolygon();
            m_log.record(fill ? KeystrokeLog::Event::Fill : KeystrokeLog::Event::UnFill);
            if (m_inProgress) {
                redrawRubberBand();
            }
            break;
        }
        default:
            break;
    }
}

// ---- Grid, undo, files ----------------------------------------------------------------------

std::vector<QPoint> CPaintDlg::GridDots(const QSize& canvas) {
    std::vector<QPoint> dots;
    for (int y = kGridFirst; y < canvas.height(); y += kGridStep) {
        for (int x = kGridFirst; x < canvas.width(); x += kGridStep) {
            dots.emplace_back(x, y);
        }
    }
    return dots;
}

void CPaintDlg::drawGridDots(QImage& image) const {
    const QRgb black = ColorRefToQRgb(kColorBlack);
    const QRect bounds = image.rect();
    for (const QPoint& dot : GridDots(m_geometry.client)) {
        for (int dy = 0; dy < kGridDot; ++dy) {
            for (int dx = 0; dx < kGridDot; ++dx) {
                const QPoint p = dot + QPoint(dx, dy);
                if (bounds.contains(p)) {
                    reinterpret_cast<QRgb*>(image.scanLine(p.y()))[p.x()] = black;
                }
            }
        }
    }
}

void CPaintDlg::toggleGrid() {
    hideCursor();
    m_gridOn = !m_gridOn;
    if (m_gridOn) {
        m_log.record(KeystrokeLog::Event::GridOn);
        drawGridDots(m_display);
        drawGridDots(m_committed);
    } else {
        m_log.record(KeystrokeLog::Event::GridOff);
        redrawAll();
    }
    if (m_inProgress) {
        // The band's erasing pixels must match the new committed picture, or the next gaze
        // point would bring back (or wipe out) dots under the band.
        refreshSaveUnder();
        redrawRubberBand();
    }
    repaintAll();
}

void CPaintDlg::undo() {
    m_log.record(KeystrokeLog::Event::Undo);
    hideCursor();
    if (m_inProgress) {
        m_inProgress = false;
        resetDwell();
    } else {
        m_drawing.removeLast();
    }
    redrawAll();
    repaintAll();
}

void CPaintDlg::drawingFile(std::uintptr_t action, const QString& path) {
    if (action == kDrawingFileOpen) {
        openDrawing(path);
    } else if (action == kDrawingFileSave) {
        saveDrawing(path);
    }
}

void CPaintDlg::openDrawing(const QString& path) {
    m_log.record(KeystrokeLog::Event::Open);
    hideCursor();
    // The band belongs to the drawing being replaced.
    if (m_inProgress) {
        m_inProgress = false;
        resetDwell();
    }
    m_drawing.open(path);
    redrawAll();
    repaintAll();
}

void CPaintDlg::saveDrawing(const QString& path) {
    if (!m_drawing.hasWriter()) {
        return;
    }
    // The log is research data: a drawing that never reached the disk was not saved.
    if (m_drawing.save(path) == support::WriteStatus::Ok) {
        m_log.record(KeystrokeLog::Event::Save);
    }
}

void CPaintDlg::keyUp(int keyCode) {
    if (keyCode == kKeyTraceTask) {
        // Through the queue, exactly as an Open from the dialog arrives.
        PostLumoraText(this, WM_DRAWING_FILE, kDrawingFileOpen, m_traceTaskPath);
    }
}

// ---- Images ---------------------------------------------------------------------------------

void CPaintDlg::redrawAll() {
    m_drawing.redraw(m_committed);
    if (m_gridOn) {
        drawGridDots(m_committed);
    }
    BlockCopy(m_display, m_committed, m_display.rect());
    // The display was rebuilt without the cursor; its saved pixels are stale now.
    m_cursorShown = false;
}

void CPaintDlg::repaintImageRect(const QRect& imageRect) {
    if (!imageRect.isEmpty()) {
        update(imageRect.translated(CanvasGeometry::kEdge, CanvasGeometry::kEdge));
    }
}

void CPaintDlg::repaintAll() {
    update();
}

// ---- Window ---------------------------------------------------------------------------------

void CPaintDlg::paintEvent(QPaintEvent* e) {
    QPainter painter(this);
    const int edge = CanvasGeometry::kEdge;
    const QRect clientRect(QPoint(edge, edge), m_geometry.client);
    const QRect area = e->rect().intersected(clientRect);
    if (!area.isEmpty()) {
        painter.drawImage(area, m_display, area.translated(-edge, -edge));
    }
    // The sunken edge: shadow above and left, light below and right.
    const int r = width() - 1;
    const int b = height() - 1;
    painter.setPen(kEdgeShadow);
    painter.drawLine(0, 0, r - 1, 0);
    painter.drawLine(0, 0, 0, b - 1);
    painter.setPen(kEdgeDark);
    painter.drawLine(1, 1, r - 2, 1);
    painter.drawLine(1, 1, 1, b - 2);
    painter.setPen(kEdgeLight);
    painter.drawLine(0, b, r, b);
    painter.drawLine(r, 0, r, b);
    painter.setPen(kEdgeFace);
    painter.drawLine(1, b - 1, r - 1, b - 1);
    painter.drawLine(r - 1, 1, r - 1, b - 1);
}

void CPaintDlg::keyReleaseEvent(QKeyEvent* e) {
    if (e->isAutoRepeat()) {
        QWidget::keyReleaseEvent(e);
        return;
    }
    if (e->key() == Qt::Key_G) {
        keyUp(kKeyTraceTask);
        return;
    }
    QWidget::keyReleaseEvent(e);
}

void CPaintDlg::mouseMoveEvent(QMouseEvent* e) {
    // A helper's mouse shows the pointer again until it has rested for a while.
    m_pointer.mouseMoved();
    QWidget::mouseMoveEvent(e);
}

}  // namespace lumora
