// The gaze monitor as a user runs it: a recording replayed through the tracker library, every
// message printed, and an interrupt that ends it through the normal shutdown.
#include <gtest/gtest.h>
#include <poll.h>
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
