// LoadBmpFile's decoding beside Qt's own BMP reader on one 1920 x 1080 picture held in memory,
// in the depths Lumora meets: 32 bits (saved drawings), 24 bits, 8 bits with a colour table
// (pictures), and 8 bits run-length encoded (pictures from other programs; Qt's reader is
// given the same). Memory, not disk, so that only the decoding is compared.
//
// Then what the book does with the largest pictures, from files in the working folder: a
// page's region of an 8192 x 8192 1-bit picture (the largest taken), the whole of it (what
// the canvas does on Open), and a 16384 x 16384 one, refused.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <map>

#include "../tools/artgen/BmpWriter.h"
#include "files/LoadBmpFile.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// A drawing-like picture: white with coloured shapes, ten colours in all.
QImage picture() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    const QColor colours[] = {Qt::black, Qt::red,     Qt::green, Qt::blue,   Qt::yellow,
                              Qt::cyan,  Qt::magenta, Qt::gray,  Qt::darkRed};
    for (int i = 0; i < 200; ++i) {
        p.setPen(QPen(colours[i % 9], 5));
        p.setBrush(i % 3 == 0 ? QBrush(colours[(i + 4) % 9]) : QBrush());
        p.drawRect((i * 97) % (kWidth - 200), (i * 61) % (kHeight - 150), 40 + i % 150, 30 + i % 120);
    }
    return image;
}

// 32 bits per pixel, no compression, bottom-up: what the canvas saves.
QByteArray encode32(const QImage& image) {
    QByteArray out;
    const int imageBytes = image.width() * image.height() * 4;
    auto put16 = [&](int v) { out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    auto put32 = [&](quint32 v) {
        for (int i = 0; i < 4; ++i) {
            out.append(char((v >> (8 * i)) & 0xFF));
        }
    };
    out.append("BM", 2);
    put32(54 + imageBytes);
    put32(0);
    put32(54);
    put32(40);
    put32(image.width());
    put32(image.height());
    put16(1);
    put16(32);
    put32(0);
    put32(imageBytes);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    for (int y = image.height() - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
    }
    return out;
}

void put16(QByteArray& out, int v) {
    out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}
void put32(QByteArray& out, quint32 v) {
    for (int i = 0; i < 4; ++i) {
        out.append(char((v >> (8 * i)) & 0xFF));
    }
}

// 8 bits run-length encoded: runs of one colour, at most 255 long, a line end after every row.
QByteArray encodeRle8(const QImage& image) {
    std::map<QRgb, int> index;
    QByteArray codes;
    for (int y = image.height() - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width();) {
            const QRgb c = line[x];
            int n = 1;
            while (x + n < image.width() && n < 255 && line[x + n] == c) {
                ++n;
            }
            const int i = index.emplace(c, int(index.size())).first->second;
            codes.append(char(n)).append(char(i));
            x += n;
        }
        codes.append('\0').append('\0');
    }
    codes.append('\0').append('\1');
    QByteArray table(256 * 4, '\0');
    for (const auto& [colour, i] : index) {
        table[4 * i] = char(qBlue(colour));
        table[4 * i + 1] = char(qGreen(colour));
        table[4 * i + 2] = char(qRed(colour));
    }
    QByteArray out("BM", 2);
    put32(out, quint32(14 + 40 + table.size() + codes.size()));
    put32(out, 0);
    put32(out, quint32(14 + 40 + table.size()));
    put32(out, 40);
    put32(out, quint32(image.width()));
    put32(out, quint32(image.height()));
    put16(out, 1);
    put16(out, 8);
    put32(out, 1);
    put32(out, quint32(codes.size()));
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    return out + table + codes;
}

// Rle stands for 8 bits run-length encoded.
constexpr int kRle = 1;

