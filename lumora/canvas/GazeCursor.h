// The small marker that shows where the program thinks the eyes are looking. Every gaze
// window owns one, draws it into its off-screen picture and remembers the pixels it covers
// (the save-under image, as large as the owner's picture), so that moving it never redraws
// the owner's picture.
//
// Per gaze point an owner calls: erase(picture); update(old rect()); centerAt(point);
// draw(picture, picture-without-cursor); update(new rect()).
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include "app/MessageRegistry.h"

namespace lumora {

class GazeCursor {
public:
    // The kinds use the codes of the canvas's tools.
    static constexpr int kKindSquare = 19;
    static constexpr int kKindStampFrame = 13;
    static constexpr int kSquareSize = 15;
    static constexpr int kStampFrameSize = 76;

    GazeCursor();

    // Makes the save-under image of the owner's picture size, filled with fillColor (so that
    // erasing before any draw paints that colour); kind square at (0, 0, 15, 15).
    void create(const QSize& ownerSize, ColorRef fillColor);

    // The rectangle becomes (0, 0, size, size) of the kind; the next centerAt places it again.
    void setKind(int kind);
    int kind() const { return m_kind; }

    void setColor(ColorRef color) { m_color = color; }
    ColorRef color() const { return m_color; }

    // The stamp picture number shown by the stamp frame.
    void setStampImageId(int number) { m_stampImageId = number; }
    int stampImageId() const { return m_stampImageId; }

    // left = x - width / 2, top = y - height / 2 (integer division); size kept.
    void centerAt(int x, int y);

    // The rectangle in the owner's coordinates (right and bottom exclusive, as in QRect's
    // width and height: rect().width() is 15 for the square).
    QRect rect() const { return m_rect; }
    int left() const { return m_rect.x(); }
    int top() const { return m_rect.y(); }
    int right() const { return m_rect.x() + m_rect.width(); }
    int bottom() const { return m_rect.y() + m_rect.height(); }

    // Saves the source's pixels under the rectangle, then draws the cursor onto target.
    // target and source may be the same image.
    void draw(QImage& target, const QImage& source);

    // Puts the saved pixels under the rectangle back onto target.
    void erase(QImage& target) const;

    const QImage& saveUnder() const { return m_saveUnder; }

private:
    void drawSquare(QImage& target) const;
    void drawStampFrame(QImage& target) const;

    int m_kind = kKindSquare;
    QRect m_rect;
    ColorRef m_color = kColorGazeCursor;
    int m_stampImageId = 0;
    QImage m_saveUnder;
};

}  // namespace lumora
