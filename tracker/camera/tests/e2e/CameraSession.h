// The camera's end-to-end session: a person with a webcam head pointer chooses red and the
// rectangle, draws one rectangle by dwelling at two corners, saves the drawing through the
// save dialog and ends Lumora through the exit question, all with the head. In terms of
// Lumora's own layout, so the session follows any change of it.
#pragma once

#include <QRect>
#include <QSize>
#include <vector>

#include "HouseSession.h"
#include "LumoraModel.h"

namespace qvtrack::headvideo {

inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 768;
inline constexpr double kCameraRate = 30;
inline constexpr unsigned long long kSessionSeed = 20261208;

// The rectangle in canvas pixels (the canvas's top-left corner is 0, 0).
QRect RectangleOnCanvas(const QSize& canvas);

std::vector<lumora::demo::Action> RectangleSession(const QSize& screen);

// Lumora's first-run gaze settings on the session's screen at the camera's rate.
lumora::demo::ModelSettings CameraModelSettings();

}  // namespace qvtrack::headvideo
