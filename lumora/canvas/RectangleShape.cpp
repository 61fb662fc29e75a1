#include "canvas/RectangleShape.h"

#include <QRect>

namespace lumora {

RectangleShape::RectangleShape(const ShapePen& pen, const ShapeBrush& brush) {
    m_pen = pen;
    m_brush = brush;
}

void RectangleShape::draw(QPainter& painter) const {
    if (isUnset()) {
        return;
    }
    preparePainter(painter);
    // The corners may come in any order: the rubber band stretches in every direction.
    painter.drawRect(QRect(m_start, m_end).normalized());
}

std::unique_ptr<Shape> RectangleShape::clone() const {
    auto copy = std::make_unique<RectangleShape>(m_pen, m_brush);
    copy->setStart(m_start);
    copy->setEnd(m_end);
    return copy;
}

}  // namespace lumora
