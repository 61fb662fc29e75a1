// The drawing canvas on a 1920 x 1080 screen, driven as the main window drives it:
// - one WM_GAZE_POINT while a shape is stretched as a rubber band (median at most 0.5 ms),
//   for a short and a long band of each kind;
// - WM_UNDO with 1,000 shapes in the list (at most 16 ms, one frame at 60 Hz).
// Each case reports the median and the 99th percentile of single calls as counters.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QSaveFile>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <vector>

#include "canvas/CPaintDlg.h"
#include "app/SoundPlayer.h"
#include "canvas/StampPictures.h"

namespace {

using Clock = std::chrono::steady_clock;
using lumora::CPaintDlg;

const QSize kScreen(1920, 1080);
constexpr int kUndoShapes = 1000;

// A silent player: the benchmark measures the canvas, not the sound device.
class NoSound : public lumora::SoundPlayer {
public:
    void playAsync(const QString&) override {}
    void playSync(const QString&) override {}
    void stop() override {}
};

struct Stage {
    QWidget main;
    NoSound sound;
    std::unique_ptr<CPaintDlg> canvas;

    Stage() {
        main.setGeometry(QRect(QPoint(0, 0), kScreen));
        canvas = std::make_unique<CPaintDlg>(kScreen, sound, nullptr, &main);
        main.show();
        QCoreApplication::processEvents();
    }
    QPoint origin() const { return canvas->geometry().origin; }
    void send(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
        lumora::LumoraMessageEvent event(msg, wParam, lParam);
        QCoreApplication::sendEvent(canvas.get(), &event);
    }
    void gaze(QPoint canvasPt) { send(lumora::WM_GAZE_POINT, 1, lumora::PointLParam(canvasPt + origin())); }
    void commitAt(QPoint canvasPt) {
        gaze(canvasPt);
        send(lumora::WM_GAZE_DWELL, 1, lumora::PointLParam(canvasPt + origin()));
        send(lumora::WM_GAZE_DWELL, 1, lumora::PointLParam(canvasPt + origin()));
        send(lumora::WM_GAZE_FIXATION_END, 1, 0);
    }
    // Paint requests are coalesced by Qt; let them go now and then as the event loop would.
    void settle() { QCoreApplication::processEvents(); }
};

// This thread's processor time in microseconds: on a shared machine the wall clock also counts
// the time other programs held the processor.
double threadMicros() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

double median(std::vector<double>& v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Median and 99th percentile of the wall times, and the median of the processor times.
void report(benchmark::State& state, std::vector<double>& wallMicros, std::vector<double>& cpuMicros) {
    if (wallMicros.empty()) {
        return;
    }
    state.counters["median_us"] = median(wallMicros);
    state.counters["p99_us"] = wallMicros[std::min(wallMicros.size() - 1, wallMicros.size() * 99 / 100)];
    state.counters["cpu_median_us"] = median(cpuMicros);
}

// Range 0: shape kind (1 line, 2 rectangle, 3 circle); range 1: the band's reach in pixels.
void BM_GazePointWithRubberBand(benchmark::State& state) {
    Stage stage;
    const int kind = static_cast<int>(state.range(0));
    const int reach = static_cast<int>(state.range(1));
    stage.send(lumora::WM_BUTTON_CHOSEN, kind, lumora::kGroupShapeTool);
    const QPoint start(200, 150);
    stage.commitAt(start);
    // The gaze wanders around the band's far corner, as a fixating eye does.
    const QPoint far = start + QPoint(reach, reach * 2 / 3);
    const QPoint jitter[] = {{0, 0}, {3, 1}, {-2, 4}, {1, -3}, {-4, -1}, {2, 2}};
    std::vector<double> micros;
    std::vector<double> cpu;
    std::size_t i = 0;
    for (auto _ : state) {
        const QPoint p = far + jitter[i++ % std::size(jitter)];
        const double c0 = threadMicros();
        const auto t0 = Clock::now();
        stage.gaze(p);
        const auto t1 = Clock::now();
        cpu.push_back(threadMicros() - c0);
        const double seconds = std::chrono::duration<double>(t1 - t0).count();
        state.SetIterationTime(seconds);
        micros.push_back(seconds * 1e6);
        if (i % 64 == 0) {
            stage.settle();
        }
    }
    if (!stage.canvas->shapeInProgress()) {
        state.SkipWithError("no rubber band");
    }
    report(state, micros, cpu);
}
BENCHMARK(BM_GazePointWithRubberBand)
    ->ArgNames({"kind", "reach"})
    ->ArgsProduct({{1, 2, 3}, {150, 500, 1000}})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// A busy drawing: lines, rectangles (some filled), circles and stamps all over the canvas.
void fillDrawing(Stage& stage, int count) {
    const QSize size = stage.canvas->geometry().client;
    std::uint32_t seed = 12345u;
    auto next = [&](int bound) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(bound));
    };
    for (int n = 0; n < count; ++n) {
        const int what = n % 5;
        if (what == 4) {
            stage.send(lumora::WM_BUTTON_CHOSEN, 0, lumora::kGroupStampTool);
            stage.send(lumora::WM_CHANGE_ATTRIBUTE, lumora::StampNumbers()[n % 38], lumora::kGroupStamp);
            stage.commitAt(QPoint(60 + next(size.width() - 120), 60 + next(size.height() - 120)));
            continue;
        }
        constexpr int kKinds[] = {lumora::kShapeLine, lumora::kShapeRectangle, lumora::kShapeCircle, lumora::kShapeLine};
        const int kind = kKinds[what];
        stage.send(lumora::WM_BUTTON_CHOSEN, kind, lumora::kGroupShapeTool);
        // Some rectangles and circles filled; lines never, so no polygon continues.
        const bool fill = kind != lumora::kShapeLine && n % 7 == 0;
        stage.send(lumora::WM_CHANGE_ATTRIBUTE, fill ? 1 : 0, lumora::kGroupFill);
        stage.send(lumora::WM_CHANGE_ATTRIBUTE, lumora::MakeColorRef(next(256), next(256), next(256)),
                   lumora::kGroupColor);
        const QPoint from(20 + next(size.width() - 300), 20 + next(size.height() - 250));
        const QPoint to = from + QPoint(40 + next(250), 40 + next(200));
        stage.commitAt(from);
        stage.gaze(to);
        stage.commitAt(to);
    }
}

