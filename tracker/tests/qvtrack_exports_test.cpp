#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "qvtrack.h"

extern "C" int QvTrackCallFromC(int feedX, int feedY, int* outFound, int* outX, int* outY, int* outRate);

namespace {

class Exports : public ::testing::Test {
protected:
    void SetUp() override {
        unsetenv("QVTRACK_SOURCE");
        unsetenv("QVTRACK_RATE");
        unsetenv("QVTRACK_SPEED");
    }
    void TearDown() override { SetUp(); }

    TrackerControl Control() {
        TrackerControl c{};
        c.requestedRate = 60;
        c.screenWidth = 1024;
        c.screenHeight = 768;
        c.option24 = 1;
        return c;
    }
};

TEST_F(Exports, CallableFromC) {
    setenv("QVTRACK_RATE", "1000", 1);
    int found = 0, x = 0, y = 0, rate = 0;
    ASSERT_EQ(QvTrackCallFromC(11, 22, &found, &x, &y, &rate), 0);
    EXPECT_EQ(found, 1);
    EXPECT_EQ(x, 11);
    EXPECT_EQ(y, 22);
    EXPECT_EQ(rate, 120);  // the most the library hands out
}

TEST_F(Exports, BadEnvironmentWritesOneLineAndRunsThePointerSource) {
    setenv("QVTRACK_SOURCE", "replay:does/not/exist.dat", 1);
    TrackerControl c = Control();
    testing::internal::CaptureStderr();
    ASSERT_EQ(QvInit(&c), 0);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, "qvtrack: cannot read the gaze data file \"does/not/exist.dat\"; using the pointer source\n");
    EXPECT_EQ(c.iSamplePerSec, 60);
    ASSERT_NE(c.sample, nullptr);
    QvExit(&c);
}

TEST_F(Exports, ReplayFileThroughTheExports) {
    {
        std::ofstream f("exports.dat");
        f << "Lumora version: 2.7\niScreenWidth:512\niScreenHeight:384\niSamplePerSec:60\n[256,192]\n[-]\n";
    }
    setenv("QVTRACK_SOURCE", "replay:exports.dat", 1);
    setenv("QVTRACK_SPEED", "0", 1);
    TrackerControl c = Control();
    ASSERT_EQ(QvInit(&c), 0);
    ASSERT_EQ(QvGetData(&c), 0);
    EXPECT_EQ(c.sample->found, 1);
    EXPECT_EQ(c.sample->x, 512);
    EXPECT_EQ(c.sample->y, 384);
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(QvGetData(&c), 0);
        EXPECT_EQ(c.sample->found, 0);
    }
    QvExit(&c);
}

TEST_F(Exports, MisuseIsRefusedNotCrashed) {
    TrackerControl c = Control();
    EXPECT_NE(QvInit(nullptr), 0);
    EXPECT_NE(QvEyeImageInit(nullptr, 4), 0);
    EXPECT_NE(QvGetData(&c), 0);  // before QvInit
    EXPECT_NE(QvGetStats(nullptr), 0);
    EXPECT_EQ(QvExit(&c), 0);
    ASSERT_EQ(QvInit(&c), 0);
    GazeSample* first = c.sample;
    ASSERT_EQ(QvInit(&c), 0);  // a second start replaces the first
    EXPECT_EQ(c.sample, first);
    QvExit(&c);
    EXPECT_NE(QvGetData(&c), 0);               // after QvExit
    EXPECT_EQ(c.sample->found, first->found);  // still readable
}

// A free UDP port on 127.0.0.1 (free when asked; the test binds it right after).
int FreeUdpPort() {
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    close(fd);
    return ntohs(addr.sin_port);
}

TEST_F(Exports, NetworkSourceThroughTheExportsWithStats) {
    int port = FreeUdpPort();
    setenv("QVTRACK_SOURCE", ("udp:" + std::to_string(port)).c_str(), 1);
    setenv("QVTRACK_RATE", "100", 1);
    TrackerControl c = Control();
    ASSERT_EQ(QvInit(&c), 0);
    EXPECT_EQ(c.iSamplePerSec, 100);
    QvTrackStats stats{};
    ASSERT_EQ(QvGetStats(&stats), 0);
    EXPECT_EQ(stats.connected, 1);

    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    to.sin_port = htons(static_cast<uint16_t>(port));
    const char datagram[] = "100 200";
    sendto(fd, datagram, sizeof datagram - 1, 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    close(fd);
    bool got = false;
    for (int i = 0; i < 500 && !got; ++i) {  // at most 5 s at 100 samples a second
        ASSERT_EQ(QvGetData(&c), 0);
        got = c.sample->found == 1;
    }
    ASSERT_TRUE(got);
    EXPECT_EQ(c.sample->x, 100);
    EXPECT_EQ(c.sample->y, 200);
    ASSERT_EQ(QvGetStats(&stats), 0);
    EXPECT_EQ(stats.samplesReceived, 1u);
    EXPECT_EQ(stats.validReceived, 1u);
    EXPECT_EQ(stats.validDelivered, 1u);
    EXPECT_GE(stats.samplesDelivered, 1u);
    QvExit(&c);
    ASSERT_EQ(QvGetStats(&stats), 0);
    EXPECT_EQ(stats.connected, 0);
}

}  // namespace
