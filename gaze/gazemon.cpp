// gazemon: runs the gaze thread against the tracker library in the working directory (reading
// Lumora/LMSettings.ini and writing the gaze data file like Lumora) and prints every message the
// thread posts, one line each: name, wParam, x, y. SIGINT or SIGTERM stops the gaze thread, which
// shuts down the normal way; the program ends with its WM_CLOSE.
//
//   gazemon [--screen WxH]      (default 1024x768)
//
// Once a second it also writes to standard error the rate at which the tracker library really
// received samples and the share of them with the eye found, so a person setting up a tracker
// sees at a glance whether it delivers.

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <optional>
#include <string>

#include "GazeThread.h"
#include "GazeTuning.h"
#include "IniDocument.h"
#include "qvtrack.h"

namespace {

using namespace lumora;

constexpr int kDefaultWidth = 1024;
constexpr int kDefaultHeight = 768;
constexpr int kMaxScreenSide = 65535;  // a point must fit a 16-bit half of lParam

struct Posted {
    unsigned msg;
    std::uintptr_t wParam;
    std::intptr_t lParam;
};

// Queues what the gaze thread posts; the main thread prints it, so the gaze thread never waits
// for the terminal.
class QueueSink : public GazeMessageSink {
public:
    void post(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override {
        {
            std::lock_guard lock(m_mutex);
            m_queue.push_back(Posted{msg, wParam, lParam});
        }
        m_ready.notify_one();
    }
    // The next message, or nothing when none came within `timeout`.
    std::optional<Posted> take(std::chrono::milliseconds timeout) {
        std::unique_lock lock(m_mutex);
        if (!m_ready.wait_for(lock, timeout, [this] { return !m_queue.empty(); }))
            return std::nullopt;
        Posted p = m_queue.front();
        m_queue.pop_front();
        return p;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<Posted> m_queue;
};

const char* MessageName(unsigned msg) {
    switch (msg) {
        case WM_GAZE_POINT:
            return "WM_GAZE_POINT";
        case WM_GAZE_DWELL:
            return "WM_GAZE_DWELL";
        case WM_GAZE_FIXATION_END:
            return "WM_GAZE_FIXATION_END";
        case WM_TRACKER_READY:
            return "WM_TRACKER_READY";
        case WM_CLOSE:
            return "WM_CLOSE";
        default:
            return "WM_UNKNOWN";
    }
}

bool ParseScreen(const char* text, int& width, int& height) {
    char* end = nullptr;
    const long w = std::strtol(text, &end, 10);
    if (end == text || (*end != 'x' && *end != 'X'))
        return false;
    const char* h0 = end + 1;
    const long h = std::strtol(h0, &end, 10);
    if (end == h0 || *end != '\0' || w < 1 || h < 1 || w > kMaxScreenSide || h > kMaxScreenSide)
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

// Writes one line about the samples received since the previous call.
class RateReport {
public:
    void print(double seconds) {
        QvTrackStats now{};
        if (QvGetStats(&now) != 0 || seconds <= 0.0)
            return;
        const std::uint64_t received = now.samplesReceived - m_last.samplesReceived;
        const std::uint64_t valid = now.validReceived - m_last.validReceived;
        m_last = now;
        const double percent = received == 0 ? 0.0 : 100.0 * static_cast<double>(valid) / static_cast<double>(received);
        std::fprintf(stderr, "gazemon: %.0f samples/s received, %.0f%% valid%s\n",
                     static_cast<double>(received) / seconds, percent, now.connected ? "" : ", tracker not connected");
    }

private:
    QvTrackStats m_last{};
};

void Usage() {
    std::fprintf(stderr, "usage: gazemon [--screen WxH]   (default %dx%d)\n", kDefaultWidth, kDefaultHeight);
}

GazeShared g_shared;

extern "C" void OnStopSignal(int) {
    g_shared.gazeRunning.store(false);
}

}  // namespace

int main(int argc, char** argv) {
    int width = kDefaultWidth;
    int height = kDefaultHeight;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screen") == 0 && i + 1 < argc) {
            if (!ParseScreen(argv[++i], width, height)) {
                std::fprintf(stderr, "gazemon: bad screen size '%s' (expected WxH, for example 1024x768)\n", argv[i]);
                return 2;
            }
        } else if (std::strncmp(argv[i], "--screen=", 9) == 0) {
            if (!ParseScreen(argv[i] + 9, width, height)) {
                std::fprintf(stderr, "gazemon: bad screen size '%s' (expected WxH, for example 1024x768)\n",
                             argv[i] + 9);
                return 2;
            }
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            Usage();
            return 0;
        } else {
            Usage();
            return 2;
        }
    }

    IniDocument settings;
    const GazeTuning tuning = ReadGazeTuning(settings);

    // The handler only clears the flag, which is safe on whichever thread the signal lands;
    // SA_RESTART keeps a tracker wait from failing with EINTR.
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    QueueSink sink;
    GazeThread thread(sink, g_shared, tuning, width, height);
    thread.start();
    using Clock = std::chrono::steady_clock;
    constexpr auto kReportEvery = std::chrono::seconds(1);
    RateReport rate;
    auto lastReport = Clock::now();
    for (;;) {
        const auto untilReport = kReportEvery - (Clock::now() - lastReport);
        const std::optional<Posted> next = sink.take(
            std::chrono::duration_cast<std::chrono::milliseconds>(untilReport) + std::chrono::milliseconds(1));
        if (Clock::now() - lastReport >= kReportEvery) {
            const auto now = Clock::now();
            rate.print(std::chrono::duration<double>(now - lastReport).count());
            lastReport = now;
        }
        if (!next)
            continue;
        const Posted& p = *next;
        std::printf("%s %ju %u %u\n", MessageName(p.msg), static_cast<std::uintmax_t>(p.wParam), PointLParamX(p.lParam),
                    PointLParamY(p.lParam));
        std::fflush(stdout);
        if (p.msg == WM_CLOSE)
            break;
    }
    thread.join();
    return 0;
}
