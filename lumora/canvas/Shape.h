// One element of a drawing: the record every kind shares (start, end, pen, brush, stamp data)
// and the operations the canvas calls on it. The canvas owns its shapes; a shape never refers
// to another object, so a clone is independent of its original.
//
// Coordinates are canvas pixels (relative to the canvas's top-left corner); colours are
// 0x00BBGGRR.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <cstdint>
#include <memory>

#include "app/MessageRegistry.h"

namespace lumora {

struct ShapePen {
    static constexpr int kStyleSolid = 0;
    static constexpr int kDefaultWidth = 5;

    int style = kStyleSolid;
    int widthX = kDefaultWidth;  // the stroke width in pixels
    int widthY = kDefaultWidth;  // kept with the record; strokes use widthX
    ColorRef color = kColorBlack;
};

struct ShapeBrush {
    static constexpr int kStyleSolid = 0;
    static constexpr int kStyleHollow = 1;

    int style = kStyleHollow;
    ColorRef color = kColorBlack;
    int hatch = 0;
};

class Shape {
public:
    virtual ~Shape() = default;

    // Draws the shape with a painter open on a picture of the canvas's size (RGB32). The
    // painter's pen and brush are the shape's afterwards; nothing else of its state changes.
    // Callers replaying many shapes keep one painter open for all of them.
    virtual void draw(QPainter& painter) const = 0;
    // The same on a picture, with a painter of its own.
    void drawOnto(QImage& target) const;
    // A new, independent object of the same kind carrying the data that kind draws from.
    virtual std::unique_ptr<Shape> clone() const = 0;
    // Where a placed shape goes; only stamps are placed.
    virtual void place(int x, int y);
    // Whether a confirmed end in fill mode starts the next piece at this one's end.
    virtual bool continuesAsPolygon() const;

    void setStart(const QPoint& p) { m_start = p; }
    void setEnd(const QPoint& p) { m_end = p; }
    // Sets the end from the cursor point during a rubber band: the end sits a little past the
    // cursor, away from the start, so that the stroke never hides under the cursor square.
    void setEndFromCursor(const QPoint& cursor);
    void setPen(const ShapePen& pen) { m_pen = pen; }
    void setBrush(const ShapeBrush& brush) { m_brush = brush; }
    void setStampImageId(int number) { m_stampImageId = number; }

    QPoint start() const { return m_start; }
    QPoint end() const { return m_end; }
    const ShapePen& pen() const { return m_pen; }
    const ShapeBrush& brush() const { return m_brush; }
    int stampImageId() const { return m_stampImageId; }
    QPoint stampPosition() const { return m_stampPosition; }

    // The end point the rubber band gives for a cursor point and a start point.
    static QPoint RubberBandEnd(const QPoint& cursor, const QPoint& start);

protected:
    Shape() = default;
    Shape(const Shape&) = default;
    Shape& operator=(const Shape&) = default;

    // A line, rectangle or circle whose start x or end y is 0 has not been stretched yet and
    // draws nothing (the template a fresh tool starts from).
    bool isUnset() const { return m_start.x() == 0 || m_end.y() == 0; }

    // Readies a painter for the stroked kinds: no anti-aliasing (a drawing holds only the
    // palette's colours, which saved files rely on), round pen ends and joins, the pen's colour
    // and width, and the brush's fill (none when hollow).
    void preparePainter(QPainter& painter) const;

    QPoint m_start;
    QPoint m_end;
    ShapePen m_pen;
    ShapeBrush m_brush;
    int m_stampImageId = 0;
    QPoint m_stampPosition;
};

}  // namespace lumora
