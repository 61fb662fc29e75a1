#include "files/DrawingFile.h"

#include <QFile>
#include <string>
#include <string_view>
#include <new>

namespace lumora {
namespace {

void Put16(QByteArray& out, std::uint16_t v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

void Put32(QByteArray& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((v >> shift) & 0xFF));
}

constexpr std::uint16_t kPlanes = 1;
constexpr int kMaxTableBits = 8;

}  // namespace

std::uint32_t DibImageSize(int bitsPerPixel, int width, int height) {
    const std::uint64_t row =
        ((static_cast<std::uint64_t>(bitsPerPixel) * static_cast<std::uint64_t>(width) + 31) / 32) * 4;
    return static_cast<std::uint32_t>(row * static_cast<std::uint64_t>(height));
}

std::optional<QByteArray> DibFromBitmap(const QImage& bitmap, std::uint32_t compression, const BmpPalette* palette) {
    (void)palette;  // 32 bits per pixel: the pixels are the colours themselves
    if (bitmap.isNull() || compression != kBmpCompressionNone)
        return std::nullopt;
    const QImage pixels =
        bitmap.format() == QImage::Format_RGB32 ? bitmap : bitmap.convertToFormat(QImage::Format_RGB32);
    const int width = pixels.width();
    const int height = pixels.height();
    const std::uint64_t imageSize = DibImageSize(kDrawingBitsPerPixel, width, height);
    // A block past 4 GiB cannot be described by the header.
    if (static_cast<std::uint64_t>(kDrawingBitsPerPixel / 8) * width * height != imageSize ||
        imageSize > 0xFFFFFFFFull - kBmpInfoHeaderSize - kBmpFileHeaderSize)
        return std::nullopt;
    QByteArray block;
    try {
        block.reserve(static_cast<qsizetype>(kBmpInfoHeaderSize + imageSize));
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    Put32(block, kBmpInfoHeaderSize);
    Put32(block, static_cast<std::uint32_t>(width));
    Put32(block, static_cast<std::uint32_t>(height));  // positive: rows bottom-up
    Put16(block, kPlanes);
    Put16(block, static_cast<std::uint16_t>(kPlanes * kDrawingBitsPerPixel));
    Put32(block, compression);
    Put32(block, static_cast<std::uint32_t>(imageSize));
    for (int i = 0; i < 4; ++i)
        Put32(block, 0);  // resolutions, colours used, important colours
    // Rows bottom-up, each pixel blue, green, red and a zero byte: the RGB32 layout on a
    // little-endian machine with the alpha byte cleared.
    const qsizetype headerEnd = block.size();
    block.resize(headerEnd + static_cast<qsizetype>(imageSize));
    auto* out = reinterpret_cast<std::uint8_t*>(block.data() + headerEnd);
    for (int y = height - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb c = row[x];
            out[0] = static_cast<std::uint8_t>(qBlue(c));
            out[1] = static_cast<std::uint8_t>(qGreen(c));
            out[2] = static_cast<std::uint8_t>(qRed(c));
            out[3] = 0;
            out += 4;
        }
    }
    return block;
}

QByteArray BmpFileHeader(std::uint32_t blockLength, std::uint32_t tableEntries) {
    QByteArray header;
    Put16(header, kBmpType);
    Put32(header, kBmpFileHeaderSize + blockLength);
    Put16(header, 0);
    Put16(header, 0);
    Put32(header, kBmpFileHeaderSize + kBmpInfoHeaderSize + 4 * tableEntries);
    return header;
}

bool WriteDrawing(support::ByteSink& sink, const QImage& drawing) {
    const std::optional<QByteArray> block = DibFromBitmap(drawing, kBmpCompressionNone);
    if (!block)
        return false;
    // Above 8 bits per pixel there is no colour table.
    static_assert(kDrawingBitsPerPixel > kMaxTableBits);
    constexpr std::uint32_t kTableEntries = 0;
    const QByteArray header = BmpFileHeader(static_cast<std::uint32_t>(block->size()), kTableEntries);
    return sink.write(std::string_view(header.constData(), static_cast<std::size_t>(header.size()))) &&
           sink.write(std::string_view(block->constData(), static_cast<std::size_t>(block->size())));
}

support::WriteStatus StoreDrawingFile(const QString& path, const QImage& drawing) {
    support::MemoryByteSink bytes;
    if (!WriteDrawing(bytes, drawing))
        return support::WriteStatus::Failed;
    QString native = path;
    native.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QByteArray name = QFile::encodeName(native);
    return support::WriteFileAtomically(std::string(name.constData(), static_cast<std::size_t>(name.size())),
                                        bytes.bytes());
}

bool WriteDrawingFile(const QString& path, const QImage& drawing) {
    return StoreDrawingFile(path, drawing) == support::WriteStatus::Ok;
}

}  // namespace lumora
