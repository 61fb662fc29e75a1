#include "canvas/Shape.h"

#include <gtest/gtest.h>

#include <QImage>

#include "canvas/CircleShape.h"
#include "canvas/LineShape.h"
#include "canvas/RectangleShape.h"
#include "canvas/StampPictures.h"
#include "canvas/StampShape.h"

using namespace lumora;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr ColorRef kRed = MakeColorRef(200, 55, 55);
constexpr QRgb kRedRgb = ColorRefToQRgb(kRed);

QImage paper(QRgb fill = kWhite) {
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

ShapePen redPen() {
    ShapePen pen;
    pen.color = kRed;
    return pen;
}

ShapeBrush brush(int style) {
    ShapeBrush b;
    b.style = style;
    b.color = kRed;
    return b;
}

int countNot(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += image.pixel(x, y) != colour;
        }
    }
    return n;
}

}  // namespace

// ---- Rubber-band rule ----------------------------------------------------------------------

struct BandCase {
    QPoint cursor;
    QPoint start;
    QPoint end;
};

TEST(RubberBand, EndFollowsTheSlopeAndSide) {
    const BandCase cases[] = {
        // Same column: below the start, above it.
        {{100, 150}, {100, 100}, {100, 147}},
        {{100, 50}, {100, 100}, {100, 60}},
        {{100, 100}, {100, 100}, {100, 110}},  // on the start itself: sy < y is false
        // Slope 0 (|dy| < |dx|): start left, start right.
        {{200, 110}, {100, 100}, {197, 110}},
        {{50, 95}, {100, 100}, {60, 95}},
        // Positive slope (both differences of one sign, |dy| >= |dx|).
        {{150, 200}, {100, 100}, {147, 197}},
        {{50, 20}, {100, 100}, {60, 30}},
        // Negative slope.
        {{150, 20}, {100, 100}, {147, 30}},
        {{50, 200}, {100, 100}, {60, 197}},
        // Exactly one: truncation keeps it; just under one truncates to 0.
        {{110, 110}, {100, 100}, {107, 107}},
        {{111, 110}, {100, 100}, {108, 110}},
        {{89, 111}, {100, 100}, {99, 108}},
    };
    for (const BandCase& c : cases) {
        EXPECT_EQ(Shape::RubberBandEnd(c.cursor, c.start), c.end)
            << "cursor (" << c.cursor.x() << "," << c.cursor.y() << ") start (" << c.start.x() << "," << c.start.y()
            << ")";
        LineShape line;
        line.setStart(c.start);
        line.setEndFromCursor(c.cursor);
        EXPECT_EQ(line.end(), c.end);
    }
}

// ---- Virtual operations ---------------------------------------------------------------------

TEST(Shape, CloneCopiesWhatItsKindDrawsFromAndIsIndependent) {
    RectangleShape rect(redPen(), brush(ShapeBrush::kStyleSolid));
    rect.setStart({10, 20});
    rect.setEnd({30, 40});
    auto copy = rect.clone();
    ASSERT_NE(dynamic_cast<RectangleShape*>(copy.get()), nullptr);
    EXPECT_EQ(copy->start(), QPoint(10, 20));
    EXPECT_EQ(copy->end(), QPoint(30, 40));
    EXPECT_EQ(copy->pen().color, kRed);
    EXPECT_EQ(copy->brush().style, ShapeBrush::kStyleSolid);
    rect.setEnd({99, 99});
    EXPECT_EQ(copy->end(), QPoint(30, 40));

    EXPECT_NE(dynamic_cast<LineShape*>(LineShape().clone().get()), nullptr);
    EXPECT_NE(dynamic_cast<CircleShape*>(CircleShape().clone().get()), nullptr);

    StampShape stamp(kStampFirstNumber);
    stamp.place(7, 8);
    auto stampCopy = stamp.clone();
    ASSERT_NE(dynamic_cast<StampShape*>(stampCopy.get()), nullptr);
    EXPECT_EQ(stampCopy->stampImageId(), kStampFirstNumber);
    EXPECT_EQ(stampCopy->stampPosition(), QPoint(7, 8));
}

