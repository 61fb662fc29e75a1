#include "canvas/Shape.h"

namespace lumora {

namespace {

// How far past the cursor point the end lands: a little before it on the near side, further
// on the far side, so that the 15-pixel cursor square does not cover the stroke's end.
constexpr int kNearSide = 3;
constexpr int kFarSide = 10;

}  // namespace

void Shape::drawOnto(QImage& target) const {
    QPainter painter(&target);
    draw(painter);
}

void Shape::place(int, int) {}

void Shape::preparePainter(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Only the solid style exists in this program; any other value strokes solid too.
    painter.setPen(QPen(ColorRefToQColor(m_pen.color), m_pen.widthX, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (m_brush.style == ShapeBrush::kStyleSolid) {
        painter.setBrush(ColorRefToQColor(m_brush.color));
    } else {
        painter.setBrush(Qt::NoBrush);
    }
}

bool Shape::continuesAsPolygon() const {
    return false;
}

QPoint Shape::RubberBandEnd(const QPoint& cursor, const QPoint& start) {
    const int x = cursor.x();
    const int y = cursor.y();
    const int sx = start.x();
    const int sy = start.y();
    if (x == sx) {
        return sy < y ? QPoint(x, y - kNearSide) : QPoint(x, y + kFarSide);
    }
    // Integer division truncates toward zero, so only slopes of at least 1 in size count as
    // rising or falling.
    const int slope = (sy - y) / (sx - x);
    const bool startLeft = sx < x;
    if (slope < 0) {
        return startLeft ? QPoint(x - kNearSide, y + kFarSide) : QPoint(x + kFarSide, y - kNearSide);
    }
    if (slope > 0) {
        return startLeft ? QPoint(x - kNearSide, y - kNearSide) : QPoint(x + kFarSide, y + kFarSide);
    }
    return startLeft ? QPoint(x - kNearSide, y) : QPoint(x + kFarSide, y);
}

void Shape::setEndFromCursor(const QPoint& cursor) {
    m_end = RubberBandEnd(cursor, m_start);
}

}  // namespace lumora
