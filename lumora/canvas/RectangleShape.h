// An axis-aligned rectangle with corners start and end, outlined with the pen and, with a solid
// brush, filled with the brush colour.
#pragma once

#include "canvas/Shape.h"

namespace lumora {

class RectangleShape : public Shape {
public:
    RectangleShape() = default;
    RectangleShape(const ShapePen& pen, const ShapeBrush& brush);

    void draw(QPainter& painter) const override;
    std::unique_ptr<Shape> clone() const override;
};

}  // namespace lumora
