#include "files/LoadBmpFile.h"

#include <unistd.h>

#include <QFile>
#include <QIODevice>
#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cstring>
#include <limits>
#include <new>

#include "files/FileNames.h"
#include "RegularFile.h"

namespace lumora {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kMinInfoHeaderSize = 40;
// Headers from 52 bytes on hold the bit-field masks themselves; a 40-byte header is followed
// by them.
constexpr std::uint32_t kInfoHeaderWithMasksSize = 52;
constexpr std::size_t kMasksSize = 12;
constexpr std::uint32_t kCompressionNone = 0;
constexpr std::uint32_t kCompressionRlE8 = 1;
constexpr std::uint32_t kCompressionRlE4 = 2;
constexpr std::uint32_t kCompressionBitfields = 3;
constexpr std::uint32_t kMaxTableColours = 256;
constexpr std::size_t kTableEntrySize = 4;
constexpr QRgb kBlack = 0xFF000000u;

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
    bool runLength = false;  // RLE8 or RLE4
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
    if (size < kMinInfoHeaderSize) {
        return false;
    }
    h.infoSize = le32(block);
    if (h.infoSize < kMinInfoHeaderSize || h.infoSize > size) {
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
    const bool bitfields = h.compression == kCompressionBitfields;
    h.runLength = (h.compression == kCompressionRlE8 && h.bitsPerPixel == 8) ||
                  (h.compression == kCompressionRlE4 && h.bitsPerPixel == 4);
    if (h.compression != kCompressionNone && !h.runLength &&
        !(bitfields && (h.bitsPerPixel == 16 || h.bitsPerPixel == 32))) {
        return false;
    }
    // The format has run-length pictures bottom-up only; a top-down one is malformed.
    if (h.runLength && h.topDown) {
        return false;
    }
    if (std::uint64_t(h.width) * std::uint64_t(h.rows) > kMaxBmpPixels) {
        return false;
    }
    if (coloursUsed > kMaxTableColours ||
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
        const std::size_t maskAt = kMinInfoHeaderSize;
        if (h.infoSize < kInfoHeaderWithMasksSize) {
            if (size - offset < kMasksSize) {
                return false;
            }
            offset += kMasksSize;
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
    const std::size_t tableBytes = std::size_t{h.colourCount} * kTableEntrySize;
    if (size - offset < tableBytes) {
        return false;
    }
    h.pixelOffset = offset + tableBytes;

    if (h.runLength) {
        // Codes run to the end of the file; how far they reach is found while decoding.
        return true;
    }
    // Rows are padded to 4 bytes. width < 2^31 and bpp <= 32 keep this within 64 bits.
    const std::uint64_t stride = (std::uint64_t(h.bitsPerPixel) * std::uint64_t(h.width) + 31) / 32 * 4;
    const std::uint64_t available = size - h.pixelOffset;
    if (stride > available || std::uint64_t(h.rows) > available / stride) {
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

// Decodes the first `width` pixels of one stored row.
void decodeRow(const Header& h, const std::uint8_t* src, QRgb* dst, int width, const std::array<QRgb, 256>& lut,
               const std::array<Channel, 3>& channels) {
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
            if (h.compression == kCompressionNone) {
                // Blue, green, red, unused: the byte order of QRgb, less the alpha.
                for (int x = 0; x < width; ++x) {
                    dst[x] = le32(src + 4 * x) | kBlack;
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


// Decodes a run-length picture (RLE8 or RLE4) into image, which holds the top-left part of it.
// The codes come in byte pairs: a count with a colour index (RLE4: two indices taken in turn),
// or 0 with an escape: 0 ends the line, 1 ends the picture, 2 jumps right and up by the next
// two bytes, 3 and more start that many literal indices, padded to a 16-bit boundary. Runs
// and jumps that reach past the picture's edge are cut there: nothing is written outside it.
// Codes cut short by the end of the file make it malformed; codes that simply stop mark the end
// of the picture, as common readers take them.
bool decodeRunLength(const Header& h, const std::uint8_t* data, std::size_t size, QImage& image,
                     const std::array<QRgb, 256>& lut) {
    const bool rle8 = h.compression == kCompressionRlE8;
    const std::int64_t width = h.width;
    const std::int64_t rows = h.rows;
    const std::int64_t partWidth = image.width();
    const std::int64_t partRows = image.height();
    image.fill(lut[0]);
    std::int64_t x = 0;
    std::int64_t r = 0;  // stored row: 0 is the bottom one
    // Sets pixels x .. x + count - 1 of the current row from index(k), within the part shown.
    const auto put = [&](std::int64_t count, auto index) {
        const std::int64_t y = rows - 1 - r;
        if (y < 0 || y >= partRows || x >= partWidth) {
            return;
        }
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        const std::int64_t end = std::min(x + count, partWidth);
        for (std::int64_t k = 0; x + k < end; ++k) {
            line[x + k] = lut[index(k)];
        }
    };
    std::size_t i = 0;
    while (i < size && r < rows) {
        if (size - i < 2) {
            return false;
        }
        const unsigned count = data[i];
        const unsigned value = data[i + 1];
        i += 2;
        if (count > 0) {
            if (rle8) {
                put(count, [value](std::int64_t) { return value; });
            } else {
                put(count, [value](std::int64_t k) { return (k & 1) ? (value & 0x0F) : (value >> 4); });
            }
            x += count;
            continue;
        }
        switch (value) {
            case 0:
                x = 0;
                ++r;
                break;
            case 1:
                return true;
            case 2:
                if (size - i < 2) {
                    return false;
                }
                x += data[i];
                r += data[i + 1];
                i += 2;
                break;
            default: {
                const std::size_t bytes = rle8 ? value : (value + 1) / 2;
                if (size - i < bytes) {
                    return false;
                }
                const std::uint8_t* literal = data + i;
                if (rle8) {
                    put(value, [literal](std::int64_t k) { return literal[k]; });
                } else {
                    put(value, [literal](std::int64_t k) {
                        const unsigned byte = literal[k / 2];
                        return (k & 1) ? (byte & 0x0F) : (byte >> 4);
                    });
                }
                x += value;
                // The padding byte may be missing at the very end of the file.
                i += std::min(bytes + (bytes & 1), size - i);
                break;
            }
        }
        // Past the right edge nothing more of this row can be set; keep x bounded all the same.
        x = std::min<std::int64_t>(x, width);
    }
    return true;
}

bool load(const std::uint8_t* data, std::size_t size, const QSize& part, QImage& target, BmpPalette* palette) {
    if (data == nullptr || size < kFileHeaderSize || data[0] != 'B' || data[1] != 'M') {
        return false;
    }
    const std::uint8_t* block = data + kFileHeaderSize;
    const std::size_t blockSize = size - kFileHeaderSize;
    Header h;
    if (!parseHeader(block, blockSize, h)) {
        return false;
    }

    // Indices past the colour table read as black.
    std::array<QRgb, 256> lut;
    lut.fill(kBlack);
    BmpPalette table;
    for (std::uint32_t i = 0; i < h.colourCount; ++i) {
        const std::uint8_t* entry = block + h.tableOffset + i * kTableEntrySize;
        const QRgb colour = qRgb(entry[2], entry[1], entry[0]);
        if (palette != nullptr) {
            table.append(colour);
        }
        if (i < lut.size()) {
            lut[i] = colour;
        }
    }
    const std::array<Channel, 3> channels{Channel(h.masks[0]), Channel(h.masks[1]), Channel(h.masks[2])};

    const int width = static_cast<int>(std::min<std::int64_t>(h.width, part.width()));
    const int rows = static_cast<int>(std::min<std::int64_t>(h.rows, part.height()));
    if (width <= 0 || rows <= 0) {
        return false;
    }
    QImage image(width, rows, QImage::Format_RGB32);
    if (image.isNull()) {
        return false;  // no memory for it
    }
    const std::uint8_t* pixels = block + h.pixelOffset;
    if (h.runLength) {
        if (!decodeRunLength(h, pixels, blockSize - h.pixelOffset, image, lut)) {
            return false;
        }
    } else {
        for (std::int64_t r = 0; r < h.rows; ++r) {
            const std::int64_t y = h.topDown ? r : h.rows - 1 - r;
            if (y >= rows) {
                continue;
            }
            decodeRow(h, pixels + std::size_t(r) * h.stride, reinterpret_cast<QRgb*>(image.scanLine(int(y))), width,
                      lut, channels);
        }
    }

    target = std::move(image);
    if (palette != nullptr) {
        *palette = std::move(table);
    }
    return true;
}

bool loadCaught(const std::uint8_t* data, std::size_t size, const QSize& part, QImage& target,
                BmpPalette* palette) {
    try {
        return load(data, size, part, target, palette);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

const QSize kWhole(INT_MAX, INT_MAX);

// Whether the picture's header leaves it within the pixels taken (or is no header at all, which
// the full read refuses with its reason). Asked before the file is read, so that a picture too
// large, which may still be a file of many megabytes, is refused without reading it.
bool sizeFits(const std::string& path) {
    const support::OpenedFile opened = support::OpenRegularFile(path, kMaxBmpFileBytes);
    if (opened.status != support::ReadStatus::Ok) {
        return false;
    }
    std::array<std::uint8_t, kFileHeaderSize + 12> head{};
    const ssize_t got = ::pread(opened.fd.get(), head.data(), head.size(), 0);
    if (got != ssize_t(head.size())) {
        return true;
    }
    const std::int64_t width = static_cast<std::int32_t>(le32(head.data() + kFileHeaderSize + 4));
    const std::int64_t height = static_cast<std::int32_t>(le32(head.data() + kFileHeaderSize + 8));
    return std::uint64_t(width < 0 ? -width : width) * std::uint64_t(height < 0 ? -height : height) <= kMaxBmpPixels;
}

// The file's bytes, or nothing. Files of the program's own resources are in memory already;
// every other file is opened without blocking, refused unless regular and within the bound.
bool readFile(const QString& path, std::vector<std::uint8_t>& bytes) {
    if (path.startsWith(QLatin1Char(':'))) {
        QFile resource(path);
        if (!resource.open(QIODevice::ReadOnly) || std::uint64_t(resource.size()) > kMaxBmpFileBytes) {
            return false;
        }
        const QByteArray all = resource.readAll();
        bytes.assign(all.constBegin(), all.constEnd());
        return true;
    }
    const std::string native = NativePath(path);
    if (!sizeFits(native)) {
        return false;
    }
    support::FileBytes file = support::ReadRegularFile(native, kMaxBmpFileBytes);
    if (file.status != support::ReadStatus::Ok) {
        return false;
    }
    bytes = std::move(file.bytes);
    return true;
}

bool loadFile(const QString& path, const QSize& part, QImage& target, BmpPalette* palette) {
    try {
        std::vector<std::uint8_t> bytes;
        if (!readFile(path, bytes)) {
            return false;
        }
        return load(bytes.data(), bytes.size(), part, target, palette);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

}  // namespace

bool LoadBmpBytes(const std::uint8_t* data, std::size_t size, QImage& target, BmpPalette* palette) {
    return loadCaught(data, size, kWhole, target, palette);
}

bool LoadBmpBytesTopLeft(const std::uint8_t* data, std::size_t size, const QSize& part, QImage& target) {
    return loadCaught(data, size, part, target, nullptr);
}

bool LoadBmp(QIODevice& in, QImage& target, BmpPalette* palette) {
    try {
        // In pieces, so that a device holding more than any picture can is refused one piece
        // past the bound rather than read whole.
        constexpr qint64 kPiece = 1 << 16;
        QByteArray bytes;
        while (!in.atEnd()) {
            const QByteArray more = in.read(kPiece);
            if (more.isEmpty()) {
                break;
            }
            bytes += more;
            if (std::uint64_t(bytes.size()) > kMaxBmpFileBytes) {
                return false;
            }
        }
        return load(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()), kWhole,
                    target, palette);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool LoadBmpFile(const QString& path, QImage& target, BmpPalette* palette) {
    return loadFile(path, kWhole, target, palette);
}

bool LoadBmpFileTopLeft(const QString& path, const QSize& part, QImage& target) {
    return loadFile(path, part, target, nullptr);
}

}  // namespace lumora
