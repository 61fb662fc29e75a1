#include "canvas/CircleShape.h"

#include <QRect>

namespace lumora {

CircleShape::CircleShape(const ShapePen& pen, const ShapeBrush& brush) {
    m_pen = pen;
    m_brush = brush;
}

void CircleShape::draw(QPainter& painter) const {
    if (isUnset()) {
        return;
    }
    preparePainter(painter);
    // The corners may come in any order: the rubber band stretches in every direction.
    painter.drawEllipse(QRect(m_start, m_end).normalized());
}

std::unique_ptr<Shape> CircleShape::clone() const {
    auto copy = std::make_unique<CircleShape>(m_pen, m_brush);
    copy->setStart(m_start);
    copy->setEnd(m_end);
    return copy;
}

}  // namespace lumora
