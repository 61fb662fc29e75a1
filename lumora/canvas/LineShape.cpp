#include "canvas/LineShape.h"

namespace lumora {

LineShape::LineShape(const ShapePen& pen, const ShapeBrush& brush) {
    m_pen = pen;
    m_brush = brush;
}

void LineShape::draw(QPainter& painter) const {
    if (isUnset()) {
        return;
    }
    preparePainter(painter);
    painter.drawLine(m_start, m_end);
}

std::unique_ptr<Shape> LineShape::clone() const {
    auto copy = std::make_unique<LineShape>(m_pen, m_brush);
    copy->setStart(m_start);
    copy->setEnd(m_end);
    return copy;
}

bool LineShape::continuesAsPolygon() const {
    return true;
}

}  // namespace lumora
