// LoadBmpFile's decoding beside Qt's own BMP reader on one 1920 x 1080 picture held in memory,
// in the depths Lumora meets: 32 bits (saved drawings), 24 bits, and 8 bits with a colour
// table (pictures). Memory, not disk, so that only the decoding is compared.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QImage>
#include <QPainter>

#include "../tools/artgen/BmpWriter.h"
#include "LoadBmpFile.h"

namespace {

constexpr int WIDTH = 1920;
constexpr int HEIGHT = 1080;

// A drawing-like picture: white with coloured shapes, ten colours in all.
QImage picture() {
    QImage image(WIDTH, HEIGHT, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    const QColor colours[] = {Qt::black, Qt::red,     Qt::green, Qt::blue,   Qt::yellow,
                              Qt::cyan,  Qt::magenta, Qt::gray,  Qt::darkRed};
    for (int i = 0; i < 200; ++i) {
        p.setPen(QPen(colours[i % 9], 5));
        p.setBrush(i % 3 == 0 ? QBrush(colours[(i + 4) % 9]) : QBrush());
        p.drawRect((i * 97) % (WIDTH - 200), (i * 61) % (HEIGHT - 150), 40 + i % 150, 30 + i % 120);
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

const QByteArray& file(int bits) {
    static const QImage source = picture();
    static const QByteArray b32 = encode32(source);
    static const QByteArray b24 = artgen::EncodeBmp(source, 24);
    static const QByteArray b8 = artgen::EncodeBmp(source, 8);
    return bits == 32 ? b32 : bits == 24 ? b24 : b8;
}

void BM_LoadBmpFile(benchmark::State& state) {
    const QByteArray& bytes = file(int(state.range(0)));
    for (auto _ : state) {
        QImage image;
        const bool ok =
            lumora::LoadBmpBytes(reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size(), image);
        if (!ok || image.width() != WIDTH) {
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
        if (!image.loadFromData(bytes, "BMP") || image.width() != WIDTH) {
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
        if (!image.loadFromData(bytes, "BMP") || image.width() != WIDTH) {
            state.SkipWithError("not read");
            break;
        }
        image = std::move(image).convertToFormat(QImage::Format_RGB32);
        benchmark::DoNotOptimize(image.constBits());
    }
}

}  // namespace

BENCHMARK(BM_LoadBmpFile)->Arg(32)->Arg(24)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_QtBmpReader)->Arg(32)->Arg(24)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_QtBmpReaderToRGB32)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
