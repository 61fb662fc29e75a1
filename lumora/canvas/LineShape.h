// A straight stroke from start to end with the pen. The kind of shape that fill mode continues:
// each confirmed end starts the next line there.
#pragma once

#include "canvas/Shape.h"

namespace lumora {

class LineShape : public Shape {
public:
    LineShape() = default;
    LineShape(const ShapePen& pen, const ShapeBrush& brush);

    void draw(QPainter& painter) const override;
    std::unique_ptr<Shape> clone() const override;
    bool continuesAsPolygon() const override;
};

}  // namespace lumora
