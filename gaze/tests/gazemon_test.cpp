// The gaze monitor as a user runs it: a recording replayed through the tracker library, every
// message printed, and an interrupt that ends it through the normal shutdown.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <memory>
#include <thread>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FakeServers.h"
#include "GazeTestSupport.h"
#include "GazeTuning.h"
#ifdef QVTRACK_HAVE_PUPIL
#include "FakePupil.h"
#endif

namespace {

struct Result {
    std::vector<std::string> lines;
    int status = -1;
};

// Runs gazemon with the arguments; when `interruptAfter` lines have been printed, sends SIGINT.
Result RunGazemon(std::vector<std::string> args, std::size_t interruptAfter) {
    int out[2];
    if (pipe(out) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        std::vector<char*> argv;
        std::string program = GAZEMON_PATH;
        argv.push_back(program.data());
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(out[1]);
    Result r;
    std::string pending;
    char buf[4096];
    bool interrupted = false;
    for (;;) {
        // A guard against a monitor that never prints enough, not a measurement.
        pollfd wait{out[0], POLLIN, 0};
        if (poll(&wait, 1, 30000) == 0 && !interrupted) {
            kill(pid, SIGINT);
            interrupted = true;
            continue;
        }
        const ssize_t n = read(out[0], buf, sizeof buf);
        if (n <= 0)
            break;
        pending.append(buf, static_cast<std::size_t>(n));
        for (std::size_t nl; (nl = pending.find('\n')) != std::string::npos;) {
            r.lines.push_back(pending.substr(0, nl));
            pending.erase(0, nl + 1);
        }
        if (!interrupted && r.lines.size() >= interruptAfter) {
            kill(pid, SIGINT);
            interrupted = true;
        }
    }
    close(out[0]);
    waitpid(pid, &r.status, 0);
    return r;
}

// Runs gazemon (standard input closed, so a fatal stop cannot wait for a key) until `count`
// lines starting with `marker` were printed, then interrupts it; a guard interrupts it after 60 s.
Result RunGazemonUntil(std::vector<std::string> args, const std::string& marker, int count) {
    int out[2];
    if (pipe(out) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        const int devNull = open("/dev/null", O_RDONLY);
        dup2(devNull, STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        std::vector<char*> argv;
        std::string program = GAZEMON_PATH;
        argv.push_back(program.data());
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(out[1]);
    Result r;
    std::string pending;
    char buf[4096];
    bool interrupted = false;
    int seen = 0;
    const auto guard = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    for (;;) {
        pollfd wait{out[0], POLLIN, 0};
        const int ready = poll(&wait, 1, 500);
        if (!interrupted && std::chrono::steady_clock::now() > guard) {
            kill(pid, SIGINT);
            interrupted = true;
        }
        if (ready <= 0)
            continue;
        const ssize_t n = read(out[0], buf, sizeof buf);
        if (n <= 0)
            break;
        pending.append(buf, static_cast<std::size_t>(n));
        for (std::size_t nl; (nl = pending.find('\n')) != std::string::npos;) {
            r.lines.push_back(pending.substr(0, nl));
            if (r.lines.back().rfind(marker, 0) == 0)
                ++seen;
            pending.erase(0, nl + 1);
        }
        if (!interrupted && seen >= count) {
            kill(pid, SIGINT);
            interrupted = true;
        }
    }
    close(out[0]);
    waitpid(pid, &r.status, 0);
    return r;
}

TEST(Gazemon, PrintsEveryMessageAndStopsOnInterrupt) {
    testsupport::ScratchDir dir;
    {
        std::ofstream rec("recording.dat");
        rec << "iScreenWidth:800\niScreenHeight:600\n";
        for (int i = 0; i < 40; ++i)
            rec << "[400,300]\n";
        std::filesystem::create_directories("Lumora");
        // 100 ms at 60 samples per second are 7 samples; 12.7 mm on 1600 px are 60 px.
        std::ofstream("Lumora/LMSettings.ini") << "[FixTime]\nfMinFixMs=100\n[GazeDev]\nThresh=12.7\n";
    }
    setenv("QVTRACK_SOURCE", "replay:recording.dat", 1);
    setenv("QVTRACK_SPEED", "0", 1);
    // The screen is twice the recorded one, so the points come scaled.
    const Result r = RunGazemon({"--screen", "1600x1200"}, 44);
    unsetenv("QVTRACK_SOURCE");
    unsetenv("QVTRACK_SPEED");
    ASSERT_TRUE(WIFEXITED(r.status));
    EXPECT_EQ(WEXITSTATUS(r.status), 0);
    ASSERT_GE(r.lines.size(), 44u);
    EXPECT_EQ(r.lines.front(), "WM_TRACKER_READY 0 0 0");
    EXPECT_EQ(r.lines[1], "WM_GAZE_POINT 0 0 0");
    EXPECT_EQ(r.lines.back(), "WM_CLOSE 0 0 0");
    // Fixating from the 8th sample; a dwell check every 7th fixating sample, the first against
    // the origin failing.
    std::vector<std::string> points;
    int dwells = 0;
    for (const std::string& line : r.lines) {
        if (line.rfind("WM_GAZE_POINT", 0) == 0)
            points.push_back(line);
        else if (line == "WM_GAZE_DWELL 1 800 600")
            ++dwells;
    }
    ASSERT_EQ(points.size(), 40u);
    EXPECT_EQ(points.back(), "WM_GAZE_POINT 1 800 600");
    EXPECT_EQ(dwells, 3);
    EXPECT_EQ(std::count(r.lines.begin(), r.lines.end(), "WM_GAZE_POINT 0 0 0"), 7);
    // It records like Lumora does.
    EXPECT_TRUE(std::filesystem::is_directory("Lumora/Data"));
}

// An Open Gaze server that takes connections (the kernel completes them) and never says a word.
class SilentServer {
public:
    SilentServer() : m_fd(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof addr;
        if (bind(m_fd, reinterpret_cast<sockaddr*>(&addr), len) == 0 && listen(m_fd, 8) == 0 &&
            getsockname(m_fd, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
            m_port = ntohs(addr.sin_port);
    }
    ~SilentServer() { close(m_fd); }
    int port() const { return m_port; }
    // True once a client has connected (within the bound).
    bool waitForClient(int ms) const {
        pollfd p{m_fd, POLLIN, 0};
        return poll(&p, 1, ms) > 0;
    }

private:
    int m_fd;
    int m_port = 0;
};

// The calibration program waits up to two minutes for a silent server; an interrupt must still
// end the monitor at once, through the normal shutdown.
TEST(Gazemon, InterruptDuringCalibrationEndsIt) {
    testsupport::ScratchDir dir;
    SilentServer server;
    ASSERT_NE(server.port(), 0);
    const std::string source = "opengaze:127.0.0.1:" + std::to_string(server.port());
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("QVTRACK_SOURCE", source.c_str(), 1);
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        std::string program = GAZEMON_PATH;
        char* argv[] = {program.data(), nullptr};
        execv(program.c_str(), argv);
        _exit(127);
    }
    close(out[1]);
    // The calibration program (beside gazemon) connects first; then it waits for the server.
    ASSERT_TRUE(server.waitForClient(20000));
    kill(pid, SIGINT);
    std::string printed;
    char buf[4096];
    bool ended = false;
    for (;;) {
        pollfd wait{out[0], POLLIN, 0};
        if (poll(&wait, 1, 20000) <= 0)
            break;  // a guard against a monitor that keeps waiting, not a measurement
        const ssize_t n = read(out[0], buf, sizeof buf);
        if (n <= 0) {
            ended = true;
            break;
        }
        printed.append(buf, static_cast<std::size_t>(n));
    }
    close(out[0]);
    if (!ended)
        kill(pid, SIGKILL);
    int status = -1;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(ended) << "gazemon still waiting for the calibration program";
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_NE(printed.find("WM_TRACKER_READY 0 0 0\n"), std::string::npos) << printed;
    EXPECT_NE(printed.find("WM_CLOSE 0 0 0\n"), std::string::npos) << printed;
}

// A tracker that sends gaze at a fixed rate, steady on one point, until stopped.
class FastTracker {
public:
    enum class Kind { Udp, Pupil };
    FastTracker(Kind kind, int rate) : m_kind(kind), m_rate(rate) {
        if (kind == Kind::Udp) {
            // A port the OS chose, free when asked; gazemon binds it right after.
            const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
            sockaddr_in addr{};
            addr.sin_family = AF_INET;
            addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            socklen_t len = sizeof addr;
            bind(fd, reinterpret_cast<sockaddr*>(&addr), len);
            getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
            close(fd);
            m_source = "udp:" + std::to_string(ntohs(addr.sin_port));
            m_port = ntohs(addr.sin_port);
        } else {
#ifdef QVTRACK_HAVE_PUPIL
            m_pupil = std::make_unique<qvtrack::testing::FakePupil>();
            m_source = "pupil:127.0.0.1:" + std::to_string(m_pupil->remotePort());
#endif
        }
        m_thread = std::thread([this] { send(); });
    }
    ~FastTracker() {
        m_stop = true;
        m_thread.join();
    }
    const std::string& source() const { return m_source; }

private:
    void send() {
        const auto period = std::chrono::nanoseconds(1'000'000'000LL / m_rate);
        auto due = std::chrono::steady_clock::now();
        // 500, 400 on a 1000 x 800 screen, with a pixel of noise.
        for (long i = 0; !m_stop; ++i) {
            const int x = 500 + static_cast<int>(i % 3) - 1;
            const int y = 400 + static_cast<int>(i % 2);
            if (m_kind == Kind::Udp) {
                qvtrack::testing::SendUdp(m_port, std::to_string(x) + " " + std::to_string(y));
            } else {
#ifdef QVTRACK_HAVE_PUPIL
                m_pupil->publish("surfaces.screen",
                                 qvtrack::testing::SurfaceMessage({{x / 1000.0, 1.0 - y / 800.0, 0.95, true}}));
#endif
            }
            due += period;
            std::this_thread::sleep_until(due);
        }
    }

    Kind m_kind;
    int m_rate;
    int m_port = 0;
    std::string m_source;
#ifdef QVTRACK_HAVE_PUPIL
    std::unique_ptr<qvtrack::testing::FakePupil> m_pupil;
#endif
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

struct FastCase {
    const char* name;
    FastTracker::Kind kind;
    int rate;
};

class GazemonFastTracker : public ::testing::TestWithParam<FastCase> {};

// A tracker faster than the program takes (here told by QVTRACK_RATE, as a user sets it to the
// tracker's rate) must neither end the monitor nor change the dwell timing in milliseconds: the
// library hands out at most 120 samples a second and says so.
TEST_P(GazemonFastTracker, KeepsRunningAndDwellsOnTime) {
    const FastCase& c = GetParam();
#if !defined(QVTRACK_HAVE_PUPIL)
    if (c.kind == FastTracker::Kind::Pupil)
        GTEST_SKIP() << "built without the pupil source";
#endif
#if defined(__SANITIZE_THREAD__)
    if (c.kind == FastTracker::Kind::Pupil)
        GTEST_SKIP() << "libzmq is not built with ThreadSanitizer";
#endif
    testsupport::ScratchDir dir;
    std::filesystem::create_directories("Lumora");
    std::ofstream("Lumora/LMSettings.ini") << "[FixTime]\nfMinFixMs=500\n[GazeDev]\nThresh=12.7\n";
    FastTracker tracker(c.kind, c.rate);
    setenv("QVTRACK_SOURCE", tracker.source().c_str(), 1);
    setenv("QVTRACK_RATE", std::to_string(c.rate).c_str(), 1);
    // Stops once three dwells were printed (a few seconds), or at the guard.
    const Result r = RunGazemonUntil({"--screen", "1000x800"}, "WM_GAZE_DWELL", 3);
    unsetenv("QVTRACK_SOURCE");
    unsetenv("QVTRACK_RATE");
    ASSERT_TRUE(WIFEXITED(r.status));
    EXPECT_EQ(WEXITSTATUS(r.status), 0);
    EXPECT_GE(std::count_if(r.lines.begin(), r.lines.end(),
                            [](const std::string& l) { return l.rfind("WM_GAZE_DWELL 1 ", 0) == 0; }),
              3);
    EXPECT_EQ(r.lines.back(), "WM_CLOSE 0 0 0");
    // The rate the program was told, and so its dwell timing, from the run's data file.
    int rate = 0;
    for (const auto& entry : std::filesystem::directory_iterator("Lumora/Data"))
        for (const std::string& line : testsupport::ReadLines(entry.path()))
            if (line.rfind("iSamplePerSec:", 0) == 0)
                rate = std::stoi(line.substr(14));
    EXPECT_EQ(rate, std::min(c.rate, 120));
    ASSERT_GT(rate, 0);
    const double dwellMs = 1000.0 * lumora::MinimumFixSamples(rate, 500.0f) / rate;
    const double dwellMsAt60 = 1000.0 * lumora::MinimumFixSamples(60, 500.0f) / 60;
    EXPECT_LE(std::abs(dwellMs - dwellMsAt60), 1000.0 / 60) << dwellMs << " ms against " << dwellMsAt60;
}

INSTANTIATE_TEST_SUITE_P(Rates, GazemonFastTracker,
                         ::testing::Values(FastCase{"Udp60", FastTracker::Kind::Udp, 60},
                                           FastCase{"Udp250", FastTracker::Kind::Udp, 250},
                                           FastCase{"Udp1000", FastTracker::Kind::Udp, 1000},
                                           FastCase{"Pupil250", FastTracker::Kind::Pupil, 250},
                                           FastCase{"Pupil1000", FastTracker::Kind::Pupil, 1000}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Gazemon, RefusesABadScreenSize) {
    testsupport::ScratchDir dir;
    for (const char* bad : {"1024", "x768", "1024x", "0x768", "1024x70000", "axb", "1024x768x"}) {
        const Result r = RunGazemon({"--screen", bad}, 1000);
        ASSERT_TRUE(WIFEXITED(r.status)) << bad;
        EXPECT_EQ(WEXITSTATUS(r.status), 2) << bad;
        EXPECT_TRUE(r.lines.empty()) << bad;
    }
}

}  // namespace
