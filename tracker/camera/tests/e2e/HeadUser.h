// HeadUser: a person working Lumora with the head through the webcam, frame by frame, for the
// camera's end-to-end video. For each frame the person's head is drawn where it points (the
// test videos' head), the frame goes through the camera source's own pipeline (the face
// tracker, the calibration map, the smoothing) as Lumora will run it, and the sample that
// comes out feeds the model of Lumora; so the person knows, as a real one would, when a button
// has fired or a dwell has been taken, and moves on a moment later.
//
// Every frame is written to the video as it is made.
#pragma once

#include <QPoint>
#include <QRect>
#include <opencv2/core.hpp>
#include <opencv2/videoio.hpp>
#include <stdexcept>

#include "DemoRandom.h"
#include "FaceTracker.h"
#include "HeadPointer.h"
#include "HeadVideo.h"
#include "HouseSession.h"
#include "LumoraModel.h"

namespace qvtrack::headvideo {

class SessionStalled : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class HeadUser {
public:
    // The longest a person waits for one action, in frames.
    static constexpr int kPatience = 600;

    // All must outlive the user.
    HeadUser(lumora::demo::LumoraModel& model, lumora::demo::DemoRandom& random, const HeadVideo& maker,
             FaceTracker& tracker, HeadPointer& pointer, cv::VideoWriter& video, double rate, QSize screen);

    void perform(const lumora::demo::Action& action);
    int frames() const { return m_frames; }

private:
    void away(int frames);
    void look(const QPoint& at, int frames);
    void choose(const QRect& button, int times, const QString& what);
    void dwell(const QPoint& at, int times, const QString& what);
    // The head turns to point at `target`, in about a third of a second.
    void turnTo(const QPoint& target);
    void holdStill();
    void react();
    void frame(const Shot& shot);
    cv::Point2d faceFor(double x, double y) const;

    lumora::demo::LumoraModel& m_model;
    lumora::demo::DemoRandom& m_random;
    const HeadVideo& m_maker;
    FaceTracker& m_tracker;
    HeadPointer& m_pointer;
    cv::VideoWriter& m_video;
    double m_rate;
    QSize m_screen;
    cv::RNG m_noise;
    QPoint m_at;
    int m_frames = 0;
};

}  // namespace qvtrack::headvideo
