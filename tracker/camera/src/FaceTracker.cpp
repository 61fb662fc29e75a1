#include "FaceTracker.h"

#include <algorithm>
#include <opencv2/imgproc.hpp>
#include <opencv2/video/tracking.hpp>

namespace qvtrack {

namespace {

// Lucas-Kanade: a window of 15 pixels on 4 pyramid levels follows movements of up to about
// 60 pixels between frames (a quick turn of the head at 15 frames a second). Ten iterations to
// a twentieth of a pixel: the median over the points gives the subpixel steadiness.
const cv::Size kFlowWindow(15, 15);
constexpr int kFlowLevels = 3;
const cv::TermCriteria kFlowStop(cv::TermCriteria::COUNT | cv::TermCriteria::EPS, 10, 0.05);
// A point followed forward and back must land within this many pixels of where it started.
constexpr float kComeBack = 0.7f;
// A point moving this far from the median movement is on something else (a hand, the
// background at the face's edge).
constexpr float kStray = 2.0f;
// The flow works on the face's box grown by a third of its size on each side (and a window):
// room for the movement between two frames.
constexpr double kFlowRoom = 0.35;
// Corners are taken from the inner face: the box's edges hold hair and background.
constexpr double kInnerLeft = 0.2, kInnerRight = 0.8, kInnerTop = 0.15, kInnerBottom = 0.9;
constexpr double kCornerQuality = 0.01;
constexpr int kCornerSpacingShare = 15;  // the face's width / this = least distance between corners
const cv::Size kLookSize(24, 24);
// A box mostly outside the frame leaves too little of the face to compare.
constexpr double kLeastVisibleShare = 0.6;
// A change of brightness between frames beyond this share is made up for before the flow.
constexpr double kLightStep = 0.03;
// Each check moves the learned offset this share of the way to what it saw.
constexpr double kOffsetLearning = 0.2;

float Median(std::vector<float>& values) {
    auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

}  // namespace

cv::Rect FaceTracker::box() const {
    return cv::Rect(cvRound(m_centre.x - m_size.width / 2.0), cvRound(m_centre.y - m_size.height / 2.0), m_size.width,
                    m_size.height);
}

void FaceTracker::reset() {
    m_following = false;
    m_points.clear();
    m_previous.release();
    m_framesLost = 0;
    m_haveBoxOffset = false;
    m_last = FaceObservation{};
}

void FaceTracker::lose() {
    m_following = false;
    m_points.clear();
    m_framesLost = 0;
}

cv::Mat FaceTracker::patch(const cv::Rect& area) const {
    const cv::Rect visible = area & cv::Rect(0, 0, m_gray.cols, m_gray.rows);
    if (area.area() <= 0 || visible.area() < kLeastVisibleShare * area.area()) {
        return cv::Mat();
    }
    cv::Mat small, look;
    cv::resize(m_gray(visible), small, kLookSize, 0, 0, cv::INTER_AREA);
    small.convertTo(look, CV_32F);
    look -= cv::mean(look)[0];
    const double norm = cv::norm(look);
    if (norm <= 0) {
        return cv::Mat();
    }
    look /= norm;
    return look;
}

void FaceTracker::seedPoints() {
    const cv::Rect face = box();
    const cv::Rect inner = cv::Rect(cvRound(face.x + kInnerLeft * face.width), cvRound(face.y + kInnerTop * face.height),
                                    cvRound((kInnerRight - kInnerLeft) * face.width),
                                    cvRound((kInnerBottom - kInnerTop) * face.height)) &
                           cv::Rect(0, 0, m_gray.cols, m_gray.rows);
    m_points.clear();
    if (inner.width < kFlowWindow.width || inner.height < kFlowWindow.height) {
        return;
    }
    const double spacing = std::max(3.0, static_cast<double>(face.width) / kCornerSpacingShare);
    cv::goodFeaturesToTrack(m_gray(inner), m_points, kMostPoints, kCornerQuality, spacing);
    for (cv::Point2f& p : m_points) {
        p.x += static_cast<float>(inner.x);
        p.y += static_cast<float>(inner.y);
    }
}

void FaceTracker::start(const cv::Rect& face) {
    m_centre = cv::Point2d(face.x + face.width / 2.0, face.y + face.height / 2.0);
    if (m_haveBoxOffset) {
        m_centre += m_boxOffset;
    }
    m_size = face.size();
    m_look = patch(face);
    seedPoints();
    m_following = !m_look.empty() && m_points.size() >= static_cast<std::size_t>(kFewestPoints);
    m_framesSinceCheck = 0;
    m_missedChecks = 0;
    if (!m_following) {
        lose();
    }
}

bool FaceTracker::follow() {
    const cv::Rect face = box();
    const int growX = cvRound(face.width * kFlowRoom) + kFlowWindow.width;
    const int growY = cvRound(face.height * kFlowRoom) + kFlowWindow.height;
    const cv::Rect room = cv::Rect(face.x - growX, face.y - growY, face.width + 2 * growX, face.height + 2 * growY) &
                          cv::Rect(0, 0, m_gray.cols, m_gray.rows);
    if (room.width < 2 * kFlowWindow.width || room.height < 2 * kFlowWindow.height) {
        return false;
    }
    const cv::Point2f offset(static_cast<float>(room.x), static_cast<float>(room.y));
    for (cv::Point2f& p : m_points) {
        p -= offset;
    }
    // Optical flow takes a point to look the same in both frames; a light switched on or a
    // camera's exposure stepping breaks that for every point at once. Scaling the new frame to
    // the old one's brightness keeps the face followed through it.
    cv::Mat now = m_gray(room);
    const double before = cv::mean(m_previous(room))[0];
    const double after = cv::mean(now)[0];
    if (before > 0 && after > 0 && std::abs(after / before - 1) > kLightStep) {
        now.convertTo(m_scaled, -1, before / after);
        now = m_scaled;
    }
    // Fresh pyramids: a level kept from the last frame can be a view of a frame buffer that has
    // since been reused, and building into it would overwrite the previous frame.
    m_pyramidBefore.clear();
    m_pyramidNow.clear();
    cv::buildOpticalFlowPyramid(m_previous(room), m_pyramidBefore, kFlowWindow, kFlowLevels);
    cv::buildOpticalFlowPyramid(now, m_pyramidNow, kFlowWindow, kFlowLevels);
    cv::calcOpticalFlowPyrLK(m_pyramidBefore, m_pyramidNow, m_points, m_forward, m_status, m_errors, kFlowWindow,
                             kFlowLevels, kFlowStop);
    cv::calcOpticalFlowPyrLK(m_pyramidNow, m_pyramidBefore, m_forward, m_back, m_statusBack, m_errors, kFlowWindow,
                             kFlowLevels, kFlowStop);

    std::vector<cv::Point2f> kept;
    std::vector<float> dx, dy;
    const cv::Rect2f inside(0, 0, static_cast<float>(room.width), static_cast<float>(room.height));
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        if (!m_status[i] || !m_statusBack[i] || cv::norm(m_back[i] - m_points[i]) > kComeBack ||
            !inside.contains(m_forward[i])) {
            continue;
        }
        kept.push_back(m_forward[i]);
        dx.push_back(m_forward[i].x - m_points[i].x);
        dy.push_back(m_forward[i].y - m_points[i].y);
    }
    if (kept.size() < static_cast<std::size_t>(kFewestPoints)) {
        return false;
    }
    std::vector<float> sortX = dx, sortY = dy;
    const float mx = Median(sortX);
    const float my = Median(sortY);
    m_points.clear();
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (std::abs(dx[i] - mx) <= kStray && std::abs(dy[i] - my) <= kStray) {
            m_points.push_back(kept[i] + offset);
        }
    }
    if (m_points.size() < static_cast<std::size_t>(kFewestPoints)) {
        return false;
    }
    m_centre += cv::Point2d(mx, my);
    if (!cv::Rect(0, 0, m_gray.cols, m_gray.rows).contains(cv::Point(cvRound(m_centre.x), cvRound(m_centre.y)))) {
        return false;
    }

