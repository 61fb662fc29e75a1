#include "canvas/ImageBlit.h"

#include <QPainter>
#include <cstring>

namespace lumora {

namespace {

constexpr QRgb kRgbMask = 0x00FFFFFFu;
constexpr QRgb kOpaque = 0xFF000000u;

bool directlyCopyable(const QImage& a, const QImage& b) {
    return a.format() == b.format() && a.depth() == 32;
}

}  // namespace

void BlockCopy(QImage& target, const QPoint& targetTopLeft, const QImage& source, const QRect& sourceRect) {
    // Clip against the source, then move into target space and clip again.
    QRect from = sourceRect.intersected(source.rect());
    if (from.isEmpty()) {
        return;
    }
    const QPoint offset = targetTopLeft - sourceRect.topLeft();
    QRect to = from.translated(offset).intersected(target.rect());
    if (to.isEmpty()) {
        return;
    }
    from = to.translated(-offset);
    if (&target == &source && to == from) {
        return;
    }
    if (directlyCopyable(target, source) && &target != &source) {
        const std::size_t bytes = std::size_t(to.width()) * sizeof(QRgb);
        for (int row = 0; row < to.height(); ++row) {
            const uchar* src = source.constScanLine(from.y() + row) + from.x() * sizeof(QRgb);
            uchar* dst = target.scanLine(to.y() + row) + to.x() * sizeof(QRgb);
            std::memcpy(dst, src, bytes);
        }
        return;
    }
    // Other formats, or overlapping copies within one image: let Qt convert.
    const QImage piece = source.copy(from);
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(to.topLeft(), piece);
}

void DrawTransparent(QImage& target, const QPoint& topLeft, const QImage& picture, QRgb transparent) {
    if (picture.isNull() || target.isNull()) {
        return;
    }
    const QImage pic = picture.depth() == 32 && picture.format() != QImage::Format_ARGB32_Premultiplied
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB32);
    const QRect to = QRect(topLeft, pic.size()).intersected(target.rect());
    if (to.isEmpty()) {
        return;
    }
    const QPoint from = to.topLeft() - topLeft;
    const QRgb key = transparent & kRgbMask;
    if (target.format() == QImage::Format_RGB32 || target.format() == QImage::Format_ARGB32) {
        // The effect of the mask's AND and OR: destination kept where the picture is the
        // transparent colour, the picture's pixel everywhere else.
        for (int row = 0; row < to.height(); ++row) {
            const QRgb* src = reinterpret_cast<const QRgb*>(pic.constScanLine(from.y() + row)) + from.x();
            QRgb* dst = reinterpret_cast<QRgb*>(target.scanLine(to.y() + row)) + to.x();
            for (int x = 0; x < to.width(); ++x) {
                if ((src[x] & kRgbMask) != key) {
                    dst[x] = src[x] | kOpaque;
                }
            }
        }
        return;
    }
    QImage masked = pic.copy(QRect(from, to.size())).convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < masked.height(); ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(masked.scanLine(row));
        for (int x = 0; x < masked.width(); ++x) {
            line[x] = (line[x] & kRgbMask) == key ? 0u : (line[x] | kOpaque);
        }
    }
    QPainter painter(&target);
    painter.drawImage(to.topLeft(), masked);
}

}  // namespace lumora
