#include "CalibrationSession.h"

#include <algorithm>
#include <cmath>

namespace qvtrack {

namespace {

constexpr double kNear = 0.1;
constexpr double kMiddle = 0.5;
constexpr double kFar = 0.9;
// A hold needs at least this many frames with the face, whatever the frame rate.
constexpr std::size_t kFewestHeldFrames = 3;

double Median(std::vector<double> values) {
    auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 == 1) {
        return *middle;
    }
    const double upper = *middle;
    const double lower = *std::max_element(values.begin(), middle);
    return (lower + upper) / 2;
}

}  // namespace

const std::array<CalibrationSession::Target, CalibrationSession::kTargetCount>& CalibrationSession::Targets() {
    static const std::array<Target, kTargetCount> targets = {{
        {kMiddle, kMiddle},
        {kNear, kNear},
        {kMiddle, kNear},
        {kFar, kNear},
        {kFar, kMiddle},
        {kFar, kFar},
        {kMiddle, kFar},
        {kNear, kFar},
        {kNear, kMiddle},
    }};
    return targets;
}

void CalibrationSession::add(const FaceObservation& face) {
    if (m_phase == Phase::Done) {
        return;
    }
    if (!m_started) {
        m_started = true;
        m_start = face.seconds;
    }
    m_elapsed = std::max(m_elapsed, face.seconds - m_start);
    m_faceFound = face.found;
    if (m_elapsed < kIntroSeconds) {
        m_phase = Phase::Intro;
        return;
    }
    const double intoTargets = m_elapsed - kIntroSeconds;
    const int target = static_cast<int>(intoTargets / kTargetSeconds);
    if (target >= kTargetCount) {
        m_phase = Phase::Done;
        return;
    }
    m_phase = Phase::Target;
    m_target = target;
    if (holding()) {
        Held& held = m_held[static_cast<std::size_t>(target)];
        ++held.frames;
        if (face.found) {
            held.u.push_back(face.u());
            held.v.push_back(face.v());
        }
    }
}

int CalibrationSession::countdown() const {
    if (m_phase == Phase::Intro) {
        return static_cast<int>(std::ceil(kIntroSeconds - m_elapsed));
    }
    if (m_phase != Phase::Target) {
        return 0;
    }
    const double into = m_elapsed - kIntroSeconds - m_target * kTargetSeconds;
    return std::max(1, static_cast<int>(std::ceil(kTargetSeconds - into)));
}

bool CalibrationSession::holding() const {
    if (m_phase != Phase::Target) {
        return false;
    }
    const double into = m_elapsed - kIntroSeconds - m_target * kTargetSeconds;
    return into >= kTargetSeconds - kHoldSeconds;
}

std::vector<MapPoint> CalibrationSession::points() const {
    std::vector<MapPoint> points;
    for (int i = 0; i < kTargetCount; ++i) {
        const Held& held = m_held[static_cast<std::size_t>(i)];
        const std::size_t seen = held.u.size();
        if (seen < kFewestHeldFrames || seen < kLeastSeenShare * held.frames) {
            continue;
        }
        const Target& t = Targets()[static_cast<std::size_t>(i)];
        points.push_back(MapPoint{Median(held.u), Median(held.v), t.x, t.y});
    }
    return points;
}

std::optional<HeadMap> CalibrationSession::fit(std::string& error) const {
    return HeadMap::Fit(points(), error);
}

}  // namespace qvtrack
