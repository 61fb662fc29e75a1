#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>

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
    EXPECT_EQ(rate, 1000);
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

}  // namespace
