#include "buttons/LumoraButton.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <iterator>

#include "canvas/ImageBlit.h"
#include "files/LoadBmpFile.h"
#include "app/SoundPlayer.h"
#include "canvas/StampPictures.h"

namespace lumora {
namespace {

// The part of a button picture that is shown, stretched into the button's inner four fifths.
constexpr int kImageShownWidth = 100;
constexpr int kImageShownHeight = 85;

QColor Qc(ColorRef c) {
    return ColorRefToQColor(c);
}

// Gaze points are pixels of the tracker's screen, the primary one; widgets live in the
// desktop's global coordinates.
QPoint GazeToGlobal(const QPoint& p) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? p + screen->geometry().topLeft() : p;
}

}  // namespace

LumoraButton::LumoraButton(int group, int value, QWidget* parent)
    : QAbstractButton(parent), m_group(group), m_value(value) {
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

LumoraButton::~LumoraButton() = default;

LumoraButton::Dwell LumoraButton::countDwell(bool onButton) {
    if (!onButton) {
        m_dwellCount = 0;
        if (m_highlighted) {
            m_highlighted = false;
            return Dwell::Released;
        }
        return Dwell::Idle;
    }
    ++m_dwellCount;
    if (m_dwellCount == kHighlightCount) {
        m_highlighted = true;
        return Dwell::Highlighted;
    }
    if (m_dwellCount == kFireCount) {
        m_highlighted = false;
        return Dwell::Fired;
    }
    if (m_dwellCount == kRestartCount)
        m_dwellCount = 0;
    return Dwell::Counting;
}

bool LumoraButton::gazeIsOnThis(const QPoint& screenPoint) const {
    if (!isVisible() || !isEnabled())
        return false;
    // While a dialog runs modally only its own buttons may be chosen, as with the mouse.
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != window() && !modal->isAncestorOf(this))
        return false;
    return QApplication::widgetAt(GazeToGlobal(screenPoint)) == this;
}

void LumoraButton::gazePoint(const QPoint& screenPoint) {
    const bool onThis = gazeIsOnThis(screenPoint);
    const bool cursorShown = !m_notYetPainted && !m_showDot;
    if (onThis && cursorShown)
        moveCursorTo(mapFromGlobal(GazeToGlobal(screenPoint)));
    switch (countDwell(onThis)) {
        case Dwell::Highlighted:
            redraw();
            break;
        case Dwell::Fired:
            activate();
            redraw();
            break;
        case Dwell::Released:
            redraw();
            if (cursorShown)
                eraseCursor();
            break;
        case Dwell::Idle:
            if (cursorShown)
                eraseCursor();
            break;
        case Dwell::Counting:
            break;
    }
}

void LumoraButton::moveCursorTo(const QPoint& local) {
    m_cursor.erase(m_picture);
    update(m_cursor.rect());
    m_cursor.centerAt(local.x(), local.y());
    m_cursor.draw(m_picture, m_save);
    update(m_cursor.rect());
}

void LumoraButton::eraseCursor() {
    m_cursor.erase(m_picture);
    update(m_cursor.rect());
}

void LumoraButton::setImageFile(const QString& path) {
    m_imageName = path;
    QImage loaded;
    m_imageLoaded = LoadBmpFile(path, loaded);
    m_image = m_imageLoaded ? loaded : QImage();
    redraw();
}

QObject* LumoraButton::playClickAndFindParent() {
    Sound().playAsync(QString::fromLatin1(kClickSound));
    return parentWidget();
}

void LumoraButton::post(std::uintptr_t wParam, std::intptr_t lParam) {
    PostLumoraMessage(playClickAndFindParent(), WM_BUTTON_CHOSEN, wParam, lParam);
}

bool LumoraButton::event(QEvent* e) {
    return DeliverLumoraMessage(e, [this](const LumoraMessageEvent& m) { message(m); }) || QAbstractButton::event(e);
}

void LumoraButton::message(const LumoraMessageEvent& m) {
    switch (m.msg()) {
        case WM_GAZE_POINT:
            gazePoint(PointFromLParam(m.lParam()));
            break;
        case WM_SET_BUTTON_IMAGE:
            if (m.hasText())
                setImageFile(m.text());
            break;
        default:
            handleMessage(m.msg(), m.wParam(), m.lParam());
            break;
    }
}

void LumoraButton::handleMessage(unsigned, std::uintptr_t, std::intptr_t) {}

