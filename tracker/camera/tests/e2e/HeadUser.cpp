#include "HeadUser.h"

#include <cmath>
#include <opencv2/imgcodecs.hpp>

#include "HeadScripts.h"

namespace qvtrack::headvideo {

namespace {
// A head held still sways by a fraction of a pixel in the camera's picture.
constexpr double kSwayPx = 0.15;
constexpr double kTurnSeconds = 0.35;
constexpr double kReactShortest = 0.25, kReactLongest = 0.5;
// The frames go through JPEG as the video's do, so the tracker here sees what Lumora's will.
constexpr int kJpegQuality = 95;
}  // namespace

HeadUser::HeadUser(lumora::demo::LumoraModel& model, lumora::demo::DemoRandom& random, const HeadVideo& maker,
                   FaceTracker& tracker, HeadPointer& pointer, cv::VideoWriter& video, double rate, QSize screen)
    : m_model(model),
      m_random(random),
      m_maker(maker),
      m_tracker(tracker),
      m_pointer(pointer),
      m_video(video),
      m_rate(rate),
      m_screen(screen),
      m_noise(static_cast<std::uint64_t>(random.next())),
      m_at(screen.width() / 2, screen.height() / 2) {}

cv::Point2d HeadUser::faceFor(double x, double y) const {
    return FaceFor(x / m_screen.width(), y / m_screen.height());
}

void HeadUser::frame(const Shot& shot) {
    const cv::Mat picture = m_maker.render(shot, m_noise);
    m_video.write(picture);
    std::vector<unsigned char> jpeg;
    cv::imencode(".jpg", picture, jpeg, {cv::IMWRITE_JPEG_QUALITY, kJpegQuality});
    const FaceObservation face = m_tracker.track(cv::imdecode(jpeg, cv::IMREAD_COLOR), m_frames / m_rate);
    const GazeSample s = m_pointer.point(face);
    m_model.feed(s.found == 1, s.x, s.y);
    ++m_frames;
}

void HeadUser::perform(const lumora::demo::Action& action) {
    using lumora::demo::Action;
    switch (action.kind) {
        case Action::Rest:
            away(action.samples);
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

void HeadUser::away(int frames) {
    Shot gone;
    gone.present = false;
    gone.face = faceFor(m_at.x(), m_at.y());
    for (int i = 0; i < frames; ++i) {
        frame(gone);
    }
}

void HeadUser::holdStill() {
    Shot still;
    still.face = faceFor(m_at.x(), m_at.y()) + cv::Point2d(kSwayPx * m_random.normal(), kSwayPx * m_random.normal());
    frame(still);
}

void HeadUser::turnTo(const QPoint& target) {
    const cv::Point2d from = faceFor(m_at.x(), m_at.y());
    const cv::Point2d to = faceFor(target.x(), target.y());
    const int steps = std::max(2, static_cast<int>(std::lround(kTurnSeconds * m_rate)));
    for (int i = 1; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        Shot turning;
        turning.face = from + (to - from) * ((1 - std::cos(t * CV_PI)) / 2);
        frame(turning);
    }
    m_at = target;
}

void HeadUser::react() {
    const int frames = static_cast<int>(std::lround(
        m_rate * (kReactShortest + (kReactLongest - kReactShortest) * m_random.uniform())));
    for (int i = 0; i < frames; ++i) {
        holdStill();
    }
}

void HeadUser::look(const QPoint& at, int frames) {
    m_model.watchButton(QRect());
    turnTo(at);
    for (int i = 0; i < frames; ++i) {
        holdStill();
    }
}

void HeadUser::choose(const QRect& button, int times, const QString& what) {
    m_model.watchButton(button);
    turnTo(button.center());
    for (int waited = 0; m_model.buttonFired() < times; ++waited) {
        if (waited == kPatience) {
            throw SessionStalled("the button never fired: " + what.toStdString());
        }
        holdStill();
    }
    react();
}

void HeadUser::dwell(const QPoint& at, int times, const QString& what) {
    m_model.watchButton(QRect());
    const int goal = m_model.commits() + times;
    turnTo(at);
    for (int waited = 0; m_model.commits() < goal; ++waited) {
        if (waited == kPatience) {
            throw SessionStalled("the dwell never committed: " + what.toStdString());
        }
        holdStill();
    }
    react();
}

}  // namespace qvtrack::headvideo