const QByteArray& file(int bits) {
    static const QImage source = picture();
    static const QByteArray b32 = encode32(source);
    static const QByteArray b24 = artgen::EncodeBmp(source, 24);
    static const QByteArray b8 = artgen::EncodeBmp(source, 8);
    static const QByteArray rle = encodeRle8(source);
    return bits == 32 ? b32 : bits == 24 ? b24 : bits == 8 ? b8 : rle;
}

void BM_LoadBmpFile(benchmark::State& state) {
    const QByteArray& bytes = file(int(state.range(0)));
    for (auto _ : state) {
        QImage image;
        const bool ok =
            lumora::LoadBmpBytes(reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size(), image);
        if (!ok || image.width() != kWidth) {
            state.SkipWithError("not read");
            break;
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_QtBmpReader(benchmark::State& state) {
    const QByteArray& bytes = file(int(state.range(0)));
    for (auto _ : state) {
        QImage image;
        if (!image.loadFromData(bytes, "BMP") || image.width() != kWidth) {
            state.SkipWithError("not read");
            break;
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}

// What Lumora needs in the end: an RGB32 image (Qt keeps 8-bit files indexed).
void BM_QtBmpReaderToRGB32(benchmark::State& state) {
    const QByteArray& bytes = file(int(state.range(0)));
    for (auto _ : state) {
        QImage image;
        if (!image.loadFromData(bytes, "BMP") || image.width() != kWidth) {
            state.SkipWithError("not read");
            break;
        }
        image = std::move(image).convertToFormat(QImage::Format_RGB32);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// A sparse 1-bit file of width x height in the working folder: header and table written, the
// rows left as holes that read as zeros.
QString largeMono(int side) {
    const QString path = QStringLiteral("bench-bmp-%1.bmp").arg(side);
    const quint32 stride = (quint32(side) + 31) / 32 * 4;
    const quint32 offset = 14 + 40 + 8;
    QByteArray header("BM", 2);
    put32(header, offset + stride * quint32(side));
    put32(header, 0);
    put32(header, offset);
    put32(header, 40);
    put32(header, quint32(side));
    put32(header, quint32(side));
    put16(header, 1);
    put16(header, 1);
    put32(header, 0);
    put32(header, stride * quint32(side));
    for (int i = 0; i < 4; ++i) {
        put32(header, 0);
    }
    put32(header, 0x000000);
    put32(header, 0xFFFFFF);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(header) != header.size() ||
        !f.resize(qint64(offset) + qint64(stride) * side)) {
        return {};
    }
    return path;
}

// What a book page decodes: the region shown on a 1920 x 1080 screen.
void BM_BookPageOfLargestPicture(benchmark::State& state) {
    const QString path = largeMono(8192);
    for (auto _ : state) {
        QImage page;
        if (!lumora::LoadBmpFileTopLeft(path, QSize(1538, 1004), page)) {
            state.SkipWithError("not read");
            break;
        }
        benchmark::DoNotOptimize(page.constBits());
    }
    QFile::remove(path);
}

void BM_WholeLargestPicture(benchmark::State& state) {
    const QString path = largeMono(8192);
    for (auto _ : state) {
        QImage whole;
        if (!lumora::LoadBmpFile(path, whole)) {
            state.SkipWithError("not read");
            break;
        }
        benchmark::DoNotOptimize(whole.constBits());
    }
    QFile::remove(path);
}

void BM_PictureTooLargeRefused(benchmark::State& state) {
    const QString path = largeMono(16384);
    for (auto _ : state) {
        QImage page;
        if (lumora::LoadBmpFileTopLeft(path, QSize(1538, 1004), page)) {
            state.SkipWithError("read");
            break;
        }
    }
    QFile::remove(path);
}

}  // namespace

BENCHMARK(BM_LoadBmpFile)->Arg(32)->Arg(24)->Arg(8)->Arg(kRle)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_QtBmpReader)->Arg(32)->Arg(24)->Arg(8)->Arg(kRle)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BookPageOfLargestPicture)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WholeLargestPicture)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PictureTooLargeRefused)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_QtBmpReaderToRGB32)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
