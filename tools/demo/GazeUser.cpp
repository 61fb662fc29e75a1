#include "GazeUser.h"

#include <algorithm>
#include <cmath>

namespace lumora::demo {

namespace {
// Sample jitter and how far a person's resting place lies from what they look at, in pixels.
constexpr double kJitterPx = 1.3;
constexpr double kOffsetPx = 2.0;
constexpr double kOffsetLimitPx = 5.0;
// A saccade lasts two samples and one more per this many pixels.
constexpr double kSaccadePxPerSample = 160.0;
constexpr double kBlinkChance = 0.25;
constexpr int kBlinkShortest = 5;
constexpr int kBlinkLongest = 9;
constexpr int kReactShortest = 8;
constexpr int kReactLongest = 18;
}  // namespace

GazeUser::GazeUser(LumoraModel& model, DemoRandom& random, std::vector<Sample>& recording)
    : m_model(model), m_random(random), m_recording(recording), m_x(random.between(300, 700)), m_y(400) {}

void GazeUser::perform(const Action& action) {
    switch (action.kind) {
        case Action::Rest:
            rest(action.samples);
            break;
        case Action::Look:
            look(action.point, action.samples);
            break;
        case Action::Choose:
            choose(action.button, action.times, action.what);
            break;
        case Action::Dwell:
            dwell(action.point, action.times, action.what);
            break;
    }
}

void GazeUser::record(bool found, double x, double y) {
    const Sample s{found, found ? static_cast<int>(std::lround(x)) : 0, found ? static_cast<int>(std::lround(y)) : 0};
    m_recording.push_back(s);
    m_model.feed(s.found, s.x, s.y);
}

void GazeUser::rest(int samples) {
    for (int i = 0; i < samples; ++i)
        record(false, 0, 0);
}

void GazeUser::fixate() {
    record(true, m_x + kJitterPx * m_random.normal(), m_y + kJitterPx * m_random.normal());
}

void GazeUser::moveTo(const QPoint& target) {
    const double offsetX = std::clamp(kOffsetPx * m_random.normal(), -kOffsetLimitPx, kOffsetLimitPx);
    const double offsetY = std::clamp(kOffsetPx * m_random.normal(), -kOffsetLimitPx, kOffsetLimitPx);
    const double toX = target.x() + offsetX;
    const double toY = target.y() + offsetY;
    const double distance = std::hypot(toX - m_x, toY - m_y);
    if (distance < 1.0) {
        m_x = toX;
        m_y = toY;
        return;
    }
    if (m_random.chance(kBlinkChance))
        rest(m_random.between(kBlinkShortest, kBlinkLongest));
    // A smooth start and stop, and a slight overshoot that the eye corrects in the last sample.
    const int steps = 2 + static_cast<int>(distance / kSaccadePxPerSample);
    const double fromX = m_x;
    const double fromY = m_y;
    for (int i = 1; i <= steps; ++i) {
        const double t = static_cast<double>(i) / (steps + 1);
        const double eased = t * t * (3.0 - 2.0 * t) * 1.04;
        record(true, fromX + (toX - fromX) * eased, fromY + (toY - fromY) * eased);
    }
    m_x = toX;
    m_y = toY;
}

void GazeUser::react() {
    const int samples = m_random.between(kReactShortest, kReactLongest);
    for (int i = 0; i < samples; ++i)
        fixate();
}

void GazeUser::look(const QPoint& at, int samples) {
    m_model.watchButton(QRect());
    moveTo(at);
    for (int i = 0; i < samples; ++i)
        fixate();
}

void GazeUser::choose(const QRect& button, int times, const QString& what) {
    m_model.watchButton(button);
    moveTo(button.center());
    for (int waited = 0; m_model.buttonFired() < times; ++waited) {
        if (waited == kPatience)
            throw SessionStalled("the button never fired: " + what.toStdString());
        fixate();
    }
    react();
}

void GazeUser::dwell(const QPoint& at, int times, const QString& what) {
    m_model.watchButton(QRect());
    const int goal = m_model.commits() + times;
    moveTo(at);
    for (int waited = 0; m_model.commits() < goal; ++waited) {
        if (waited == kPatience)
            throw SessionStalled("the dwell never committed: " + what.toStdString());
        fixate();
    }
    react();
}

}  // namespace lumora::demo
