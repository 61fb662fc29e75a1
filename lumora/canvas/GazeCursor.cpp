#include "canvas/GazeCursor.h"

#include <QPainter>
#include <QPen>
#include <QPolygon>

#include "canvas/ImageBlit.h"
#include "canvas/StampPictures.h"

namespace lumora {

namespace {

constexpr int kSquareInset = 2;
constexpr int kStampOffset = 3;
constexpr int kFrameInset = 2;
constexpr int kFramePenWidth = 4;

void fillClipped(QImage& image, const QRect& rect, QRgb colour) {
    const QRect r = rect.intersected(image.rect());
    if (r.isEmpty()) {
        return;
    }
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::fill(line + r.left(), line + r.left() + r.width(), colour);
        }
        return;
    }
    QPainter painter(&image);
    painter.fillRect(r, QColor::fromRgb(colour));
}

int sizeOfKind(int kind) {
    return kind == GazeCursor::kKindStampFrame ? GazeCursor::kStampFrameSize : GazeCursor::kSquareSize;
}

}  // namespace

GazeCursor::GazeCursor() : m_rect(0, 0, kSquareSize, kSquareSize) {}

void GazeCursor::create(const QSize& ownerSize, ColorRef fillColor) {
    m_saveUnder = QImage(ownerSize, QImage::Format_RGB32);
    m_saveUnder.fill(ColorRefToQRgb(fillColor));
    m_kind = kKindSquare;
    m_rect = QRect(0, 0, kSquareSize, kSquareSize);
}

void GazeCursor::setKind(int kind) {
    m_kind = kind;
    const int size = sizeOfKind(kind);
    m_rect = QRect(0, 0, size, size);
}

void GazeCursor::centerAt(int x, int y) {
    m_rect.moveTo(x - m_rect.width() / 2, y - m_rect.height() / 2);
}

void GazeCursor::draw(QImage& target, const QImage& source) {
    BlockCopy(m_saveUnder, source, m_rect);
    if (m_kind == kKindStampFrame) {
        drawStampFrame(target);
    } else {
        drawSquare(target);
    }
}

void GazeCursor::erase(QImage& target) const {
    BlockCopy(target, m_saveUnder, m_rect);
}

void GazeCursor::drawSquare(QImage& target) const {
    fillClipped(target, m_rect, ColorRefToQRgb(kColorWhite));
    fillClipped(target, m_rect.adjusted(kSquareInset, kSquareInset, -kSquareInset, -kSquareInset),
                ColorRefToQRgb(m_color));
}

void GazeCursor::drawStampFrame(QImage& target) const {
    DrawTransparent(target, QPoint(left() + kStampOffset, top() + kStampOffset), StampPicture(m_stampImageId),
                    ColorRefToQRgb(kColorWhite));
    QPainter painter(&target);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(ColorRefToQColor(m_color), kFramePenWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const int l = left() + kFrameInset;
    const int t = top() + kFrameInset;
    const int r = right() - kFrameInset;
    const int b = bottom() - kFrameInset;
    painter.drawPolygon(QPolygon({QPoint(l, t), QPoint(r, t), QPoint(r, b), QPoint(l, b)}));
}

}  // namespace lumora
