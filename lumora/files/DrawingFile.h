// Drawing files: a drawing is stored as a Windows bitmap file (14-byte file header, 40-byte info
// header, colour table for 8 bits per pixel and less, bottom-up rows padded to 4 bytes), all
// integers little-endian. Our drawings are RGB32 images, so the files are 32 bits per pixel
// with no colour table; they are read back with LoadBmpFile.
//
// Writing goes through a support::ByteSink so that tests can write to memory or to a sink that fails
// after N bytes. A drawing file is written whole with support::WriteFileAtomically: a crash or a
// full disk never leaves a truncated drawing under the drawing's name, and the caller learns
// whether the disk was full or the folder could not be written, to tell the user.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "AtomicFile.h"
#include "ByteSink.h"
#include "files/LoadBmpFile.h"

namespace lumora {

// Sizes and codes of the file format.
constexpr std::uint16_t kBmpType = 0x4D42;  // "BM"
constexpr std::uint32_t kBmpFileHeaderSize = 14;
constexpr std::uint32_t kBmpInfoHeaderSize = 40;
constexpr std::uint32_t kBmpCompressionNone = 0;
constexpr std::uint32_t kBmpCompressionBitFields = 3;
// The bits per pixel of the surface that holds a drawing (QImage::Format_RGB32).
constexpr int kDrawingBitsPerPixel = 32;

// Bytes of pixel data: ((bits per pixel x width + 31) / 32) x 4 x height.
std::uint32_t DibImageSize(int bitsPerPixel, int width, int height);

// The device-independent bitmap block of an image: info header, colour table (2^bits entries
// of blue, green, red, 0 for 8 bits per pixel and less; none here) and the pixel rows bottom-up.
// The pixels are the image's as RGB32, the reserved fourth byte 0. Nothing for a null image,
// for compression 3 (bit fields) or any compression but 0, or when memory runs out. The
// palette is accepted for the format's sake; a 32-bit block has no colour table.
std::optional<QByteArray> DibFromBitmap(const QImage& bitmap, std::uint32_t compression,
                                        const BmpPalette* palette = nullptr);

// The 14-byte file header for a block of that length whose colour table has `tableEntries`.
QByteArray BmpFileHeader(std::uint32_t blockLength, std::uint32_t tableEntries);

// Writes the whole file (header and block) of the drawing to the sink; false when the drawing
// gives no block or the sink refused bytes.
bool WriteDrawing(support::ByteSink& sink, const QImage& drawing);

// Writes the drawing to the file at path (relative to the working directory, '/' or '\\'
// separated) atomically. Failed (nothing written) for a drawing that gives no block; otherwise
// what the write reported. Fits CPaintDlg::DrawingWriter.
support::WriteStatus StoreDrawingFile(const QString& path, const QImage& drawing);

// The same, for callers that need only to know whether the file was written.
bool WriteDrawingFile(const QString& path, const QImage& drawing);

}  // namespace lumora
