// The two ways Lumora puts one off-screen picture onto another: a block copy of a rectangle,
// and transparent drawing, where the picture's pixels of one colour (white for stamps) let
// the destination show through. Both clip to the images; the source is never changed.
#pragma once

#include <QtGui/qrgb.h>

#include <QImage>
#include <QPoint>
#include <QRect>

namespace lumora {

// Copies the source pixels of sourceRect into target with sourceRect's top-left landing at
// targetTopLeft. Pixels that fall outside either image are skipped. The images are converted
// to the target's format as needed (Lumora's pictures are all RGB32).
void BlockCopy(QImage& target, const QPoint& targetTopLeft, const QImage& source, const QRect& sourceRect);

// Same place in both images: copies rect from source to target.
inline void BlockCopy(QImage& target, const QImage& source, const QRect& rect) {
    BlockCopy(target, rect.topLeft(), source, rect);
}

// Draws the whole picture with its top-left corner at topLeft; where a picture pixel equals
// the transparent colour (RGB compared, alpha ignored) the destination is kept.
void DrawTransparent(QImage& target, const QPoint& topLeft, const QImage& picture, QRgb transparent);

}  // namespace lumora
