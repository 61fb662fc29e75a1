// The gaze thread's whole loop body per sample: QvGetData and QvEyeImageDisplay from the tracker
// library with its replay source unpaced (QVTRACK_SPEED=0), the flushed gaze data file line, the
// detector, the smoothing and the posts.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "GazePipeline.h"
#include "GazeThread.h"
#include "qvtrack.h"

namespace {

using namespace lumora;

constexpr int kWidth = 1280;
constexpr int kHeight = 1024;
constexpr int kRecordedSamples = 200000;

class CountingSink : public GazeMessageSink {
public:
    void post(unsigned, std::uintptr_t, std::intptr_t lParam) override {
        ++m_count;
        benchmark::DoNotOptimize(lParam);
    }
    long long count() const { return m_count; }

private:
    long long m_count = 0;
};

std::filesystem::path WriteRecording(const std::filesystem::path& dir) {
    const auto path = dir / "recording.dat";
    std::ofstream out(path);
    out << "Lumora version: 2.7\niScreenWidth:" << kWidth << "\niScreenHeight:" << kHeight
        << "\niSamplePerSec:60\nfMinFixMs:500\nYellow:1\nGazeDev:12.7\n";
    for (int i = 0; i < kRecordedSamples; ++i) {
        const int target = (i / 120) % 7;
        out << '[' << 100 + target * 160 + i % 5 << ',' << 80 + target * 130 + i % 3 << "]\n";
    }
    return path;
}

void BM_GazeLoopBody(benchmark::State& state) {
    const auto dir = std::filesystem::temp_directory_path() / ("gaze_loop_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto recording = WriteRecording(dir);
    setenv("QVTRACK_SOURCE", ("replay:" + recording.string()).c_str(), 1);
    setenv("QVTRACK_SPEED", "0", 1);

    const TrackerApi api = QvTrackerApi();
    TrackerControl control{};
    control.requestedRate = 60;
    control.screenWidth = kWidth;
    control.screenHeight = kHeight;
    control.option24 = 1;
    api.QvInit(&control);
    EyeImageInfo eye{};
    api.QvEyeImageInit(&eye, 4);
    control.started = 1;

    GazeShared shared;
    shared.minimum_fix_samples.store(MinimumFixSamples(control.iSamplePerSec, 500.0f));
    shared.dataFile.openPath((dir / "out.dat").string());
    CountingSink sink;
    GazePipeline pipeline(sink, shared, 12.7f * kWidth * 0.00295858f);
    pipeline.reset();

    long long restarts = 0;
    for (auto _ : state) {
        api.QvGetData(&control);
        api.QvEyeImageDisplay(0, kWidth - eye.width, 0, eye.width, eye.height, nullptr);
        const GazeSample& s = *control.sample;
        if (s.found != 1) {
            // The recording has ended: start it again outside the measurement.
            state.PauseTiming();
            api.QvExit(&control);
            api.QvInit(&control);
            ++restarts;
            state.ResumeTiming();
            continue;
        }
        pipeline.onSample(s.found, s.x, s.y);
    }
    api.QvExit(&control);
    shared.dataFile.close();
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
    state.counters["posts"] = static_cast<double>(sink.count());
    state.counters["restarts"] = static_cast<double>(restarts);
    unsetenv("QVTRACK_SOURCE");
    unsetenv("QVTRACK_SPEED");
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_GazeLoopBody)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
