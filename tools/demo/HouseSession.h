// The demo session: a person draws a house with their eyes in Lumora, saves it and ends the
// program, all by gaze. The session is a list of actions in terms of Lumora's own layout (the
// main window's buttons, the canvas, the save and exit dialogs), so a new recording follows any
// change of the layout. The house itself is given in shares of the canvas.
//
// Used by the generator (lumora_demogen), which turns the actions into gaze samples, and by the
// checker (lumora_democheck), which looks for the house in the saved drawing.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

namespace lumora::demo {

// The recording's screen, rate and gaze settings (also Lumora's first-run settings).
inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 768;
inline constexpr int kSampleRate = 60;
inline constexpr float kMinFixMs = 500.0f;
inline constexpr bool kYellowStep = true;
inline constexpr float kGazeDevMm = 6.35f;
// After the exit is chosen the recording goes on this long, without gaze: the person leans back.
inline constexpr int kSamplesAfterExit = 120;

// The drawing, in canvas pixels (the canvas's top-left corner is 0, 0).
struct House {
    QRect body;                        // the rectangle, outlined in blue
    QPoint eaveLeft, apex, eaveRight;  // the roof: two red lines
    QRect sun;                         // a yellow filled circle in this box
    QPoint stamp;                      // where the gaze rests to place the flower stamp
};
House HouseOnCanvas(const QSize& canvas);

struct Action {
    enum Kind {
        Rest,    // eyes closed or away from the tracker: samples without gaze
        Look,    // rest the eyes on a point without wanting anything
        Choose,  // look at a gaze button until it has fired `times` times
        Dwell,   // hold the gaze on a canvas point until `times` dwells have committed
    };
    Kind kind;
    QString what;     // for the generator's report
    QRect button;     // Choose: the button on the screen
    QPoint point;     // Look, Dwell: the point on the screen
    int samples = 0;  // Rest, Look: how long
    int times = 1;
};

// The whole session on a screen of that size.
std::vector<Action> HouseSession(const QSize& screen);

// Where the canvas stands on a screen of that size.
QRect CanvasOnScreen(const QSize& screen);

}  // namespace lumora::demo