void LumoraButton::firstPaint() {
    m_picture = QImage(size(), QImage::Format_RGB32);
    m_picture.fill(Qc(kColorBackground));
    m_save = m_picture;
    redraw();
    m_cursor.create(size(), kColorBackground);
    m_cursor.setColor(kColorGazeCursor);
    m_cursor.draw(m_picture, m_save);
    m_cursor.erase(m_picture);
    m_pointer.start();
    m_notYetPainted = false;
}

void LumoraButton::paintEvent(QPaintEvent* e) {
    if (m_notYetPainted)
        firstPaint();
    QPainter p(this);
    p.drawImage(e->rect(), m_picture, e->rect());
}

void LumoraButton::resizeEvent(QResizeEvent* e) {
    QAbstractButton::resizeEvent(e);
    if (m_notYetPainted || m_picture.size() == size())
        return;
    // Laid out again after its first paint: start over with buffers of the new size.
    m_notYetPainted = true;
    update();
}

void LumoraButton::mouseMoveEvent(QMouseEvent* e) {
    m_pointer.mouseMoved();
    QAbstractButton::mouseMoveEvent(e);
}

void LumoraButton::drawBase(QImage& picture) const {
    QPainter p(&picture);
    const int w = picture.width();
    const int h = picture.height();
    p.fillRect(0, 0, w, h, Qc(kColorBackground));
    // A two-pixel 3-D edge: light above and left when raised, the other way round when pressed in.
    const QColor light = Qt::white;
    const QColor shadow(128, 128, 128);
    const QColor dark(64, 64, 64);
    const QColor& outerTopLeft = m_highlighted ? dark : light;
    const QColor& innerTopLeft = m_highlighted ? shadow : QColor(227, 227, 227);
    const QColor& outerBottomRight = m_highlighted ? light : dark;
    const QColor& innerBottomRight = m_highlighted ? QColor(227, 227, 227) : shadow;
    for (int i = 0; i < kEdgeWidth; ++i) {
        p.setPen(i == 0 ? outerTopLeft : innerTopLeft);
        p.drawLine(i, i, w - 1 - i, i);
        p.drawLine(i, i, i, h - 1 - i);
        p.setPen(i == 0 ? outerBottomRight : innerBottomRight);
        p.drawLine(i, h - 1 - i, w - 1 - i, h - 1 - i);
        p.drawLine(w - 1 - i, i, w - 1 - i, h - 1 - i);
    }
    if (m_imageLoaded) {
        const QRect target(w / 10, h / 10, 4 * w / 5, 4 * h / 5);
        const QRect source = QRect(0, 0, kImageShownWidth, kImageShownHeight).intersected(m_image.rect());
        p.drawImage(target, m_image, source);
    }
}

void LumoraButton::refreshCursorSaveUnder() {
    m_cursor.draw(m_picture, m_save);
    m_cursor.erase(m_picture);
}

void LumoraButton::redraw() {
    if (m_picture.isNull()) {
        update();  // the first paint draws it
        return;
    }
    drawBase(m_picture);
    drawFace(m_picture);
    m_save = m_picture;
    if (!m_notYetPainted)
        refreshCursorSaveUnder();
    update();
}

// ---- LM_ShapeButton ------------------------------------------------------------------------

LM_ShapeButton::LM_ShapeButton(int shape, QWidget* parent) : LumoraButton(kGroupShapeTool, shape, parent) {
    setSelected(shape == kShapeLine);
}

void LM_ShapeButton::activate() {
    QObject* parent = playClickAndFindParent();
    PostLumoraMessage(parent, WM_BUTTON_CHOSEN, static_cast<std::uintptr_t>(value()), kGroupShapeTool);
    if (isSelected())
        m_fill = !m_fill;
    PostLumoraMessage(parent, WM_BUTTON_CHOSEN, m_fill ? 1 : 0, kGroupFill);
}

void LM_ShapeButton::handleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (msg != WM_BUTTON_CHOSEN)
        return;
    if (lParam == kGroupShapeTool)
        setSelected(wParam == static_cast<std::uintptr_t>(value()));
    else if (lParam == kGroupColor)
        m_color = static_cast<ColorRef>(wParam);
    else if (lParam == kGroupStampTool)
        setSelected(false);
    redraw();
}

