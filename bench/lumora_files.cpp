// Saving a drawing of a 1920 x 1080 screen's canvas and opening it again from the file (each at
// most 20 ms). Our reader beside Qt's is bench_lumora_bmp.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "canvas/CPaintDlg.h"
#include "files/DrawingFile.h"
#include "files/LoadBmpFile.h"

namespace {

const QSize kScreen(1920, 1080);

// A drawing as the canvas would hold it: white with some coloured shapes.
QImage Drawing() {
    const QSize size = lumora::CanvasGeometry::ForScreen(kScreen).client;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    for (int i = 0; i < 40; ++i) {
        p.setPen(QPen(QColor::fromHsv((i * 37) % 360, 200, 200), 5));
        p.drawEllipse(QRect((i * 97) % size.width(), (i * 53) % size.height(), 120, 90));
        p.drawLine(0, i * 20, size.width(), size.height() - i * 20);
    }
    return image;
}

struct Fixture {
    QTemporaryDir dir;
    QImage drawing = Drawing();
    QString path = dir.filePath("Lumora2004-07-12_122530.bmp");
    Fixture() { lumora::WriteDrawingFile(path, drawing); }
};

Fixture& Files() {
    static Fixture f;
    return f;
}

void BM_SaveDrawing(benchmark::State& state) {
    Fixture& f = Files();
    const QString path = f.dir.filePath("saved.bmp");
    for (auto _ : state)
        benchmark::DoNotOptimize(lumora::WriteDrawingFile(path, f.drawing));
    state.SetLabel(QStringLiteral("%1x%2").arg(f.drawing.width()).arg(f.drawing.height()).toStdString());
}
BENCHMARK(BM_SaveDrawing)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenDrawing_LoadBmpFile(benchmark::State& state) {
    Fixture& f = Files();
    for (auto _ : state) {
        QImage image;
        benchmark::DoNotOptimize(lumora::LoadBmpFile(f.path, image));
    }
}
BENCHMARK(BM_OpenDrawing_LoadBmpFile)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // painting text-free pictures needs no more
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
