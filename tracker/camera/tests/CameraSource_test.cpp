#include "CameraSource.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "CalibrationFile.h"
#include "CameraSourceFactory.h"
#include "CaptureFeed.h"
#include "VideoTestSupport.h"

namespace qvtrack {
namespace {

using namespace headvideo;
namespace fs = std::filesystem;

constexpr HostScreen kScreen{1024, 768};

std::string Folder(const std::string& name) {
    const fs::path folder = fs::current_path() / "source" / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder.string();
}

CameraRequest Request(const std::string& name, double speed = 0) {
    CameraRequest request;
    request.name = name;
    request.speed = speed;
    request.screen = kScreen;
    request.cascade = CascadePath();
    return request;
}

// A short video: the face still in the middle, then a turn of the head to the user's right.
std::string ShortVideo(double rate = kTestRate) {
    Script script;
    Hold(script, FaceFor(0.5, 0.5), 10);
    Move(script, FaceFor(0.8, 0.5), 5);
    return Video("short", script, rate);
}

// A source with the log it writes to; the log outlives the source.
struct Made {
    std::unique_ptr<std::ostringstream> log = std::make_unique<std::ostringstream>();
    std::unique_ptr<GazeSource> source;
    std::string error;

    // What was logged; ends the source first, so its thread no longer writes.
    std::string logged() {
        source.reset();
        return log->str();
    }
};

Made Make(const CameraRequest& request, TrackStats& stats) {
    static SteadyClock clock;
    Made made;
    made.source = CreateCameraSource(request, clock, stats, *made.log, made.error);
    return made;
}

TEST(CameraSource, AVideoPlaysAsACameraOneSampleForEachFrame) {
    TrackStats stats;
    Made made = Make(Request(ShortVideo(25)), stats);
    ASSERT_TRUE(made.source) << made.error;
    EXPECT_EQ(made.source->samplesPerSecond(), 25);
    std::vector<GazeSample> samples(15);
    for (GazeSample& s : samples) {
        made.source->next(s);
    }
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(samples[i].found, 1) << i;
        EXPECT_NEAR(samples[i].x, 512, 25) << i;  // the default gain: the frame's middle
        EXPECT_NEAR(samples[i].y, 384, 25) << i;
    }
    EXPECT_EQ(samples[14].found, 1);
    EXPECT_GT(samples[14].x, samples[9].x + 200);  // turned to the right: the pointer followed
    EXPECT_EQ(stats.received.load(), 15u);
    EXPECT_EQ(stats.validReceived.load(), 15u);
    EXPECT_EQ(made.logged(), "");
}

// The program takes no more than 120 samples a second, or what QVTRACK_RATE asks for when less:
// a faster camera has only every second, third, ... frame followed.
TEST(CameraSource, AFastCameraIsTakenAtNoMoreThanTheRateTheProgramTakes) {
    struct Case {
        double videoRate;
        int asked;
        int reported;
        int samples;  // found samples from the 15 frames
    };
    const Case cases[] = {{60, 25, 20, 5}, {60, 60, 60, 15}, {240, 0, 120, 8}, {25, 50, 25, 15}};
    for (const Case& k : cases) {
        TrackStats stats;
        CameraRequest request = Request(ShortVideo(k.videoRate));
        request.requestedRate = k.asked;
        Made made = Make(request, stats);
        ASSERT_TRUE(made.source) << made.error;
        EXPECT_EQ(made.source->samplesPerSecond(), k.reported) << k.videoRate << " asked " << k.asked;
        int found = 0;
        for (int i = 0; i < 16; ++i) {
            GazeSample s{};
            made.source->next(s);
            found += s.found;
        }
        EXPECT_EQ(found, k.samples) << k.videoRate << " asked " << k.asked;
    }
}

TEST(CameraSource, AfterTheVideoEverySampleIsFoundZeroAtTheLastPlace) {
    TrackStats stats;
    Made made = Make(Request(ShortVideo()), stats);
    ASSERT_TRUE(made.source) << made.error;
    GazeSample last{};
    for (int i = 0; i < 15; ++i) {
        made.source->next(last);
    }
    ASSERT_EQ(last.found, 1);
    for (int i = 0; i < 3; ++i) {
        GazeSample s{};
        made.source->next(s);
        EXPECT_EQ(s.found, 0);
        EXPECT_EQ(s.x, last.x);
        EXPECT_EQ(s.y, last.y);
    }
    EXPECT_EQ(stats.connected.load(), 0);
}

TEST(CameraSource, APacedVideoComesThroughTheBackgroundAndEnds) {
    TrackStats stats;
    Made made = Make(Request(ShortVideo(), 4.0), stats);
    ASSERT_TRUE(made.source) << made.error;
    int found = 0;
    GazeSample s{};
    // The video lasts a second at four times its pace; samples keep coming after its end.
    for (int i = 0; i < 40; ++i) {
        made.source->next(s);
        found += s.found;
    }
    EXPECT_GT(found, 0);
    EXPECT_EQ(s.found, 0);
    EXPECT_EQ(stats.connected.load(), 0);
}

TEST(CameraSource, AMissingCameraIsFoundZeroWithOneLineAndRetries) {
    for (const std::string& name : {std::string("/dev/video-lumora-test"), std::string("63")}) {
        TrackStats stats;
        Made made = Make(Request(name), stats);
        ASSERT_TRUE(made.source) << made.error;
        EXPECT_EQ(made.source->samplesPerSecond(), 30);
        GazeSample s{};
        for (int i = 0; i < 12; ++i) {  // 0.4 s: several attempts to open it
            made.source->next(s);
            EXPECT_EQ(s.found, 0);
        }
        EXPECT_EQ(stats.connected.load(), 0);
        EXPECT_EQ(made.logged(), "qvtrack: cannot open the camera " + CaptureFeed::DevicePath(name) +
                                     " (no such device); retrying\n");
    }
}

TEST(CameraSource, WhatIsNotAVideoIsRefusedWithOneClearLine) {
    const std::string folder = Folder("not-video");
    const std::string text = folder + "/notes.avi";
    std::ofstream(text) << "not a video at all\n";
    const std::string empty = folder + "/empty.avi";
    std::ofstream(empty).flush();
    const std::string fifo = folder + "/fifo.avi";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {text, empty, fifo, folder + "/missing.avi", folder}) {
        TrackStats stats;
        testing::internal::CaptureStderr();
        Made made = Make(Request(path), stats);
        const std::string noise = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(made.source) << path;
        EXPECT_NE(made.error.find("cannot play the video \"" + path + "\""), std::string::npos) << made.error;
        EXPECT_EQ(made.error.find('\n'), std::string::npos) << made.error;
        EXPECT_TRUE(noise.empty()) << path << ": " << noise;
    }
}

