// The camera source's work per frame at 640 x 480, on a test video of a head (the astronaut
// portrait moved over a room, with camera noise) decoded into memory beforehand, so the figures
// are the source's own: what a camera's frame costs once it has arrived.
//
// Tracking: every frame of 20 s of a head turning and holding, through the face tracker and the
// pointer (map and smoothing), one frame per iteration; the per-frame times' median, 99th
// percentile and largest are reported as counters in milliseconds, wall clock and the thread's
// processor time (the machine may be shared: processor time is the steadier figure).
// Search: a search of the whole frame for the face, the work of a frame while the face is lost.
// Check: the check near a followed face that runs every tenth frame.
//
// The video is made in the working folder when missing (camera-bench-*.avi).
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <opencv2/imgproc.hpp>
#include <vector>

#include "CaptureFeed.h"
#include "FaceTracker.h"
#include "HeadPointer.h"
#include "HeadScripts.h"
#include "HeadVideo.h"

namespace {

using namespace qvtrack;
using namespace qvtrack::headvideo;

constexpr double kRate = 30;

double ThreadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The head turning to places all over the screen and holding at each, 20 s at 30 frames a second.
const std::vector<cv::Mat>& Frames() {
    static const std::vector<cv::Mat> frames = [] {
        std::vector<cv::Mat> all;
        std::string error;
        auto maker = HeadVideo::Load(PortraitPath(), CascadePath(), error);
        if (!maker) {
            return all;
        }
        Script script;
        Hold(script, FaceFor(0.5, 0.5), 30);
        AddVisits(script, VisitPlaces(25, 5), 8, 16);
        const std::string path = maker->make(std::filesystem::current_path().string(), "camera-bench", script, kRate);
        SteadyClock clock;
        CaptureFeed feed(CaptureFeed::Kind::Video, path, 0, 0, clock);
        cv::Mat frame;
        double seconds = 0;
        if (feed.open(error)) {
            while (feed.read(frame, seconds) == FrameFeed::Read::Frame) {
                all.push_back(frame.clone());
            }
        }
        return all;
    }();
    return frames;
}

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(share * values.size()))];
}

void BM_TrackingPerFrame(benchmark::State& state) {
    const auto& frames = Frames();
    if (frames.empty()) {
        state.SkipWithError("no test video (astronaut portrait or face cascade missing)");
        return;
    }
    FaceFinder finder;
    std::string error;
    if (!finder.load(CascadePath(), error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    FaceTracker tracker(finder);
    HeadPointer pointer(HeadMap::Default(), HostScreen{1024, 768});
    std::vector<double> wall, cpu;
    std::size_t i = 0, found = 0;
    for (auto _ : state) {
        const cv::Mat& frame = frames[i % frames.size()];
        const double seconds = static_cast<double>(i) / kRate;
        const auto start = std::chrono::steady_clock::now();
        const double startCpu = ThreadMs();
        GazeSample s = pointer.point(tracker.track(frame, seconds));
        benchmark::DoNotOptimize(s);
        const double spentCpu = ThreadMs() - startCpu;
        const double spent = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        // The first frame's search is a detection frame, measured on its own below.
        if (i % frames.size() != 0) {
            wall.push_back(spent);
            cpu.push_back(spentCpu);
        }
        found += s.found == 1;
        ++i;
    }
    state.counters["median_ms"] = Percentile(wall, 0.5);
    state.counters["p99_ms"] = Percentile(wall, 0.99);
    state.counters["max_ms"] = Percentile(wall, 1.0);
    state.counters["cpu_median_ms"] = Percentile(cpu, 0.5);
    state.counters["cpu_p99_ms"] = Percentile(cpu, 0.99);
    state.counters["found_share"] = static_cast<double>(found) / std::max<std::size_t>(1, i);
}
BENCHMARK(BM_TrackingPerFrame)->Iterations(600)->Unit(benchmark::kMillisecond);

void BM_SearchWholeFrame(benchmark::State& state) {
    const auto& frames = Frames();
    FaceFinder finder;
    std::string error;
    if (frames.empty() || !finder.load(CascadePath(), error)) {
        state.SkipWithError("no test video or face cascade");
        return;
    }
    cv::Mat gray;
    cv::cvtColor(frames.front(), gray, cv::COLOR_BGR2GRAY);
    std::size_t found = 0;
    for (auto _ : state) {
        found += finder.search(gray).has_value();
    }
    state.counters["found_share"] = static_cast<double>(found) / state.iterations();
}
BENCHMARK(BM_SearchWholeFrame)->Unit(benchmark::kMillisecond);

void BM_CheckNearFace(benchmark::State& state) {
    const auto& frames = Frames();
    FaceFinder finder;
    std::string error;
    if (frames.empty() || !finder.load(CascadePath(), error)) {
        state.SkipWithError("no test video or face cascade");
        return;
    }
    cv::Mat gray;
    cv::cvtColor(frames.front(), gray, cv::COLOR_BGR2GRAY);
    const auto face = finder.search(gray);
    if (!face) {
        state.SkipWithError("no face in the first frame");
        return;
    }
    std::size_t found = 0;
    for (auto _ : state) {
        found += finder.check(gray, *face).has_value();
    }
    state.counters["found_share"] = static_cast<double>(found) / state.iterations();
}
BENCHMARK(BM_CheckNearFace)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
