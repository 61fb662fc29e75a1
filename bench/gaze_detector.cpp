// FeedFixationDetector plus SmoothGazePoint per sample, over a looping stream of fixations,
// small jitter and saccades as a tracker delivers them.
#include <benchmark/benchmark.h>

#include <vector>

#include "FixationDetector.h"
#include "GazeSmoother.h"

namespace {

using namespace lumora;

struct Point {
    float x, y;
};

std::vector<Point> GazeStream() {
    std::vector<Point> s;
    const Point targets[] = {{640, 512}, {100, 900}, {1200, 80}, {300, 300}, {900, 700}, {50, 50}};
    int k = 0;
    for (const Point& t : targets) {
        for (int i = 0; i < 200; ++i, ++k)
            s.push_back(Point{t.x + static_cast<float>(k % 5) - 2, t.y + static_cast<float>(k % 3) - 1});
        for (int i = 0; i < 4; ++i)
            s.push_back(Point{t.x + 150.0f * static_cast<float>(i), t.y - 90.0f * static_cast<float>(i)});
    }
    return s;
}

void BM_DetectorAndSmoother(benchmark::State& state) {
    const int minimumFixSamples = static_cast<int>(state.range(0));
    const float thresholdPx = 38.0f;
    const std::vector<Point> stream = GazeStream();
    FixationDetector detector;
    detector.ResetFixationDetector(minimumFixSamples);
    GazeSmoother smoother;
    std::size_t i = 0;
    for (auto _ : state) {
        const Point& p = stream[i];
        if (++i == stream.size())
            i = 0;
        FixationDetector::Entry delayed;
        const int s = detector.FeedFixationDetector(true, p.x, p.y, thresholdPx, minimumFixSamples, delayed);
        const int window =
            s == FixationDetector::Fixating ? GazeSmoother::kFixatingWindow : GazeSmoother::kMovingWindow;
        GazePoint g = smoother.SmoothGazePoint(1, static_cast<int>(delayed.x), static_cast<int>(delayed.y), window);
        benchmark::DoNotOptimize(g);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_DetectorAndSmoother)->Arg(3)->Arg(31)->Arg(99);

}  // namespace

BENCHMARK_MAIN();