void LM_ShapeButton::drawFace(QImage& picture) {
    const int w = picture.width();
    const int h = picture.height();
    const QColor penColor = Qc(isSelected() ? m_color : kGrey);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(penColor, kPenWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(m_fill ? penColor : Qc(kColorBackground));
    switch (value()) {
        case kShapeLine:
            if (m_fill) {
                const QPoint path[] = {{40, 20}, {20, h - 20}, {w - 20, h - 20}, {w / 2, h / 2}, {w - 20, h / 2 - 20}};
                p.drawPolyline(path, static_cast<int>(std::size(path)));
            } else {
                p.drawLine(20, 20, w - 20, h - 20);
            }
            break;
        case kShapeRectangle:
            p.drawRect(QRect(QPoint(20, 20), QPoint(w - 21, h - 21)));
            break;
        case kShapeCircle:
            p.drawEllipse(QRect(QPoint(10, 20), QPoint(w - 11, h - 21)));
            break;
        default:
            break;
    }
}

// ---- LM_ColorButton ------------------------------------------------------------------------

LM_ColorButton::LM_ColorButton(ColorRef color, QWidget* parent)
    : LumoraButton(kGroupColor, static_cast<int>(color), parent), m_color(color) {
    setSelected(color == kColorBlack);
}

void LM_ColorButton::activate() {
    post(m_color, kGroupColor);
}

void LM_ColorButton::handleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (msg != WM_BUTTON_CHOSEN || lParam != kGroupColor)
        return;
    setSelected(static_cast<ColorRef>(wParam) == m_color);
    redraw();
}

void LM_ColorButton::drawFace(QImage& picture) {
    const int w = picture.width();
    const int h = picture.height();
    QPainter p(&picture);
    if (isSelected())
        p.fillRect(w / 8, h / 8, 3 * w / 4, 3 * h / 4, Qc(m_color));
    else
        p.fillRect(w / 3, h / 3, w / 3, h / 3, Qc(m_color));
}

// ---- LM_StampButton ------------------------------------------------------------------------

LM_StampButton::LM_StampButton(int pictureNumber, QWidget* parent)
    : LumoraButton(kGroupStamp, pictureNumber, parent), m_pictureNumber(pictureNumber) {}

void LM_StampButton::activate() {
    post(static_cast<std::uintptr_t>(m_pictureNumber), kGroupStamp);
}

void LM_StampButton::drawFace(QImage& picture) {
    const int w = picture.width();
    const int h = picture.height();
    QImage area(kStampSize, kStampSize, QImage::Format_RGB32);
    area.fill(Qc(kColorBackground));
    const QImage& stamp = StampPicture(m_pictureNumber);
    if (!stamp.isNull())
        DrawTransparent(area, QPoint(0, 0), stamp, ColorRefToQRgb(kColorWhite));
    QPainter p(&picture);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(w / 8, h / 8, 3 * w / 4, 3 * h / 4), area);
}

// ---- LM_UtilityButton ----------------------------------------------------------------------

LM_UtilityButton::LM_UtilityButton(int group, const QString& captionA, const QString& captionB, QWidget* parent)
    : LumoraButton(group, 0, parent), m_caption(captionB), m_captionA(captionA), m_captionB(captionB) {}

void LM_UtilityButton::activate() {
    post(0, group());
}

void LM_UtilityButton::swapCaption() {
    if (m_caption == m_captionA) {
        m_caption = m_captionB;
        setShowDot(false);
    } else {
        m_caption = m_captionA;
        if (group() == kGroupDot)
            setShowDot(true);
    }
    redraw();
}

void LM_UtilityButton::redraw() {
    LumoraButton::redraw();
    // The dot goes on last so that it stays until the caption swaps back.
    if (showsDot() && painted())
        moveCursorTo(QPoint(width() / 2 - 5, height() / 3 - 5));
}

void LM_UtilityButton::handleMessage(unsigned msg, std::uintptr_t, std::intptr_t) {
    if (msg == WM_BUTTON_TEXT)
        swapCaption();
}

QFont LM_UtilityButton::CaptionFont(const QSize& face) {
    const int w = face.width();
    const int h = face.height();
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(std::max(1, h / 3));
    // Narrow or widen the face so that its average character is a tenth of the button wide.
    const int average = QFontMetrics(font).averageCharWidth();
    if (average > 0)
        font.setStretch(std::clamp(100 * (w / 10) / average, 50, 200));
    return font;
}

void LM_UtilityButton::drawFace(QImage& picture) {
    if (m_caption.isEmpty())
        return;
    const int w = picture.width();
    const int h = picture.height();
    const QFont font = CaptionFont(picture.size());
    QPainter p(&picture);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, w, h), Qt::AlignCenter | Qt::TextSingleLine, m_caption);
}

}  // namespace lumora
