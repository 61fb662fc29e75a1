// Lumora's own reader of bitmap files (the Windows BMP format with an info header of at least
// 40 bytes): 1, 4 and 8 bits per pixel with a colour table, 8 and 4 bits run-length encoded,
// 16 and 32 bits plain or with bit fields, 24 bits; bottom-up and top-down rows (run-length
// pictures are bottom-up only, as the format has them). Used for button pictures, stamps,
// drawings, the book's pages and the logos.
//
// Every reader takes the whole file and reports success; on any fault (missing file, not a
// regular file, too large, short read, bad header, pixel data past the end, a run-length code
// cut short, no memory) it returns false and leaves the target image and palette exactly as
// they were. Pixels a run-length picture never sets (skipped by its line ends and jumps) have
// the first colour of its table.
//
// Paths are relative to the working directory and taken byte for byte (FileNames.h): a
// backslash is part of a name, not a separator. Paths starting with ":" name Qt resources.
//
// Any thread; no shared state.
#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <cstddef>
#include <cstdint>

class QIODevice;

namespace lumora {

// The file's colour table as Qt colours (red, green, blue; opaque), filled only when asked
// for and the file has a table of at most 256 colours.
using BmpPalette = QList<QRgb>;

// The largest picture taken, in pixels: 8192 x 8192, more than any drawing can be (a drawing
// is the canvas, smaller than the screen). Larger ones are refused before they are decoded.
inline constexpr std::uint64_t kMaxBmpPixels = std::uint64_t{64} << 20;
// The largest file that can hold such a picture: headers and colour table, and four bytes a
// pixel (no depth nor row padding takes more). Larger files are refused before they are read.
inline constexpr std::uint64_t kMaxBmpFileBytes = 14 + (std::uint64_t{64} << 10) + 4 * kMaxBmpPixels;

// Reads the bitmap file at path into target as a QImage::Format_RGB32 image of the file's size.
bool LoadBmpFile(const QString& path, QImage& target, BmpPalette* palette = nullptr);

// Reads only the top-left part of the picture, at most `part` in size, into target (the
// picture's size cut to `part`); the rest is never decoded. For thumbnails.
bool LoadBmpFileTopLeft(const QString& path, const QSize& part, QImage& target);

// The same from an open device, read from its current position to its end.
bool LoadBmp(QIODevice& in, QImage& target, BmpPalette* palette = nullptr);

// The same from the bytes of a whole file in memory.
bool LoadBmpBytes(const std::uint8_t* data, std::size_t size, QImage& target, BmpPalette* palette = nullptr);
bool LoadBmpBytesTopLeft(const std::uint8_t* data, std::size_t size, const QSize& part, QImage& target);

}  // namespace lumora
