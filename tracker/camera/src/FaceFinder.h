// Finds a face in a grey camera frame with OpenCV's frontal face cascade.
//
// The cascade is slow on a whole frame, so the search runs on a copy scaled down to
// kSearchWidth pixels across (faces from about a ninth of the frame's width up are found), and
// a check near a known face runs only on the region around it, scaled so the face is small.
// One thread; the finder keeps scratch images between calls.
#pragma once

#include <opencv2/core.hpp>
#include <opencv2/objdetect.hpp>
#include <optional>
#include <string>

namespace qvtrack {

class FaceFinder {
public:
    static constexpr int kSearchWidth = 200;
    // The cascade's own window: smaller faces cannot be found at any scale.
    static constexpr int kSmallestFace = 24;

    // Loads the cascade; false with `error` set (one line) when the file is missing, not a
    // regular file or not a cascade.
    bool load(const std::string& path, std::string& error);
    bool loaded() const { return m_loaded; }

    // The most certain face in the whole frame, in frame pixels.
    std::optional<cv::Rect> search(const cv::Mat& gray);
    // A face of about the size of `around` near it (within half its size), in frame pixels.
    std::optional<cv::Rect> check(const cv::Mat& gray, const cv::Rect& around);

private:
    std::optional<cv::Rect> detect(const cv::Mat& gray, const cv::Rect& region, double scale, int minSize, int maxSize,
                                   int neighbours);

    cv::CascadeClassifier m_cascade;
    bool m_loaded = false;
    cv::Mat m_small;
};

}  // namespace qvtrack