TEST(CameraSource, WithoutTheFaceDataThereIsNoFaceAndOneLine) {
    TrackStats stats;
    CameraRequest request = Request(ShortVideo());
    request.cascade = Folder("no-cascade") + "/haarcascade_frontalface_default.xml";
    Made made = Make(request, stats);
    ASSERT_TRUE(made.source) << made.error;
    EXPECT_EQ(made.log->str(),
              "qvtrack: the face detector's data \"" + request.cascade +
                  "\" is missing (Debian package opencv-data); the camera source finds no face\n");
    for (int i = 0; i < 5; ++i) {
        GazeSample s{};
        made.source->next(s);
        EXPECT_EQ(s.found, 0);
    }
}

TEST(CameraSource, FaceDataThatIsNoCascadeIsRefusedTheSameWay) {
    TrackStats stats;
    CameraRequest request = Request(ShortVideo());
    request.cascade = Folder("bad-cascade") + "/faces.xml";
    std::ofstream(request.cascade) << "<?xml version=\"1.0\"?>\n<opencv_storage><cascade>broken";
    Made made = Make(request, stats);
    ASSERT_TRUE(made.source) << made.error;
    EXPECT_NE(made.log->str().find("is not a face cascade"), std::string::npos) << made.log->str();
    GazeSample s{};
    made.source->next(s);
    EXPECT_EQ(s.found, 0);
}

TEST(CameraSource, TheUsersCalibrationIsUsedAndADamagedOneIsNamed) {
    const std::string folder = Folder("calibration");
    // A calibration that puts the middle of the frame at the screen's top-left quarter.
    CalibrationFile::Contents contents;
    contents.map = *HeadMap::FromCoefficients(HeadMap::Model::Affine, {0.25, -5, 0, 0, 0, 0}, {0.25, 0, 5, 0, 0, 0});
    contents.targets = 9;
    const std::string good = folder + "/good";
    ASSERT_EQ(CalibrationFile::Write(good, contents), support::WriteStatus::Ok);
    const std::string damaged = folder + "/damaged";
    std::ofstream(damaged) << "Lumora camera calibration 1\nmodel affine\nx 0.25 -5\n";

    struct Case {
        std::string calibration;
        int x, y;
        bool named;
    };
    const Case cases[] = {{good, 256, 192, false}, {damaged, 512, 384, true}, {folder + "/none", 512, 384, false}};
    for (const Case& k : cases) {
        TrackStats stats;
        CameraRequest request = Request(ShortVideo());
        request.calibration = k.calibration;
        Made made = Make(request, stats);
        ASSERT_TRUE(made.source) << made.error;
        GazeSample s{};
        made.source->next(s);
        EXPECT_EQ(s.found, 1);
        EXPECT_NEAR(s.x, k.x, 25) << k.calibration;
        EXPECT_NEAR(s.y, k.y, 25) << k.calibration;
        const std::string log = made.logged();
        EXPECT_EQ(!log.empty(), k.named) << log;
        if (k.named) {
            EXPECT_NE(log.find("the camera calibration \"" + damaged + "\" is not used"), std::string::npos);
            EXPECT_NE(log.find("using the default gain"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace qvtrack