    const cv::Mat look = patch(box());
    m_similarity = look.empty() ? 0.0 : look.dot(m_look);
    if (m_similarity < kSameFace) {
        return false;
    }

    m_work = Work::Followed;
    if (++m_framesSinceCheck >= kCheckEvery) {
        m_work = Work::Checked;
        m_framesSinceCheck = 0;
        if (auto seen = m_finder.check(m_gray, box())) {
            m_missedChecks = 0;
            // The cascade's size, not its place: its boxes jump, the followed centre does not.
            const cv::Point2d offset = m_centre - cv::Point2d(seen->x + seen->width / 2.0, seen->y + seen->height / 2.0);
            m_boxOffset = m_haveBoxOffset ? m_boxOffset + kOffsetLearning * (offset - m_boxOffset) : offset;
            m_haveBoxOffset = true;
            m_size = seen->size();
            if (cv::Mat fresh = patch(box()); !fresh.empty()) {
                m_look = fresh;
            }
        } else if (++m_missedChecks >= kMissedChecksLost) {
            return false;
        }
    }
    if (m_points.size() < static_cast<std::size_t>(kMostPoints / 2)) {
        seedPoints();
        if (m_points.size() < static_cast<std::size_t>(kFewestPoints)) {
            return false;
        }
    }
    return true;
}

FaceObservation FaceTracker::track(const cv::Mat& frame, double seconds) {
    if (frame.channels() == 3) {
        cv::cvtColor(frame, m_gray, cv::COLOR_BGR2GRAY);
    } else if (frame.channels() == 4) {
        cv::cvtColor(frame, m_gray, cv::COLOR_BGRA2GRAY);
    } else {
        frame.copyTo(m_gray);
    }
    if (m_previous.size() != m_gray.size() && m_following) {
        lose();  // a camera that came back with another size: the old points mean nothing
    }
    FaceObservation out = m_last;
    out.found = false;
    out.frameWidth = m_gray.cols;
    out.frameHeight = m_gray.rows;
    out.seconds = seconds;

    if (m_following && !follow()) {
        lose();
    }
    if (m_following) {
        out.found = true;
    } else {
        const bool due = m_framesLost < kEagerSearchFrames || m_framesLost % kSearchEvery == 0;
        ++m_framesLost;
        m_work = due ? Work::Searched : Work::Skipped;
        if (due) {
            if (auto face = m_finder.search(m_gray)) {
                start(*face);
                out.found = m_following;
            }
        }
    }
    if (out.found) {
        out.x = m_centre.x;
        out.y = m_centre.y;
    }
    m_last = out;
    cv::swap(m_previous, m_gray);
    return out;
}

}  // namespace qvtrack