TEST(Shape, OnlyLinesContinueAsPolygonAndOnlyStampsArePlaced) {
    EXPECT_TRUE(LineShape().continuesAsPolygon());
    EXPECT_FALSE(RectangleShape().continuesAsPolygon());
    EXPECT_FALSE(CircleShape().continuesAsPolygon());
    EXPECT_FALSE(StampShape(kStampFirstNumber).continuesAsPolygon());
    LineShape line;
    line.place(5, 6);
    EXPECT_EQ(line.stampPosition(), QPoint(0, 0));
}

// ---- Drawing --------------------------------------------------------------------------------

TEST(ShapeDraw, UnsetShapesDrawNothing) {
    for (QPoint start : {QPoint(0, 50), QPoint(40, 50)}) {
        for (QPoint end : {QPoint(100, 0), QPoint(100, 120)}) {
            if (start.x() != 0 && end.y() != 0) {
                continue;
            }
            QImage image = paper();
            RectangleShape rect(redPen(), brush(ShapeBrush::kStyleSolid));
            rect.setStart(start);
            rect.setEnd(end);
            rect.drawOnto(image);
            EXPECT_EQ(countNot(image, kWhite), 0);
        }
    }
}

TEST(ShapeDraw, LineRectangleAndCircleInPenColour) {
    QImage image = paper();
    LineShape line(redPen(), brush(ShapeBrush::kStyleHollow));
    line.setStart({20, 20});
    line.setEnd({120, 20});
    line.drawOnto(image);
    EXPECT_EQ(image.pixel(70, 20), kRedRgb);
    EXPECT_EQ(image.pixel(70, 22), kRedRgb);  // 5 pixels wide
    EXPECT_EQ(image.pixel(70, 26), kWhite);

    // Corners given bottom-right first: the rubber band stretches any way.
    RectangleShape hollow(redPen(), brush(ShapeBrush::kStyleHollow));
    hollow.setStart({250, 150});
    hollow.setEnd({150, 50});
    hollow.drawOnto(image);
    for (QPoint edge : {QPoint(200, 50), QPoint(200, 150), QPoint(150, 100), QPoint(250, 100)}) {
        EXPECT_EQ(image.pixel(edge), kRedRgb) << edge.x() << "," << edge.y();
    }
    EXPECT_EQ(image.pixel(200, 100), kWhite);

    QImage round = paper();
    CircleShape circle(redPen(), brush(ShapeBrush::kStyleSolid));
    circle.setStart({50, 40});
    circle.setEnd({250, 160});
    circle.drawOnto(round);
    EXPECT_EQ(round.pixel(50, 100), kRedRgb);   // left end of the ellipse
    EXPECT_EQ(round.pixel(150, 100), kRedRgb);  // filled with the same colour
    EXPECT_EQ(round.pixel(55, 45), kWhite);      // the box's corner lies outside
}

TEST(ShapeDraw, StampIsTransparentWhereItsPictureIsWhite) {
    const QImage& picture = StampPicture(kStampFirstNumber);
    ASSERT_FALSE(picture.isNull());
    constexpr QRgb kGreen = 0xFF00FF00u;
    QImage image = paper(kGreen);
    StampShape stamp(kStampFirstNumber);
    stamp.place(40, 30);
    stamp.drawOnto(image);
    int white = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            const bool isWhite = (p & 0xFFFFFF) == 0xFFFFFF;
            white += isWhite;
            ASSERT_EQ(image.pixel(40 + x, 30 + y), isWhite ? kGreen : (p | 0xFF000000u)) << x << "," << y;
        }
    }
    EXPECT_GT(white, 0);
    EXPECT_EQ(image.pixel(39, 29), kGreen);

    // A number that names no stamp draws nothing, and clipping at the edge is harmless.
    StampShape none(9999);
    none.drawOnto(image);
    StampShape edge(kStampFirstNumber);
    edge.place(270, 180);
    edge.drawOnto(image);
}
