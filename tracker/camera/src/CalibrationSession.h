// One calibration of the head pointer: nine targets shown one after another; the user turns
// the head towards each and holds it there; the face's place while held is that target's
// calibration point. After the last target the map is fitted (HeadMap::Fit).
//
// The session runs on the frames' own clock (FaceObservation::seconds, from the first frame
// on), not on the wall clock: a camera's frames come in real time, a video's in video time, so
// a recorded calibration gives the same result at any speed. Per target: kTargetSeconds in
// all, counted down in whole seconds; the face's places in the last kHoldSeconds count, and
// their median is the point. A target at which the face was seen in less than half of those
// frames is left out.
//
// Screen places in shares of the screen (0 to 1), as HeadMap. One thread; no Qt.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "FaceObservation.h"
#include "HeadMap.h"

namespace qvtrack {

class CalibrationSession {
public:
    static constexpr double kIntroSeconds = 2.0;
    static constexpr double kTargetSeconds = 3.0;
    static constexpr double kHoldSeconds = 1.0;
    static constexpr int kTargetCount = 9;
    static constexpr double kLeastSeenShare = 0.5;

    struct Target {
        double x = 0;
        double y = 0;
    };
    // The middle first (where the user looks anyway), then round the edge of the screen, so
    // the head never has to cross the whole screen at once.
    static const std::array<Target, kTargetCount>& Targets();

    enum class Phase { Intro, Target, Done };

    // Takes the next frame's observation; frames must come in time order.
    void add(const FaceObservation& face);

    Phase phase() const { return m_phase; }
    // The target shown (0 to 8) during Phase::Target.
    int target() const { return m_target; }
    // Whole seconds left on the target shown (3, 2, 1), or before the first one.
    int countdown() const;
    // True in the last part of a target, while the face's places count.
    bool holding() const;
    // Whether the face was found in the latest frame.
    bool faceFound() const { return m_faceFound; }
    // Seconds since the first frame.
    double elapsed() const { return m_elapsed; }

    // The calibration points: one per target seen long enough. Meaningful once Done.
    std::vector<MapPoint> points() const;
    // Fits the map to the points; null with `error` set when they do not make one.
    std::optional<HeadMap> fit(std::string& error) const;

private:
    struct Held {
        std::vector<double> u, v;
        int frames = 0;
    };

    bool m_started = false;
    double m_start = 0;
    double m_elapsed = 0;
    Phase m_phase = Phase::Intro;
    int m_target = 0;
    bool m_faceFound = false;
    std::array<Held, kTargetCount> m_held;
};

}  // namespace qvtrack
