#include "canvas/StampShape.h"

#include <map>

#include "canvas/StampPictures.h"

namespace lumora {

namespace {

constexpr QRgb kRgbMask = 0x00FFFFFFu;
constexpr QRgb kOpaque = 0xFF000000u;

}  // namespace

StampShape::StampShape(int stampImageId) {
    m_stampImageId = stampImageId;
}

const QImage& StampShape::MaskedPicture(int stampImageId) {
    // Alpha only 0 or 255, so painting it over the drawing gives exactly the mask's effect:
    // the drawing kept where the picture is white, the picture's own pixel everywhere else.
    static std::map<int, QImage> masked;
    auto found = masked.find(stampImageId);
    if (found != masked.end()) {
        return found->second;
    }
    QImage picture = StampPicture(stampImageId);
    if (!picture.isNull()) {
        picture = picture.convertToFormat(QImage::Format_ARGB32);
        const QRgb white = ColorRefToQRgb(kColorWhite) & kRgbMask;
        for (int y = 0; y < picture.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                line[x] = (line[x] & kRgbMask) == white ? 0u : (line[x] | kOpaque);
            }
        }
    }
    return masked.emplace(stampImageId, std::move(picture)).first->second;
}

void StampShape::draw(QPainter& painter) const {
    const QImage& picture = MaskedPicture(m_stampImageId);
    if (picture.isNull()) {
        return;
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(m_stampPosition, picture);
}

std::unique_ptr<Shape> StampShape::clone() const {
    auto copy = std::make_unique<StampShape>(m_stampImageId);
    copy->place(m_stampPosition.x(), m_stampPosition.y());
    return copy;
}

void StampShape::place(int x, int y) {
    m_stampPosition = QPoint(x, y);
}

}  // namespace lumora
