#include "canvas/Drawing.h"

#include <QPainter>

#include "canvas/ImageBlit.h"
#include "files/LoadBmpFile.h"

namespace lumora {

namespace {

QImage whiteImage(const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(ColorRefToQRgb(kColorWhite));
    return image;
}

}  // namespace

Drawing::Drawing(const QSize& size) : m_background(whiteImage(size)), m_replayBase(whiteImage(size)) {}

void Drawing::append(std::unique_ptr<Shape> shape) {
    m_shapes.push_back(std::move(shape));
}

bool Drawing::removeLast() {
    if (m_shapes.empty()) {
        return false;
    }
    m_shapes.pop_back();
    return true;
}

void Drawing::clear() {
    m_shapes.clear();
    m_background.fill(ColorRefToQRgb(kColorWhite));
    resetReplayBase();
}

bool Drawing::open(const QString& path) {
    QImage picture;
    // Only the part the canvas can show is decoded: a larger picture is cut at the right and
    // bottom anyway, and a smaller one is padded white.
    const bool read = LoadBmpFileTopLeft(path, m_background.size(), picture);
    if (read) {
        m_background.fill(ColorRefToQRgb(kColorWhite));
        BlockCopy(m_background, QPoint(0, 0), picture, picture.rect());
    }
    m_shapes.clear();
    resetReplayBase();
    return read;
}

support::WriteStatus Drawing::save(const QString& path) {
    if (m_writer) {
        m_lastSave = m_writer(path, snapshot());
    }
    return m_lastSave;
}

QImage Drawing::snapshot() const {
    QImage drawing = m_background.copy();
    QPainter painter(&drawing);
    for (const auto& shape : m_shapes) {
        shape->draw(painter);
    }
    return drawing;
}

void Drawing::resetReplayBase() {
    BlockCopy(m_replayBase, m_background, m_replayBase.rect());
    m_replayBaseCount = 0;
}

void Drawing::redraw(QImage& target) {
    // Shapes are drawn in list order onto the background either way; keeping the older ones
    // drawn keeps undo within a frame however long the list grows.
    const std::size_t count = m_shapes.size();
    if (m_replayBaseCount > count) {
        resetReplayBase();
    }
    if (count - m_replayBaseCount > kReplayWindow) {
        const std::size_t keep = count - kReplayWindow / 2;
        QPainter painter(&m_replayBase);
        for (std::size_t i = m_replayBaseCount; i < keep; ++i) {
            m_shapes[i]->draw(painter);
        }
        m_replayBaseCount = keep;
    }
    BlockCopy(target, m_replayBase, target.rect());
    QPainter painter(&target);
    for (std::size_t i = m_replayBaseCount; i < count; ++i) {
        m_shapes[i]->draw(painter);
    }
}

}  // namespace lumora
