#include "BmpWriter.h"

#include <QtEndian>
#include <map>
#include <vector>

namespace artgen {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kPixelsPerMetre = 2835;  // 72 dots per inch
constexpr int kMaxIndexedBits = 8;

void put16(QByteArray& out, int v) {
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}
void put32(QByteArray& out, quint32 v) {
    for (int i = 0; i < 4; ++i) {
        out.append(char((v >> (8 * i)) & 0xFF));
    }
}

std::vector<QRgb> coloursOf(const QImage& image, std::size_t limit) {
    std::map<QRgb, bool> seen;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            seen[line[x] | 0xFF000000u] = true;
            if (seen.size() > limit) {
                return {};
            }
        }
    }
    std::vector<QRgb> colours;
    for (const auto& [c, unused] : seen) {
        colours.push_back(c);
    }
    return colours;
}

}  // namespace

int IndexedDepthFor(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    for (int bits : {4, 8}) {
        if (!coloursOf(image, std::size_t{1} << bits).empty()) {
            return bits;
        }
    }
    return 0;
}

QByteArray EncodeBmp(const QImage& picture, int bitsPerPixel) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const bool indexed = bitsPerPixel <= kMaxIndexedBits;
    if (!(bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 24) || image.isNull()) {
        return {};
    }
    std::vector<QRgb> table;
    std::map<QRgb, int> index;
    if (indexed) {
        table = coloursOf(image, std::size_t{1} << bitsPerPixel);
        if (table.empty()) {
            return {};
        }
        for (std::size_t i = 0; i < table.size(); ++i) {
            index[table[i]] = int(i);
        }
        table.resize(std::size_t{1} << bitsPerPixel, 0xFF000000u);
    }
    const int width = image.width();
    const int height = image.height();
    const int stride = (bitsPerPixel * width + 31) / 32 * 4;
    const int tableBytes = int(table.size()) * 4;
    const int offset = kFileHeaderSize + kInfoHeaderSize + tableBytes;
    const int imageBytes = stride * height;

    QByteArray out;
    out.reserve(offset + imageBytes);
    out.append("BM", 2);
    put32(out, quint32(offset + imageBytes));
    put32(out, 0);  // two reserved words
    put32(out, quint32(offset));
    put32(out, kInfoHeaderSize);
    put32(out, quint32(width));
    put32(out, quint32(height));  // positive: bottom-up rows
    put16(out, 1);                // planes
    put16(out, bitsPerPixel);
    put32(out, 0);  // no compression
    put32(out, quint32(imageBytes));
    put32(out, kPixelsPerMetre);
    put32(out, kPixelsPerMetre);
    put32(out, 0);  // colours used: the whole table
    put32(out, 0);  // colours important: all
    for (QRgb c : table) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (indexed) {
                const int i = index[line[x] | 0xFF000000u];
                const int perByte = 8 / bitsPerPixel;
                const int shift = 8 - bitsPerPixel * (x % perByte + 1);
                row[x / perByte] = char(uchar(row[x / perByte]) | (i << shift));
            } else {
                row[3 * x] = char(qBlue(line[x]));
                row[3 * x + 1] = char(qGreen(line[x]));
                row[3 * x + 2] = char(qRed(line[x]));
            }
        }
        out.append(row);
    }
    return out;
}

}  // namespace artgen
