// The gaze monitor as a user runs it: a recording replayed through the tracker library, every
// message printed, and an interrupt that ends it through the normal shutdown.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "GazeTestSupport.h"

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

TEST(Gazemon, PrintsEveryMessageAndStopsOnInterrupt) {
    lumora::test::ScratchDir dir;
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
    lumora::test::ScratchDir dir;
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

TEST(Gazemon, RefusesABadScreenSize) {
    lumora::test::ScratchDir dir;
    for (const char* bad : {"1024", "x768", "1024x", "0x768", "1024x70000", "axb", "1024x768x"}) {
        const Result r = RunGazemon({"--screen", bad}, 1000);
        ASSERT_TRUE(WIFEXITED(r.status)) << bad;
        EXPECT_EQ(WEXITSTATUS(r.status), 2) << bad;
        EXPECT_TRUE(r.lines.empty()) << bad;
    }
}

}  // namespace
