#include "HeadScripts.h"

#include <cmath>

#include "CalibrationSession.h"

namespace qvtrack::headvideo {

namespace {
// The face travels this far across the frame while the head sweeps the screen.
constexpr double kSpanX = 220;
constexpr double kSpanY = 130;
// A calibration target: the head turns in this share of the target's time, then holds.
constexpr double kTurnShare = 0.25;
// No visit place closer than this (in screen shares) to a calibration target.
constexpr double kAwayFromTargets = 0.08;
}  // namespace

cv::Point2d FaceFor(double x, double y) {
    const double dx = x - 0.5;
    const double dy = y - 0.5;
    return {kWidth / 2.0 - kSpanX * dx + 14 * dx * dy, kHeight / 2.0 + kSpanY * dy + 12 * dx * dx};
}

void AddCalibration(Script& script, double rate) {
    const auto frames = [rate](double seconds) { return static_cast<int>(std::lround(seconds * rate)); };
    const int intro = frames(CalibrationSession::kIntroSeconds);
    const int turn = frames(CalibrationSession::kTargetSeconds * kTurnShare);
    const int hold = frames(CalibrationSession::kTargetSeconds) - turn;
    Hold(script, FaceFor(0.5, 0.5), intro);
    for (const auto& target : CalibrationSession::Targets()) {
        Move(script, FaceFor(target.x, target.y), turn);
        Hold(script, FaceFor(target.x, target.y), hold);
    }
}

std::vector<cv::Point2d> VisitPlaces(int count, unsigned seed) {
    cv::RNG rng(seed);
    std::vector<cv::Point2d> places;
    while (static_cast<int>(places.size()) < count) {
        const cv::Point2d p(rng.uniform(0.12, 0.88), rng.uniform(0.12, 0.88));
        bool away = true;
        for (const auto& target : CalibrationSession::Targets()) {
            away = away && std::hypot(p.x - target.x, p.y - target.y) >= kAwayFromTargets;
        }
        if (away) {
            places.push_back(p);
        }
    }
    return places;
}

void AddVisits(Script& script, const std::vector<cv::Point2d>& places, int moveFrames, int holdFrames, Shot like) {
    for (const cv::Point2d& p : places) {
        Move(script, FaceFor(p.x, p.y), moveFrames, like);
        Hold(script, FaceFor(p.x, p.y), holdFrames, like);
    }
}

}  // namespace qvtrack::headvideo
