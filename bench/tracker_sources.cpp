// Throughput and latency of the network gaze sources against fake servers on 127.0.0.1.
//
// Intake: a sender thread pushes a burst of records while this thread takes samples as the
// gaze thread would; the figures are records taken in and valid samples handed out per second
// (the library hands out at most its delivered rate, averaging what came in between).
// Paced: a UDP sender at 60, 250 and 1000 records a second for two seconds, the source told that
// rate (QVTRACK_RATE); the figures are samples handed out per second and the dwell timing the
// program derives from the reported rate (500 ms asked).
// Latency: one record at a time, 20 ms apart; the time from just before the send to the sample
// coming out of next(), median and 99th percentile reported as counters (microseconds).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "FakeServers.h"
#include "OpenGazeSource.h"
#include "UdpSource.h"
#ifdef QVTRACK_HAVE_PUPIL
#include "FakePupil.h"
#include "PupilSource.h"
#endif

namespace {

using namespace std::chrono_literals;
using qvtrack::GazeSource;
using qvtrack::SourceConfig;
using qvtrack::SourceKind;
using qvtrack::TrackStats;
using qvtrack::testing::FakeTcpServer;
using Clock = std::chrono::steady_clock;

constexpr int kBurst = 20000;
constexpr int kLatencyRounds = 2000;

// Sends `count` records; `send(i)` sends the i-th.
using Sender = std::function<void(int)>;

// Waits for the next valid sample, bounded; false when none came.
bool NextValid(GazeSource& source, GazeSample& s) {
    // About half a second at the nominal 60 samples a second: a lost sample ends the wait.
    for (int i = 0; i < 30; ++i) {
        source.next(s);
        if (s.found == 1) {
            return true;
        }
    }
    return false;
}

void MeasureIntake(benchmark::State& state, GazeSource& source, TrackStats& stats, const Sender& send, int burstSize) {
    for (auto _ : state) {
        const auto receivedBefore = stats.received.load();
        auto start = Clock::now();
        std::atomic<bool> sent{false};
        std::thread sender([&] {
            for (int i = 0; i < burstSize; ++i) {
                send(i);
            }
            sent = true;
        });
        int got = 0;
        GazeSample s{};
        // Until the burst is in and a period passes without a record.
        for (;;) {
            source.next(s);
            if (s.found == 1) {
                ++got;
            } else if (sent.load()) {
                break;
            }
        }
        sender.join();
        double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        state.counters["received_per_s"] = static_cast<double>(stats.received.load() - receivedBefore) / seconds;
        state.counters["handed_out_per_s"] = got / seconds;
    }
}

void MeasureLatency(benchmark::State& state, GazeSource& source, const Sender& send) {
    for (auto _ : state) {
        std::vector<double> micros;
        micros.reserve(kLatencyRounds);
        GazeSample s{};
        for (int i = 0; i < kLatencyRounds; ++i) {
            // A record a period after the last, as a tracker at the program's rate sends them: the
            // library holds back records that come faster than that.
            std::this_thread::sleep_for(20ms);
            auto t0 = Clock::now();
            send(i);
            if (!NextValid(source, s)) {
                break;
            }
            micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
        }
        std::sort(micros.begin(), micros.end());
        if (!micros.empty()) {
            state.counters["median_us"] = micros[micros.size() / 2];
            state.counters["p99_us"] = micros[micros.size() * 99 / 100];
        }
        state.counters["rounds"] = static_cast<double>(micros.size());
    }
}

SourceConfig NetConfig(SourceKind kind, int port) {
    SourceConfig c;
    c.kind = kind;
    c.host = "127.0.0.1";
    c.port = port;
    c.rate = 60;
    c.rateGiven = true;
    return c;
}

// An Open Gaze server whose accepted connection the benchmark writes to directly.
struct OpenGazeBench {
    std::atomic<int> fd{-1};
    std::atomic<bool> done{false};
    FakeTcpServer server{[this](int client, int) {
        FakeTcpServer::readLines(client, 3, 5s);
        fd = client;
        qvtrack::testing::WaitFor([this] { return done.load(); }, 600s);
        fd = -1;
    }};
    TrackStats stats;
    qvtrack::OpenGazeSource source{NetConfig(SourceKind::OpenGaze, server.port()), {1024, 768}, stats};
    const std::string record = "<REC FPOGX=\"0.5\" FPOGY=\"0.5\" FPOGV=\"1\" />\r\n";
    OpenGazeBench() {
        qvtrack::testing::WaitFor([this] { return fd.load() >= 0; }, 5s);
    }
    ~OpenGazeBench() { done = true; }
    void send(int) { qvtrack::SendAll(fd.load(), record, 5s); }
};

void BM_OpenGazeIntake(benchmark::State& state) {
    OpenGazeBench b;
    MeasureIntake(
        state, b.source, b.stats, [&](int i) { b.send(i); }, kBurst);
}
void BM_OpenGazeLatency(benchmark::State& state) {
    OpenGazeBench b;
    MeasureLatency(state, b.source, [&](int i) { b.send(i); });
}

struct UdpBench {
    TrackStats stats;
    std::unique_ptr<qvtrack::UdpSource> source;
    UdpBench() {
        std::string error;
        source = qvtrack::UdpSource::open(NetConfig(SourceKind::Udp, 0), stats, error);
    }
    void send(int) { qvtrack::testing::SendUdp(source->port(), "512 384"); }
};

void BM_UdpIntake(benchmark::State& state) {
    UdpBench b;
    // Datagrams are not flow controlled: the sender yields now and then, as a real tracker's
    // bridge sends at its frame rate rather than in one burst.
    MeasureIntake(
        state, *b.source, b.stats,
        [&](int i) {
            b.send(i);
            if (i % 64 == 0) {
                std::this_thread::yield();
            }
        },
        kBurst);
}
void BM_UdpPaced(benchmark::State& state) {
    const int rate = static_cast<int>(state.range(0));
    SourceConfig config = NetConfig(SourceKind::Udp, 0);
    config.rate = rate;
    TrackStats stats;
    std::string error;
    auto source = qvtrack::UdpSource::open(config, stats, error);
    for (auto _ : state) {
        std::atomic<bool> stop{false};
        std::thread sender([&] {
            const auto period = std::chrono::nanoseconds(1'000'000'000LL / rate);
            for (auto due = Clock::now(); !stop.load(); due += period) {
                qvtrack::testing::SendUdp(source->port(), "512 384");
                std::this_thread::sleep_until(due + period);
            }
        });
        GazeSample s{};
        int got = 0;
        const auto start = Clock::now();
        while (Clock::now() - start < 2s) {
            source->next(s);
            got += s.found == 1;
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        stop = true;
        sender.join();
        const int delivered = source->samplesPerSecond();
        // ceil(rate x 500 x 0.001f) samples, as the program computes it.
        const int samples = static_cast<int>(std::ceil(static_cast<long double>(delivered) * 500.0L * 0.001f));
        state.counters["reported_rate"] = delivered;
        state.counters["handed_out_per_s"] = got / seconds;
        state.counters["dwell_ms"] = 1000.0 * samples / delivered;
    }
}

void BM_UdpLatency(benchmark::State& state) {
    UdpBench b;
    MeasureLatency(state, *b.source, [&](int i) { b.send(i); });
}

#ifdef QVTRACK_HAVE_PUPIL
struct PupilBench {
    qvtrack::testing::FakePupil pupil;
    TrackStats stats;
    qvtrack::PupilSource source{NetConfig(SourceKind::Pupil, pupil.remotePort()), {1024, 768}, stats};
    const std::string payload = qvtrack::testing::SurfaceMessage({{0.5, 0.5, 0.95, true}});
    PupilBench() {
        // The subscription takes a moment to join; publish until it does.
        qvtrack::testing::WaitFor(
            [this] {
                pupil.publish("surfaces.screen", payload);
                return stats.validReceived.load() > 0;
            },
            5s);
        GazeSample s{};
        do {  // drain the warm-up samples: the queue is empty once a not-found one comes out
            source.next(s);
        } while (s.found == 1);
    }
    void send(int) { pupil.publish("surfaces.screen", payload); }
};

void BM_PupilIntake(benchmark::State& state) {
    PupilBench b;
    MeasureIntake(
        state, b.source, b.stats, [&](int i) { b.send(i); }, kBurst);
}
void BM_PupilLatency(benchmark::State& state) {
    PupilBench b;
    MeasureLatency(state, b.source, [&](int i) { b.send(i); });
}
BENCHMARK(BM_PupilIntake)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PupilLatency)->Iterations(1)->Unit(benchmark::kMillisecond);
#endif

BENCHMARK(BM_OpenGazeIntake)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenGazeLatency)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UdpIntake)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UdpLatency)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UdpPaced)->Arg(60)->Arg(250)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
