// Follows one face through the frames of a camera.
//
// The face is found with the cascade (FaceFinder), then followed frame by frame with pyramidal
// Lucas-Kanade optical flow on corner points inside it: each point is followed forward and
// back again, points that do not come back to where they started are dropped, and the face
// moves by the median movement of the rest. That is steadier than the cascade's boxes, which
// jump by pixels from frame to frame, and far cheaper than searching every frame.
//
// The cascade's boxes and the followed centre differ by a few pixels, and a face found again
// after a loss would make the pointer jump by that much times the gain. So the checks near the
// followed face also learn the average offset between the two, and a face found again is placed
// by its box plus that offset.
//
// The face counts as lost, and the next frames search for it again, when too few points
// survive, when the face's patch no longer looks like the face's patch when it was found (it
// left the view, something moved in front), or when the cascade, asked now and then near the
// followed face, has not seen a face there for a while. While lost the search runs on every
// frame at first and then on every third, so a user who stays away costs little.
//
// One thread; the tracker keeps the previous frame.
#pragma once

#include <opencv2/core.hpp>
#include <vector>

#include "FaceFinder.h"
#include "FaceObservation.h"

namespace qvtrack {

class FaceTracker {
public:
    // What the last frame cost: a search of the whole frame, a check near the followed face,
    // optical flow only, or nothing (a frame skipped while searching).
    enum class Work { Searched, Checked, Followed, Skipped };

    static constexpr int kMostPoints = 30;
    static constexpr int kFewestPoints = 6;
    static constexpr int kCheckEvery = 15;
    static constexpr int kMissedChecksLost = 4;
    static constexpr int kEagerSearchFrames = 15;
    static constexpr int kSearchEvery = 3;
    // The patch's normalised correlation with the face's look below which the face is gone.
    static constexpr double kSameFace = 0.4;

    // `finder` must be loaded and outlive the tracker.
    explicit FaceTracker(FaceFinder& finder) : m_finder(finder) {}

    // Follows the face into `frame` (BGR or grey) taken at `seconds`.
    FaceObservation track(const cv::Mat& frame, double seconds);
    // Forgets the face, for example when the camera was away.
    void reset();
    Work lastWork() const { return m_work; }
    bool following() const { return m_following; }
    std::size_t points() const { return m_points.size(); }
    // The face's box in frame pixels while following.
    cv::Rect box() const;
    // The last patch similarity computed (for tuning and tests).
    double lastSimilarity() const { return m_similarity; }

private:
    void start(const cv::Rect& face);
    bool follow();
    void seedPoints();
    cv::Mat patch(const cv::Rect& box) const;
    void lose();

    FaceFinder& m_finder;
    cv::Mat m_gray;
    cv::Mat m_previous;
    bool m_following = false;
    cv::Point2d m_centre;
    cv::Size m_size;
    std::vector<cv::Point2f> m_points;
    cv::Mat m_look;  // the face's patch, normalised
    int m_framesSinceCheck = 0;
    int m_missedChecks = 0;
    int m_framesLost = 0;
    double m_similarity = 0;
    // The followed centre minus the cascade box's centre, averaged over the checks; kept across
    // losses, since it belongs to the face and the cascade, not to one stretch of following.
    cv::Point2d m_boxOffset;
    bool m_haveBoxOffset = false;
    Work m_work = Work::Skipped;
    FaceObservation m_last;
    // Scratch, kept to spare allocations per frame.
    std::vector<cv::Mat> m_pyramidBefore, m_pyramidNow;
    cv::Mat m_scaled;
    std::vector<cv::Point2f> m_forward, m_back;
    std::vector<unsigned char> m_status, m_statusBack;
    std::vector<float> m_errors;
};

}  // namespace qvtrack
