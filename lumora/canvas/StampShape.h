// A stamp picture (one of those compiled into the program, by picture number) placed with its
// top-left corner at the stamp position; its white pixels let the drawing show through.
#pragma once

#include "canvas/Shape.h"

namespace lumora {

class StampShape : public Shape {
public:
    explicit StampShape(int stampImageId);

    void draw(QPainter& painter) const override;
    std::unique_ptr<Shape> clone() const override;
    void place(int x, int y) override;

    // The stamp picture with its white pixels made fully transparent, ready for a painter.
    // Made on first use and kept; null for a number that names no stamp. User-interface
    // thread only.
    static const QImage& MaskedPicture(int stampImageId);
};

}  // namespace lumora