void BM_UndoWithThousandShapes(benchmark::State& state) {
    Stage stage;
    fillDrawing(stage, kUndoShapes);
    stage.send(lumora::WM_BUTTON_CHOSEN, lumora::kShapeLine, lumora::kGroupShapeTool);
    stage.send(lumora::WM_CHANGE_ATTRIBUTE, 0, lumora::kGroupFill);
    std::vector<double> micros;
    std::vector<double> cpu;
    for (auto _ : state) {
        // One more line, so that each undo leaves exactly 1,000 shapes to replay.
        stage.commitAt(QPoint(300, 300));
        stage.gaze(QPoint(600, 400));
        stage.commitAt(QPoint(600, 400));
        const double c0 = threadMicros();
        const auto t0 = Clock::now();
        stage.send(lumora::WM_UNDO, 0, 0);
        const auto t1 = Clock::now();
        cpu.push_back(threadMicros() - c0);
        const double seconds = std::chrono::duration<double>(t1 - t0).count();
        state.SetIterationTime(seconds);
        micros.push_back(seconds * 1e6);
        stage.settle();
    }
    state.counters["shapes"] = static_cast<double>(stage.canvas->shapes().size());
    report(state, micros, cpu);
}
BENCHMARK(BM_UndoWithThousandShapes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(60);

}  // namespace

int main(int argc, char** argv) {
    // A 1920 x 1080 offscreen screen, so the window under a gaze point is found as on a real one.
    const QString config = QDir::temp().absoluteFilePath(
        QStringLiteral("lumora-canvas-bench-%1.json").arg(QCoreApplication::applicationPid()));
    {
        QSaveFile file(config);
        if (!file.open(QIODevice::WriteOnly)) {
            return 1;
        }
        file.write(QStringLiteral(R"({"screens":[{"name":"bench","x":0,"y":0,"width":%1,"height":%2}]})")
                       .arg(kScreen.width())
                       .arg(kScreen.height())
                       .toUtf8());
        if (!file.commit()) {
            return 1;
        }
    }
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QFile::remove(config);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
