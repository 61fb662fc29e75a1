// The camera source as the program uses it, on a test video of a head played at 30 frames a
// second in real time.
//
// ProcessorShare: the source plays 10 s of video (decoding its MJPEG frames, following the face,
// mapping and smoothing) while this thread takes every sample as the gaze thread would; the
// figure is the process's processor time over those 10 s as a share of one core (getrusage),
// reported, not judged. A camera's V4L2 frames need no JPEG decoding; a camera sending MJPEG
// costs about what the video does.
// AddedLatency: frames handed to the source at 30 a second by a stand-in camera that notes when
// each frame arrived; the time from a frame's arrival to its sample coming out of next(), median
// and 99th percentile as counters in milliseconds.
//
// The videos are made in the working folder when missing (camera-bench-*.avi).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <sstream>
#include <thread>
#include <vector>

#include "CameraSource.h"
#include "CameraSourceFactory.h"
#include "CaptureFeed.h"
#include "HeadScripts.h"
#include "HeadVideo.h"

namespace {

using namespace qvtrack;
using namespace qvtrack::headvideo;
using Clock = std::chrono::steady_clock;

constexpr double kRate = 30;
constexpr double kSeconds = 10;

std::string MakeVideo(const Script& script, const std::string& stem) {
    std::string error;
    auto maker = HeadVideo::Load(PortraitPath(), CascadePath(), error);
    return maker ? maker->make(std::filesystem::current_path().string(), stem, script, kRate) : std::string();
}

// The head turning to places and holding, a little longer than the measurement.
Script Turning() {
    Script script;
    Hold(script, FaceFor(0.5, 0.5), 15);
    AddVisits(script, VisitPlaces(14, 7), 8, 16);
    return script;
}

double ProcessSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_ProcessorShare(benchmark::State& state) {
    const std::string video = MakeVideo(Turning(), "camera-bench-turning");
    if (video.empty()) {
        state.SkipWithError("no test video (astronaut portrait or face cascade missing)");
        return;
    }
    for (auto _ : state) {
        SteadyClock clock;
        TrackStats stats;
        std::ostringstream log;
        std::string error;
        CameraRequest request;
        request.name = video;
        request.speed = 1;
        request.screen = HostScreen{1024, 768};
        request.cascade = CascadePath();
        auto source = CreateCameraSource(request, clock, stats, log, error);
        if (!source) {
            state.SkipWithError(error.c_str());
            return;
        }
        const double cpuStart = ProcessSeconds();
        const auto start = Clock::now();
        int samples = 0, found = 0;
        GazeSample s{};
        while (Clock::now() - start < std::chrono::duration<double>(kSeconds)) {
            source->next(s);
            ++samples;
            found += s.found == 1;
        }
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        const double cpu = ProcessSeconds() - cpuStart;
        state.counters["cpu_percent_of_core"] = 100 * cpu / wall;
        state.counters["samples_per_second"] = samples / wall;
        state.counters["found_share"] = static_cast<double>(found) / std::max(1, samples);
    }
}
BENCHMARK(BM_ProcessorShare)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// A camera that delivers decoded frames at 30 a second and notes when each arrived.
class TimedCamera : public FrameFeed {
public:
    explicit TimedCamera(std::vector<cv::Mat> frames) : m_frames(std::move(frames)) {}
    bool open(std::string&) override { return true; }
    void close() override {}
    Read read(cv::Mat& frame, double& seconds) override {
        if (m_next >= m_frames.size()) {
            return Read::Ended;
        }
        if (m_next == 0) {
            m_start = Clock::now();
        }
        std::this_thread::sleep_until(m_start + std::chrono::duration_cast<Clock::duration>(
                                                    std::chrono::duration<double>(m_next / kRate)));
        frame = m_frames[m_next];
        seconds = m_next / kRate;
        ++m_next;
        arrived.store(Clock::now().time_since_epoch().count());
        return Read::Frame;
    }
    double framesPerSecond() const override { return kRate; }
    bool reconnects() const override { return true; }
    const std::string& name() const override { return m_name; }

    std::atomic<Clock::rep> arrived{0};

private:
    std::vector<cv::Mat> m_frames;
    std::size_t m_next = 0;
    Clock::time_point m_start;
    std::string m_name = "timed camera";
};

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(share * values.size()))];
}

void BM_AddedLatency(benchmark::State& state) {
    const std::string video = MakeVideo(Turning(), "camera-bench-turning");
    std::vector<cv::Mat> frames;
    SteadyClock clock;
    std::string error;
    CaptureFeed feed(CaptureFeed::Kind::Video, video, 0, 0, clock);
    cv::Mat frame;
    double seconds = 0;
    if (!video.empty() && feed.open(error)) {
        while (frames.size() < kSeconds * kRate && feed.read(frame, seconds) == FrameFeed::Read::Frame) {
            frames.push_back(frame.clone());
        }
    }
    auto finder = std::make_unique<FaceFinder>();
    if (frames.empty() || !finder->load(CascadePath(), error)) {
        state.SkipWithError("no test video or face cascade");
        return;
    }
    for (auto _ : state) {
        auto camera = std::make_unique<TimedCamera>(frames);
        TimedCamera& timed = *camera;
        std::ostringstream log;
        TrackStats stats;
        auto reader = std::make_unique<CameraReader>(std::move(camera), std::move(finder), log, true);
        CameraSource source(std::move(reader), kRate, 1, HeadMap::Default(), HostScreen{1024, 768},
                            CameraSource::Pace::Background, stats, clock);
        std::vector<double> latency;
        GazeSample s{};
        Clock::rep lastArrival = 0;
        for (std::size_t i = 0; i < frames.size() + 10; ++i) {
            source.next(s);
            const Clock::rep now = Clock::now().time_since_epoch().count();
            const Clock::rep arrival = timed.arrived.load();
            if (s.found == 1 && arrival != lastArrival) {
                latency.push_back(std::chrono::duration<double, std::milli>(Clock::duration(now - arrival)).count());
                lastArrival = arrival;
            }
        }
        state.counters["median_ms"] = Percentile(latency, 0.5);
        state.counters["p99_ms"] = Percentile(latency, 0.99);
        state.counters["samples"] = static_cast<double>(latency.size());
    }
}
BENCHMARK(BM_AddedLatency)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
