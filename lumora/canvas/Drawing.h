// Drawing: what the user has drawn, without any window: the background picture, the list of
// committed shapes over it, and the ways a drawing is replayed, captured, opened and saved.
// The canvas shows it; a drawing alone needs no screen (QImage and QPainter only).
//
// All images are of the drawing's size, in canvas pixels, Format_RGB32; colours 0x00BBGGRR.
// The drawing owns its shapes. User-interface thread only, like the canvas that holds it.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "AtomicFile.h"
#include "canvas/Shape.h"

namespace lumora {

class Drawing {
public:
    // A full redraw replays at most about this many shapes; the ones before are kept drawn in
    // a picture of their own (see m_replayBase).
    static constexpr std::size_t kReplayWindow = 64;

    // Writes the drawing a save captured to a file; Ok when it was written.
    using Writer = std::function<support::WriteStatus(const QString& path, const QImage& drawing)>;

    // A white drawing of that size (an empty size gives valid empty images) with no shapes.
    explicit Drawing(const QSize& size);

    QSize size() const { return m_background.size(); }
    const QImage& background() const { return m_background; }
    const std::vector<std::unique_ptr<Shape>>& shapes() const { return m_shapes; }

    // Appends a committed shape at the end of the list.
    void append(std::unique_ptr<Shape> shape);
    // Removes the last shape; false (and nothing changes) when the list is empty.
    bool removeLast();
    // A new drawing: no shapes, white background.
    void clear();

    // Replaces the background with the bitmap file's picture (cut at the right and bottom when
    // larger, padded white when smaller) and empties the list. A file that cannot be read as
    // a bitmap keeps the background as it was; the list is emptied all the same. True when the
    // picture was read.
    bool open(const QString& path);

    // The writer of saved drawings; without one, a save does nothing.
    void setWriter(Writer writer) { m_writer = std::move(writer); }
    bool hasWriter() const { return static_cast<bool>(m_writer); }
    // Writes snapshot() to path with the writer and remembers how it went. Without a writer
    // nothing is written and the last status stays.
    support::WriteStatus save(const QString& path);
    // How the last save went (Ok before the first).
    support::WriteStatus lastSaveStatus() const { return m_lastSave; }

    // The drawing as a save takes it: the background with every listed shape drawn in order.
    QImage snapshot() const;

    // Makes target (of the drawing's size) the same picture as snapshot(), replaying only the
    // newer shapes onto the kept older ones, so that undo stays quick however long the list.
    void redraw(QImage& target);

private:
    void resetReplayBase();

    QImage m_background;
    std::vector<std::unique_ptr<Shape>> m_shapes;

    // The background with the first m_replayBaseCount listed shapes drawn on it, so that undo
    // and grid off replay only the shapes after those instead of the whole list. Rebuilt when
    // undo reaches into it or the background changes.
    QImage m_replayBase;
    std::size_t m_replayBaseCount = 0;

    Writer m_writer;
    support::WriteStatus m_lastSave = support::WriteStatus::Ok;
};

}  // namespace lumora
