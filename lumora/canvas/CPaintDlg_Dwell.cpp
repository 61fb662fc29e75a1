// The canvas's gaze handling: the cursor, the rubber band and what each dwell step does.
#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "canvas/CPaintDlg.h"
#include "canvas/ImageBlit.h"
#include "app/SoundPlayer.h"

namespace lumora {

namespace {

// Gaze points are pixels of the tracker's screen, the primary one; widgets live in the
// desktop's global coordinates.
QPoint gazeToGlobal(const QPoint& p) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? p + screen->geometry().topLeft() : p;
}

}  // namespace

bool CPaintDlg::isUnderGaze(const QPoint& screenPoint) const {
    if (!isVisible()) {
        return false;
    }
    // While a dialog runs modally nothing outside it may be drawn on, as with the mouse.
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != window() && !modal->isAncestorOf(this)) {
        return false;
    }
    return QApplication::widgetAt(gazeToGlobal(screenPoint)) == this;
}

// ---- Cursor ---------------------------------------------------------------------------------

void CPaintDlg::hideCursor() {
    if (!m_cursorShown) {
        return;
    }
    m_cursor.erase(m_display);
    repaintImageRect(m_cursor.rect());
    m_cursorShown = false;
}

void CPaintDlg::drawCursor() {
    // Saved from the committed picture: erasing the cursor later must not bring back a rubber
    // band that has moved on.
    m_cursor.draw(m_display, m_committed);
    m_cursorShown = true;
    repaintImageRect(m_cursor.rect());
}

void CPaintDlg::setCursorKind(int kind) {
    // Keep the cursor where it was: while a dwell proceeds no gaze point centres it again, and
    // a stamp must not land in the corner.
    const QRect old = m_cursor.rect();
    const QPoint centre(old.left() + old.width() / 2, old.top() + old.height() / 2);
    m_cursor.setKind(kind);
    m_cursor.centerAt(centre.x(), centre.y());
}

void CPaintDlg::setCursorColor(ColorRef color) {
    m_cursor.setColor(color);
    // The dwell's progress shows at once, not only with the next gaze point.
    if (m_cursorShown) {
        m_cursor.erase(m_display);
        drawCursor();
    }
}

// ---- Gaze points ----------------------------------------------------------------------------

void CPaintDlg::gazePoint(const QPoint& screenPoint) {
    if (!isUnderGaze(screenPoint)) {
        hideCursor();  // the cursor vanishes while the gaze is on a button
        return;
    }
    hideCursor();
    if (m_dwell.following()) {
        const QPoint p = cursorPoint(screenPoint);
        m_cursor.centerAt(p.x(), p.y());
        if (m_inProgress && p != m_anchor) {
            stretchRubberBand(p);
        }
    }
    // While a dwell proceeds the cursor stays where it was.
    drawCursor();
}

void CPaintDlg::stretchRubberBand(const QPoint& cursorPt) {
    m_current->setEndFromCursor(cursorPt);
    const QRect previous = m_dirty;
    BlockCopy(m_display, m_saveUnder, previous);
    // The touched area covers the anchor, the cursor and the shape's own corners (which differ
    // from the anchor when a polygon's next line starts at the last end), with room for the
    // pen and the rubber band's offsets.
    const QRect bounds =
        QRect(m_anchor, cursorPt).normalized() | QRect(m_current->start(), m_current->end()).normalized();
    m_dirty = bounds.adjusted(-kDirtyMargin, -kDirtyMargin, kDirtyMargin, kDirtyMargin).intersected(m_display.rect());
    BlockCopy(m_saveUnder, m_committed, m_dirty);
    {
        QPainter painter(&m_display);
        painter.setClipRect(m_dirty);
        m_current->draw(painter);
    }
    repaintImageRect(previous);
    repaintImageRect(m_dirty);
}

void CPaintDlg::refreshSaveUnder() {
    BlockCopy(m_saveUnder, m_committed, m_dirty);
}

void CPaintDlg::redrawRubberBand() {
    const bool cursorWasShown = m_cursorShown;
    hideCursor();
    BlockCopy(m_display, m_saveUnder, m_dirty);
    {
        QPainter painter(&m_display);
        painter.setClipRect(m_dirty);
        m_current->draw(painter);
    }
    repaintImageRect(m_dirty);
    if (cursorWasShown) {
        drawCursor();
    }
}

void CPaintDlg::cancelShape() {
    hideCursor();
    BlockCopy(m_display, m_saveUnder, m_dirty);
    repaintImageRect(m_dirty);
    m_inProgress = false;
    resetDwell();
}

// ---- Dwell steps ----------------------------------------------------------------------------

void CPaintDlg::showDwellStep(DwellOutcome outcome) {
    setCursorColor(m_dwell.cursorColor());
    m_sound.playAsync(QString::fromLatin1(CanvasDwell::SoundFor(outcome)));
}

void CPaintDlg::resetDwell() {
    m_dwell.reset();
    setCursorColor(m_dwell.cursorColor());
}

void CPaintDlg::fixationEnd() {
    resetDwell();
    m_sound.stop();
}

void CPaintDlg::dwellStep(const QPoint& screenPoint) {
    if (!isUnderGaze(screenPoint)) {
        return;
    }
    if (m_tool == kToolStamp) {
        stampDwell();
    } else if (m_tool == kToolShape) {
        shapeDwell(canvasPoint(screenPoint));
    }
    // No tool (suspended): dwelling draws nothing.
}

void CPaintDlg::stampDwell() {
    const DwellOutcome outcome = m_dwell.step();
    showDwellStep(outcome);
    if (outcome != DwellOutcome::Committed) {
        return;
    }
    // The frame shows the picture 3 pixels in from its corner; the stamp lands at the corner.
    m_current->place(m_cursor.left(), m_cursor.top());
    commitCurrentShape();
    m_log.record(KeystrokeLog::Event::Stamp);
    repaintAll();
}

void CPaintDlg::commitCurrentShape() {
    m_drawing.append(m_current->clone());
    hideCursor();
    // Drawn over the band, which is the same shape: the display is the committed picture now.
    {
        QPainter painter(&m_display);
        m_current->draw(painter);
    }
    BlockCopy(m_committed, m_display, m_display.rect());
}

void CPaintDlg::startShapeAt(const QPoint& canvasPt) {
    // A fresh shape has not been stretched yet: it ends where it starts until the gaze moves.
    m_current->setStart(canvasPt);
    m_current->setEnd(canvasPt);
    m_anchor = canvasPt;
    m_dirty = QRect();
}

void CPaintDlg::shapeDwell(const QPoint& canvasPt) {
    const DwellOutcome outcome = m_dwell.step();
    showDwellStep(outcome);
    if (outcome == DwellOutcome::Advanced && !m_inProgress) {
        startShapeAt(canvasPt);
    }
    // In progress, the end stays where the last gaze point put it.
    if (outcome != DwellOutcome::Committed) {
        return;
    }
    if (!m_inProgress) {
        m_inProgress = true;
        m_log.record(KeystrokeLog::Event::StartShape);
        return;
    }
    commitCurrentShape();
    m_log.record(KeystrokeLog::Event::EndShape);
    if (m_polygon) {
        // The next line begins where this one ended; the shape stays in progress.
        const QPoint end = m_current->end();
        m_current->setStart(end);
        m_anchor = canvasPt;
        m_dirty = QRect();
        m_log.record(KeystrokeLog::Event::StartShape);
    } else {
        m_inProgress = false;
    }
    repaintAll();
}

}  // namespace lumora
