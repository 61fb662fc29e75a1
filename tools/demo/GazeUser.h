// GazeUser: a person working Lumora with the eyes, sample by sample. Between targets the eyes
// jump in a short saccade (sometimes after a blink); on a target they rest near its centre with
// a small personal offset and a little jitter in every sample. On a button or the canvas the
// person waits until Lumora has done what they want (the model says so), then a moment more,
// as one does after hearing the click.
//
// Every sample goes to the model and to the recording.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <stdexcept>
#include <vector>

#include "DemoRandom.h"
#include "HouseSession.h"
#include "LumoraModel.h"

namespace lumora::demo {

struct Sample {
    bool found = false;
    int x = 0;
    int y = 0;
};

// The session cannot be done: an action waited far longer than any person would.
class SessionStalled : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class GazeUser {
public:
    // The longest a person waits for one action, in samples.
    static constexpr int kPatience = 1200;

    GazeUser(LumoraModel& model, DemoRandom& random, std::vector<Sample>& recording);

    void perform(const Action& action);

private:
    void rest(int samples);
    void look(const QPoint& at, int samples);
    void choose(const QRect& button, int times, const QString& what);
    void dwell(const QPoint& at, int times, const QString& what);

    // The eyes go to a new place (a blink before it now and then).
    void moveTo(const QPoint& target);
    // One sample at the present resting place.
    void fixate();
    void record(bool found, double x, double y);
    // A moment after the effect: the person notices it.
    void react();

    LumoraModel& m_model;
    DemoRandom& m_random;
    std::vector<Sample>& m_recording;
    double m_x;
    double m_y;
};

}  // namespace lumora::demo
