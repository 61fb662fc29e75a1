// What the test videos' user does: where their face is in the frame when their head points at
// a place on the screen, a calibration done the way the calibration window asks for it, and
// visits to other places.
#pragma once

#include <opencv2/core.hpp>
#include <vector>

#include "HeadVideo.h"

namespace qvtrack::headvideo {

// The test videos run at 15 frames a second: half a webcam's rate, so twice the movement per
// frame, and half the frames to make and read.
inline constexpr double kTestRate = 15;
// The calibration videos, the longest, run at 10: a webcam's rate in a dim room.
inline constexpr double kCalibrationRate = 10;

// The simulated head: pointing at the screen place (x, y) in shares (0 to 1) puts the face's
// centre here in the frame. Mirrored like a camera facing the user (pointing right moves the
// face left in the frame), with the slight bend of a head turning about the neck.
cv::Point2d FaceFor(double x, double y);

// The calibration as the window shows it: the face at the middle during the introduction,
// then for each target a turn of the head towards it and a hold until the next.
void AddCalibration(Script& script, double rate);

// `count` screen places (shares) spread over the screen away from its edges, none on a
// calibration target, the same for the same seed.
std::vector<cv::Point2d> VisitPlaces(int count, unsigned seed);

// Turns to each place in `moveFrames` and holds there for `holdFrames`.
void AddVisits(Script& script, const std::vector<cv::Point2d>& places, int moveFrames, int holdFrames,
               Shot like = {});

}  // namespace qvtrack::headvideo
