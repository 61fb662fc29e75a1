// Lumora's own reader of bitmap files (the Windows BMP format with an info header of at least
// 40 bytes): 1, 4 and 8 bits per pixel with a colour table, 16 and 32 bits plain or with bit
// fields, 24 bits; bottom-up and top-down rows. Used for button pictures, drawings, the book
// pages and the logos.
//
// Every reader takes the whole file and reports success; on any fault (missing file, short
// read, bad header, pixel data past the end) it returns false and leaves the target image and
// palette exactly as they were.
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <cstddef>
#include <cstdint>

class QIODevice;

namespace lumora {

// The file's colour table as Qt colours (red, green, blue; opaque), filled only when asked
// for and the file has a table of at most 256 colours.
using BmpPalette = QList<QRgb>;

// Reads the bitmap file at path into target as a QImage::Format_RGB32 image of the file's
// size. The path is relative to the working directory; backslashes are taken as '/'.
bool LoadBmpFile(const QString& path, QImage& target, BmpPalette* palette = nullptr);

// The same from an open device, read from its current position to its end.
bool LoadBmp(QIODevice& in, QImage& target, BmpPalette* palette = nullptr);

// The same from the bytes of a whole file in memory.
bool LoadBmpBytes(const std::uint8_t* data, std::size_t size, QImage& target, BmpPalette* palette = nullptr);

}  // namespace lumora
