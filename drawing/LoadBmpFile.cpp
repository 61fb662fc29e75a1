#include "LoadBmpFile.h"

#include <QFile>
#include <QIODevice>
#include <array>
#include <bit>
#include <cstring>
#include <limits>

namespace lumora {

namespace {

constexpr std::size_t FILE_HEADER_SIZE = 14;
constexpr std::uint32_t MIN_INFO_HEADER_SIZE = 40;
// Headers from 52 bytes on hold the bit-field masks themselves; a 40-byte header is followed
// by them.
constexpr std::uint32_t INFO_HEADER_WITH_MASKS_SIZE = 52;
constexpr std::size_t MASKS_SIZE = 12;
constexpr std::uint32_t COMPRESSION_NONE = 0;
constexpr std::uint32_t COMPRESSION_BITFIELDS = 3;
constexpr std::uint32_t MAX_TABLE_COLOURS = 256;
constexpr std::size_t TABLE_ENTRY_SIZE = 4;
// Far beyond any screen, and keeps a hostile header from asking for gigabytes.
constexpr std::uint64_t MAX_PIXELS = std::uint64_t{1} << 28;
constexpr QRgb BLACK = 0xFF000000u;

std::uint16_t le16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
std::uint32_t le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// One colour channel of a 16- or 32-bit pixel, scaled to 8 bits.
class Channel {
public:
    explicit Channel(std::uint32_t mask)
        : m_mask(mask), m_shift(mask ? std::countr_zero(mask) : 0), m_max(mask ? mask >> m_shift : 0) {}
    int operator()(std::uint32_t pixel) const {
        if (m_max == 0) {
            return 0;
        }
        const std::uint64_t v = (pixel & m_mask) >> m_shift;
        return m_max == 0xFF ? static_cast<int>(v) : static_cast<int>((v * 255 + m_max / 2) / m_max);
    }

private:
    std::uint32_t m_mask;
    int m_shift;
    std::uint32_t m_max;
};

struct Header {
    std::uint32_t infoSize = 0;
    std::int64_t width = 0;
    std::int64_t rows = 0;
    bool topDown = false;
    unsigned bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t colourCount = 0;  // entries in the colour table
    std::array<std::uint32_t, 3> masks{};
    std::size_t tableOffset = 0;  // within the block after the file header
    std::size_t pixelOffset = 0;
    std::size_t stride = 0;
};

bool validDepth(unsigned bpp) {
    return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
}

// Reads and checks the info header of the block that follows the file header. Every field
// that decides how much is read is checked against the bytes present.
bool parseHeader(const std::uint8_t* block, std::size_t size, Header& h) {
    if (size < MIN_INFO_HEADER_SIZE) {
        return false;
    }
    h.infoSize = le32(block);
    if (h.infoSize < MIN_INFO_HEADER_SIZE || h.infoSize > size) {
        return false;
    }
    const auto width = static_cast<std::int32_t>(le32(block + 4));
    const auto height = static_cast<std::int32_t>(le32(block + 8));
    h.bitsPerPixel = le16(block + 14);
    h.compression = le32(block + 16);
    const std::uint32_t coloursUsed = le32(block + 32);
    if (width <= 0 || height == 0 || height == std::numeric_limits<std::int32_t>::min()) {
        return false;
    }
    h.width = width;
    h.topDown = height < 0;
    h.rows = h.topDown ? -static_cast<std::int64_t>(height) : height;
    if (!validDepth(h.bitsPerPixel)) {
        return false;
    }
    const bool bitfields = h.compression == COMPRESSION_BITFIELDS;
    if (h.compression != COMPRESSION_NONE && !(bitfields && (h.bitsPerPixel == 16 || h.bitsPerPixel == 32))) {
        return false;
    }
    if (coloursUsed > MAX_TABLE_COLOURS ||
        (h.bitsPerPixel <= 8 && coloursUsed > (std::uint32_t{1} << h.bitsPerPixel))) {
        return false;
    }
    if (h.bitsPerPixel <= 8) {
        h.colourCount = coloursUsed != 0 ? coloursUsed : (std::uint32_t{1} << h.bitsPerPixel);
    } else {
        h.colourCount = coloursUsed;
    }

    std::size_t offset = h.infoSize;
    if (bitfields) {
        const std::size_t maskAt = MIN_INFO_HEADER_SIZE;
        if (h.infoSize < INFO_HEADER_WITH_MASKS_SIZE) {
            if (size - offset < MASKS_SIZE) {
                return false;
            }
            offset += MASKS_SIZE;
        }
        for (std::size_t i = 0; i < h.masks.size(); ++i) {
            h.masks[i] = le32(block + maskAt + 4 * i);
        }
    } else if (h.bitsPerPixel == 16) {
        h.masks = {0x7C00u, 0x03E0u, 0x001Fu};
    } else if (h.bitsPerPixel == 32) {
        h.masks = {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
    }
    h.tableOffset = offset;
    const std::size_t tableBytes = std::size_t{h.colourCount} * TABLE_ENTRY_SIZE;
    if (size - offset < tableBytes) {
        return false;
    }
    h.pixelOffset = offset + tableBytes;

    // Rows are padded to 4 bytes. width < 2^31 and bpp <= 32 keep this within 64 bits.
    const std::uint64_t stride = (std::uint64_t(h.bitsPerPixel) * std::uint64_t(h.width) + 31) / 32 * 4;
    const std::uint64_t available = size - h.pixelOffset;
    if (stride > available || std::uint64_t(h.rows) > available / stride) {
        return false;
    }
    if (std::uint64_t(h.width) * std::uint64_t(h.rows) > MAX_PIXELS) {
        return false;
    }
    h.stride = static_cast<std::size_t>(stride);
    return true;
}

void decodeIndexedRow(const std::uint8_t* src, QRgb* dst, int width, unsigned bpp, const std::array<QRgb, 256>& lut) {
    const unsigned perByte = 8 / bpp;
    const unsigned mask = (1u << bpp) - 1;
    for (int x = 0; x < width; ++x) {
        const unsigned byte = src[x / perByte];
        const unsigned shift = 8 - bpp * (x % perByte + 1);
        dst[x] = lut[(byte >> shift) & mask];
    }
}

void decodeRow(const Header& h, const std::uint8_t* src, QRgb* dst, const std::array<QRgb, 256>& lut,
               const std::array<Channel, 3>& channels) {
    const int width = static_cast<int>(h.width);
    switch (h.bitsPerPixel) {
        case 1:
        case 4:
        case 8:
            if (h.bitsPerPixel == 8) {
                for (int x = 0; x < width; ++x) {
                    dst[x] = lut[src[x]];
                }
            } else {
                decodeIndexedRow(src, dst, width, h.bitsPerPixel, lut);
            }
            break;
        case 16:
            for (int x = 0; x < width; ++x) {
                const std::uint32_t px = le16(src + 2 * x);
                dst[x] = qRgb(channels[0](px), channels[1](px), channels[2](px));
            }
            break;
        case 24:
            for (int x = 0; x < width; ++x, src += 3) {
                dst[x] = qRgb(src[2], src[1], src[0]);
            }
            break;
        case 32:
            if (h.compression == COMPRESSION_NONE) {
                // Blue, green, red, unused: the byte order of QRgb, less the alpha.
                for (int x = 0; x < width; ++x) {
                    dst[x] = le32(src + 4 * x) | BLACK;
                }
            } else {
                for (int x = 0; x < width; ++x) {
                    const std::uint32_t px = le32(src + 4 * x);
                    dst[x] = qRgb(channels[0](px), channels[1](px), channels[2](px));
                }
            }
            break;
        default:
            break;
    }
}

}  // namespace

bool LoadBmpBytes(const std::uint8_t* data, std::size_t size, QImage& target, BmpPalette* palette) {
    if (data == nullptr || size < FILE_HEADER_SIZE || data[0] != 'B' || data[1] != 'M') {
        return false;
    }
    const std::uint8_t* block = data + FILE_HEADER_SIZE;
    const std::size_t blockSize = size - FILE_HEADER_SIZE;
    Header h;
    if (!parseHeader(block, blockSize, h)) {
        return false;
    }

    // Indices past the colour table read as black.
    std::array<QRgb, 256> lut;
    lut.fill(BLACK);
    BmpPalette table;
    for (std::uint32_t i = 0; i < h.colourCount; ++i) {
        const std::uint8_t* entry = block + h.tableOffset + i * TABLE_ENTRY_SIZE;
        const QRgb colour = qRgb(entry[2], entry[1], entry[0]);
        table.append(colour);
        if (i < lut.size()) {
            lut[i] = colour;
        }
    }
    const std::array<Channel, 3> channels{Channel(h.masks[0]), Channel(h.masks[1]), Channel(h.masks[2])};

    QImage image(static_cast<int>(h.width), static_cast<int>(h.rows), QImage::Format_RGB32);
    if (image.isNull()) {
        return false;
    }
    const std::uint8_t* pixels = block + h.pixelOffset;
    for (std::int64_t r = 0; r < h.rows; ++r) {
        const int y = static_cast<int>(h.topDown ? r : h.rows - 1 - r);
        decodeRow(h, pixels + std::size_t(r) * h.stride, reinterpret_cast<QRgb*>(image.scanLine(y)), lut, channels);
    }

    target = std::move(image);
    if (palette != nullptr) {
        *palette = std::move(table);
    }
    return true;
}

bool LoadBmp(QIODevice& in, QImage& target, BmpPalette* palette) {
    const QByteArray bytes = in.readAll();
    return LoadBmpBytes(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()), target,
                        palette);
}

bool LoadBmpFile(const QString& path, QImage& target, BmpPalette* palette) {
    QString name = path;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const qint64 expected = file.size();
    const QByteArray bytes = file.readAll();
    // A file that shrinks or fails while being read is not taken half-read.
    if (bytes.size() != expected) {
        return false;
    }
    return LoadBmpBytes(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()), target,
                        palette);
}

}  // namespace lumora
