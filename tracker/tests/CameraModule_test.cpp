// The camera source through the library's C interface, as the program uses it: the camera's
// module loaded when the source is asked for, the video's rate reported, and bad input met with
// one clear line on standard error and no face.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "HeadScripts.h"
#include "VideoTestSupport.h"
#include "qvtrack.h"

namespace {

namespace fs = std::filesystem;
using namespace qvtrack::headvideo;

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr const char* kVariables[] = {"QVTRACK_SOURCE", "QVTRACK_RATE", "QVTRACK_SPEED", "QVTRACK_FACE_CASCADE",
                                      "XDG_CONFIG_HOME"};

int Lines(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

class CameraExports : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : kVariables) {
            unsetenv(name);
        }
        // The user's own calibration stays out of the tests: a folder without one.
        const fs::path config = fs::current_path() / "config";
        fs::create_directories(config);
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        m_control.requestedRate = 60;
        m_control.screenWidth = kScreenWidth;
        m_control.screenHeight = kScreenHeight;
        m_control.option24 = 1;
    }
    void TearDown() override {
        QvExit(&m_control);
        for (const char* name : kVariables) {
            unsetenv(name);
        }
    }

    // Starts the source named; what it wrote on standard error while starting goes to `err`.
    void Start(const std::string& source, std::string& err) {
        setenv("QVTRACK_SOURCE", source.c_str(), 1);
        testing::internal::CaptureStderr();
        const int result = QvInit(&m_control);
        err = testing::internal::GetCapturedStderr();
        ASSERT_EQ(result, 0);
        ASSERT_NE(m_control.sample, nullptr);
    }

    GazeSample Next() {
        EXPECT_EQ(QvGetData(&m_control), 0);
        return *m_control.sample;
    }

    TrackerControl m_control{};
};

// A face still in the middle of the view, then the user away.
std::string StillThenAway(double rate) {
    Script script;
    Hold(script, FaceFor(0.5, 0.5), 12);
    Shot away;
    away.present = false;
    Hold(script, FaceFor(0.5, 0.5), 6, away);
    return Video("still-then-away", script, rate);
}

TEST_F(CameraExports, AVideoPlaysAsTheCameraAndSaysWhenItEnds) {
    const std::string video = StillThenAway(kTestRate);
    ASSERT_FALSE(video.empty());
    setenv("QVTRACK_SPEED", "0", 1);  // every frame once, however slow the machine
    std::string err;
    Start("camera:" + video, err);
    EXPECT_EQ(err, "");
    EXPECT_EQ(m_control.iSamplePerSec, static_cast<int>(kTestRate));

    testing::internal::CaptureStderr();
    GazeSample s{};
    for (int i = 0; i < 12; ++i) {
        s = Next();
    }
    // No calibration: a face in the middle of the view points at the middle of the screen.
    EXPECT_EQ(s.found, 1);
    EXPECT_NEAR(s.x, kScreenWidth / 2, kScreenWidth / 8);
    EXPECT_NEAR(s.y, kScreenHeight / 2, kScreenHeight / 8);
    QvTrackStats stats{};
    ASSERT_EQ(QvGetStats(&stats), 0);
    EXPECT_EQ(stats.connected, 1);

    for (int i = 0; i < 6; ++i) {
        s = Next();
        if (i >= 2) {
            EXPECT_EQ(s.found, 0) << "frame " << i << " without the face";
        }
    }
    for (int i = 0; i < 3; ++i) {  // after the end
        s = Next();
        EXPECT_EQ(s.found, 0);
    }
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "qvtrack: the video " + video + " has ended; no face from here on\n");
    ASSERT_EQ(QvGetStats(&stats), 0);
    EXPECT_EQ(stats.connected, 0);
}

// At most 120 samples a second, and no more than QVTRACK_RATE: a faster camera has only every
// second, third, ... frame followed, and the rate reported is what that leaves.
TEST_F(CameraExports, TheRateReportedIsTheFramesFollowedEachSecond) {
    struct Case {
        double videoRate;
        const char* rate;  // QVTRACK_RATE; null: unset
        int reported;
    };
    const Case cases[] = {
        {kTestRate, nullptr, 15}, {kTestRate, "1000", 15}, {kTestRate, "5", 5},
        {240, nullptr, 120},      {240, "1000", 120},      {200, nullptr, 100},  // every second frame
        {200, "50", 50},
    };
    for (const Case& c : cases) {
        Script script;
        Hold(script, FaceFor(0.5, 0.5), 3);
        const std::string video = Video("rate-" + std::to_string(static_cast<int>(c.videoRate)), script, c.videoRate);
        ASSERT_FALSE(video.empty());
        if (c.rate) {
            setenv("QVTRACK_RATE", c.rate, 1);
        } else {
            unsetenv("QVTRACK_RATE");
        }
        std::string err;
        Start("camera:" + video, err);
        EXPECT_EQ(err, "");
        EXPECT_EQ(m_control.iSamplePerSec, c.reported) << c.videoRate << " " << (c.rate ? c.rate : "unset");
        QvExit(&m_control);
    }
}

TEST_F(CameraExports, AMissingCameraIsFoundZeroWithOneLine) {
    const std::string device = "/dev/lumora-test-no-camera";
    testing::internal::CaptureStderr();
    setenv("QVTRACK_SOURCE", ("camera:" + device).c_str(), 1);
    ASSERT_EQ(QvInit(&m_control), 0);
    EXPECT_EQ(m_control.iSamplePerSec, 30);
    for (int i = 0; i < 10; ++i) {  // a third of a second: several attempts to open it
        EXPECT_EQ(Next().found, 0);
    }
    QvExit(&m_control);  // its thread says nothing more
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "qvtrack: cannot open the camera " + device + " (no such device); retrying\n");
}

TEST_F(CameraExports, WhatIsNotAVideoIsNamedInOneLineAndGivesNoFace) {
    const fs::path folder = fs::current_path() / "not-video";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string text = (folder / "notes.avi").string();
    std::ofstream(text) << "not a video at all\n";
    const std::string empty = (folder / "empty.avi").string();
    std::ofstream(empty).flush();
    for (const std::string& path : {text, empty, (folder / "missing.avi").string(), folder.string()}) {
        std::string err;
        Start("camera:" + path, err);
        EXPECT_EQ(Lines(err), 1) << err;
        EXPECT_EQ(err.rfind("qvtrack: cannot play the video \"" + path + "\": ", 0), 0u) << err;
        EXPECT_NE(err.find("; using the pointer source\n"), std::string::npos) << err;
        // Nothing feeds the pointer in this program: no gaze at all.
        EXPECT_EQ(Next().found, 0) << path;
        QvExit(&m_control);
    }
}

}  // namespace
