#include "CalibrationSession.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qvtrack {
namespace {

// 32 frames a second: every frame time is exact in binary, so no frame falls on the wrong side
// of a target's boundary by a rounding error.
constexpr double kRate = 32;
constexpr int kWidth = 640, kHeight = 480;

// The face's place in frame pixels for a head pointing at target `i`: mirrored, a little bent.
void FaceAt(int i, double& x, double& y) {
    const auto& t = CalibrationSession::Targets()[static_cast<std::size_t>(i)];
    x = 320 - 220 * (t.x - 0.5) + 10 * (t.x - 0.5) * (t.y - 0.5);
    y = 240 + 130 * (t.y - 0.5);
}

FaceObservation Frame(int frame, bool found, double x, double y) {
    FaceObservation face;
    face.found = found;
    face.x = x;
    face.y = y;
    face.frameWidth = kWidth;
    face.frameHeight = kHeight;
    face.seconds = 100 + frame / kRate;  // the clock of any camera: only differences count
    return face;
}

// Runs a session in which the head points at each target from the moment it shows;
// `seen(target, frameInTarget)` says whether the face is found then.
template <typename Seen>
CalibrationSession Calibrate(Seen seen) {
    CalibrationSession session;
    const int intro = static_cast<int>(CalibrationSession::kIntroSeconds * kRate);
    const int perTarget = static_cast<int>(CalibrationSession::kTargetSeconds * kRate);
    int frame = 0;
    for (; frame < intro; ++frame) {
        session.add(Frame(frame, true, 320, 240));
    }
    for (int t = 0; t < CalibrationSession::kTargetCount; ++t) {
        double x = 0, y = 0;
        FaceAt(t, x, y);
        for (int i = 0; i < perTarget; ++i, ++frame) {
            session.add(Frame(frame, seen(t, i), x + (i % 3 - 1) * 0.2, y));
        }
    }
    session.add(Frame(frame, true, 320, 240));
    return session;
}

TEST(CalibrationSession, TheTargetsComeOneAfterAnotherWithACountdown) {
    CalibrationSession session;
    EXPECT_EQ(session.phase(), CalibrationSession::Phase::Intro);
    struct Step {
        double seconds;
        CalibrationSession::Phase phase;
        int target, countdown;
        bool holding;
    };
    using P = CalibrationSession::Phase;
    const Step steps[] = {
        {0.0, P::Intro, 0, 2, false},  {1.5, P::Intro, 0, 1, false},  {2.0, P::Target, 0, 3, false},
        {3.2, P::Target, 0, 2, false}, {4.1, P::Target, 0, 1, true},  {4.99, P::Target, 0, 1, true},
        {5.0, P::Target, 1, 3, false}, {28.5, P::Target, 8, 1, true}, {29.0, P::Done, 8, 0, false},
    };
    for (const Step& s : steps) {
        FaceObservation face;
        face.found = true;
        face.seconds = 50 + s.seconds;
        session.add(face);
        EXPECT_EQ(session.phase(), s.phase) << s.seconds;
        EXPECT_EQ(session.target(), s.target) << s.seconds;
        EXPECT_EQ(session.countdown(), s.countdown) << s.seconds;
        EXPECT_EQ(session.holding(), s.holding) << s.seconds;
    }
}

TEST(CalibrationSession, EachTargetGivesTheMedianOfTheHeldFaceAndTheFitFollowsIt) {
    const CalibrationSession session = Calibrate([](int, int) { return true; });
    ASSERT_EQ(session.phase(), CalibrationSession::Phase::Done);
    const auto points = session.points();
    ASSERT_EQ(points.size(), 9u);
    for (int i = 0; i < 9; ++i) {
        double x = 0, y = 0;
        FaceAt(i, x, y);
        EXPECT_NEAR(points[i].u, x / kWidth - 0.5, 1e-9);
        EXPECT_NEAR(points[i].v, y / kHeight - 0.5, 1e-9);
        EXPECT_EQ(points[i].x, CalibrationSession::Targets()[i].x);
    }
    std::string error;
    auto map = session.fit(error);
    ASSERT_TRUE(map) << error;
    EXPECT_EQ(map->model(), HeadMap::Model::Quadratic);
    double sx = 0, sy = 0;
    map->apply(points[3].u, points[3].v, sx, sy);
    EXPECT_NEAR(sx, 0.9, 1e-3);
    EXPECT_NEAR(sy, 0.1, 1e-3);
}

TEST(CalibrationSession, ATargetWithoutTheFaceForHalfItsHoldIsLeftOut) {
    const int holdFrames = static_cast<int>(CalibrationSession::kHoldSeconds * kRate);
    const int holdStart = static_cast<int>(CalibrationSession::kTargetSeconds * kRate) - holdFrames;
    const CalibrationSession session = Calibrate([&](int target, int frame) {
        if (target == 2) {
            return frame < holdStart + holdFrames / 2 - 1;  // lost for more than half the hold
        }
        if (target == 5) {
            return frame >= holdStart + holdFrames / 2 - 1;  // found for just over half of it
        }
        return target != 7;
    });
    const auto points = session.points();
    EXPECT_EQ(points.size(), 7u);
    for (const MapPoint& p : points) {
        EXPECT_FALSE(p.x == CalibrationSession::Targets()[2].x && p.y == CalibrationSession::Targets()[2].y);
        EXPECT_FALSE(p.x == CalibrationSession::Targets()[7].x && p.y == CalibrationSession::Targets()[7].y);
    }
    std::string error;
    auto map = session.fit(error);
    ASSERT_TRUE(map) << error;
    EXPECT_EQ(map->model(), HeadMap::Model::Affine);
}

TEST(CalibrationSession, NoFaceAtAllFitsNothing) {
    const CalibrationSession session = Calibrate([](int, int) { return false; });
    EXPECT_TRUE(session.points().empty());
    std::string error;
    EXPECT_FALSE(session.fit(error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace qvtrack
