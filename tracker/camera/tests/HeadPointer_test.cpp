#include "HeadPointer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "CalibrationSession.h"
#include "FaceTracker.h"
#include "VideoTestSupport.h"

namespace qvtrack {
namespace {

using namespace headvideo;

constexpr HostScreen kScreen{1024, 768};

FaceObservation Face(double x, double y, double seconds, bool found = true) {
    FaceObservation face;
    face.found = found;
    face.x = x;
    face.y = y;
    face.frameWidth = 640;
    face.frameHeight = 480;
    face.seconds = seconds;
    return face;
}

TEST(HeadPointer, WithoutACalibrationTheCentrePointsAtTheMiddleAndTurnsAreMirrored) {
    HeadPointer pointer(HeadMap::Default(), kScreen);
    GazeSample s = pointer.point(Face(320, 240, 0));
    EXPECT_EQ(s.found, 1);
    EXPECT_EQ(s.x, 512);
    EXPECT_EQ(s.y, 384);
    // The user turns to their right: their face moves left in the camera's picture.
    HeadPointer turned(HeadMap::Default(), kScreen);
    s = turned.point(Face(320 - 32, 240 + 24, 0));
    EXPECT_EQ(s.x, 768);
    EXPECT_EQ(s.y, 576);
}

TEST(HeadPointer, ThePointerStaysOnTheScreen) {
    struct Case {
        double x, y;
        int sx, sy;
    };
    const Case cases[] = {{0, 0, 1023, 0}, {640, 480, 0, 767}, {100, 400, 1023, 767}, {600, 10, 0, 0}};
    for (const Case& k : cases) {
        HeadPointer pointer(HeadMap::Default(), kScreen);
        const GazeSample s = pointer.point(Face(k.x, k.y, 0));
        EXPECT_EQ(s.x, k.sx) << k.x << ", " << k.y;
        EXPECT_EQ(s.y, k.sy) << k.x << ", " << k.y;
    }
}

TEST(HeadPointer, NoFaceKeepsTheLastPlaceWithFoundZeroAndTheNextFaceIsNotDraggedThere) {
    HeadPointer pointer(HeadMap::Default(), kScreen);
    for (int i = 0; i < 10; ++i) {
        pointer.point(Face(320, 240, i / 30.0));
    }
    GazeSample s = pointer.point(Face(0, 0, 10 / 30.0, false));
    EXPECT_EQ(s.found, 0);
    EXPECT_EQ(s.x, 512);
    EXPECT_EQ(s.y, 384);
    s = pointer.point(Face(320 - 32, 240, 11 / 30.0));
    EXPECT_EQ(s.found, 1);
    EXPECT_EQ(s.x, 768);
}

TEST(HeadPointer, AnEmptyScreenSizeGivesNoNonsense) {
    HeadPointer pointer(HeadMap::Default(), HostScreen{0, 0});
    const GazeSample s = pointer.point(Face(100, 100, 0));
    EXPECT_EQ(s.found, 1);
    EXPECT_EQ(s.x, 0);
    EXPECT_EQ(s.y, 0);
}

// The map a perfect calibration of the test videos' user would give.
HeadMap UsersMap() {
    std::vector<MapPoint> points;
    for (const auto& target : CalibrationSession::Targets()) {
        const cv::Point2d face = FaceFor(target.x, target.y);
        points.push_back({face.x / kWidth - 0.5, face.y / kHeight - 0.5, target.x, target.y});
    }
    std::string error;
    auto map = HeadMap::Fit(points, error);
    EXPECT_TRUE(map) << error;
    return map ? *map : HeadMap::Default();
}

TEST(HeadPointer, AStillFaceJittersUnderTwoPixels) {
    Script script;
    const cv::Point2d places[] = {{0.5, 0.5}, {0.15, 0.2}, {0.8, 0.75}};
    constexpr int kSettle = 8, kStill = 45;
    Shot noisy;
    noisy.noise = 6;  // twice the usual camera noise
    for (const cv::Point2d& p : places) {
        Move(script, FaceFor(p.x, p.y), 6);
        Hold(script, FaceFor(p.x, p.y), kSettle + kStill, noisy);
    }
    VideoFrames frames(Video("still", script));
    auto finder = LoadedFinder();
    FaceTracker tracker(*finder);
    HeadPointer pointer(UsersMap(), kScreen);
    std::vector<GazeSample> samples;
    cv::Mat frame;
    double seconds = 0;
    while (frames.next(frame, seconds)) {
        samples.push_back(pointer.point(tracker.track(frame, seconds)));
    }
    ASSERT_EQ(samples.size(), script.size());
    std::size_t at = 0;
    for (const cv::Point2d& p : places) {
        at += 6 + kSettle;
        double mx = 0, my = 0;
        for (int i = 0; i < kStill; ++i) {
            ASSERT_EQ(samples[at + i].found, 1);
            mx += samples[at + i].x;
            my += samples[at + i].y;
        }
        mx /= kStill;
        my /= kStill;
        double sum = 0;
        for (int i = 0; i < kStill; ++i) {
            sum += std::pow(samples[at + i].x - mx, 2) + std::pow(samples[at + i].y - my, 2);
        }
        EXPECT_LT(std::sqrt(sum / kStill), 2.0) << "at " << p.x << ", " << p.y;
        RecordProperty("rms_pixels_" + std::to_string(&p - places), std::to_string(std::sqrt(sum / kStill)));
        at += kStill;
    }
}

// The whole way of a calibration: the user turns to the nine targets as the calibration window
// shows them, the map is fitted from what the tracker saw, and the pointer then lands where
// the head points for twenty other places.
TEST(HeadPointer, AfterCalibratingThePointerLandsWithinAQuarterButtonOfWhereTheHeadPoints) {
    Script script;
    AddCalibration(script, kCalibrationRate);
    const std::size_t calibrated = script.size();
    const std::vector<cv::Point2d> places = VisitPlaces(20, 11);
    constexpr int kTurn = 4, kHold = 8, kLooked = 3;
    AddVisits(script, places, kTurn, kHold);

    VideoFrames frames(Video("calibrated", script, kCalibrationRate));
    auto finder = LoadedFinder();
    FaceTracker tracker(*finder);
    CalibrationSession session;
    std::optional<HeadPointer> pointer;
    cv::Mat frame;
    double seconds = 0;
    std::size_t index = 0;
    constexpr double kQuarterButton = 24;
    double worst = 0;
    while (frames.next(frame, seconds)) {
        const FaceObservation face = tracker.track(frame, seconds);
        if (index < calibrated) {
            session.add(face);
        } else {
            if (!pointer) {
                session.add(face);
                ASSERT_EQ(session.phase(), CalibrationSession::Phase::Done);
                std::string error;
                auto map = session.fit(error);
                ASSERT_TRUE(map) << error;
                EXPECT_EQ(map->model(), HeadMap::Model::Quadratic);
                EXPECT_EQ(session.points().size(), 9u);
                pointer.emplace(*map, kScreen);
            }
            const GazeSample s = pointer->point(face);
            const std::size_t visit = (index - calibrated) / (kTurn + kHold);
            const std::size_t into = (index - calibrated) % (kTurn + kHold);
            if (into >= kTurn + kHold - kLooked) {
                const cv::Point2d expected(places[visit].x * kScreen.width, places[visit].y * kScreen.height);
                EXPECT_EQ(s.found, 1);
                worst = std::max(worst, std::hypot(s.x - expected.x, s.y - expected.y));
                EXPECT_LT(std::hypot(s.x - expected.x, s.y - expected.y), kQuarterButton)
                    << "place " << visit << ": (" << s.x << ", " << s.y << ") for (" << expected.x << ", "
                    << expected.y << ")";
            }
        }
        ++index;
    }
    EXPECT_EQ(index, script.size());
    RecordProperty("worst_pixels", std::to_string(worst));
}

}  // namespace
}  // namespace qvtrack
