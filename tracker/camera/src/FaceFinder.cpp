#include "FaceFinder.h"

#include <opencv2/imgproc.hpp>

#include "RegularFile.h"

namespace qvtrack {

namespace {
// In a check the face is scaled to about this width: a few cascade scales around it suffice.
constexpr int kCheckFaceWidth = 36;
constexpr double kScaleStep = 1.15;
// A search over the whole frame asks for more agreeing windows than a check near a face
// already followed, since a false face there would be followed.
constexpr int kSearchNeighbours = 4;
constexpr int kCheckNeighbours = 2;
}  // namespace

bool FaceFinder::load(const std::string& path, std::string& error) {
    m_loaded = false;
    // A FIFO in its place would block the cascade's reader for good.
    if (!support::IsRegularFile(path)) {
        error = "the face detector's data \"" + path + "\" is missing (Debian package opencv-data)";
        return false;
    }
    try {
        m_loaded = m_cascade.load(path) && !m_cascade.empty();
    } catch (const cv::Exception&) {
        m_loaded = false;
    }
    if (!m_loaded) {
        error = "the face detector's data \"" + path + "\" is not a face cascade";
    }
    return m_loaded;
}

std::optional<cv::Rect> FaceFinder::detect(const cv::Mat& gray, const cv::Rect& region, double scale, int minSize,
                                           int maxSize, int neighbours) {
    if (!m_loaded || region.width < kSmallestFace || region.height < kSmallestFace) {
        return std::nullopt;
    }
    cv::resize(gray(region), m_small, cv::Size(), scale, scale, cv::INTER_AREA);
    cv::equalizeHist(m_small, m_small);
    std::vector<cv::Rect> faces;
    std::vector<int> agreeing;
    m_cascade.detectMultiScale(m_small, faces, agreeing, kScaleStep, neighbours, cv::CASCADE_SCALE_IMAGE,
                               cv::Size(minSize, minSize), cv::Size(maxSize, maxSize));
    if (faces.empty()) {
        return std::nullopt;
    }
    std::size_t best = 0;
    for (std::size_t i = 1; i < faces.size(); ++i) {
        if (agreeing[i] > agreeing[best] || (agreeing[i] == agreeing[best] && faces[i].area() > faces[best].area())) {
            best = i;
        }
    }
    const cv::Rect& f = faces[best];
    return cv::Rect(region.x + cvRound(f.x / scale), region.y + cvRound(f.y / scale), cvRound(f.width / scale),
                    cvRound(f.height / scale));
}

std::optional<cv::Rect> FaceFinder::search(const cv::Mat& gray) {
    const double scale = std::min(1.0, static_cast<double>(kSearchWidth) / gray.cols);
    return detect(gray, cv::Rect(0, 0, gray.cols, gray.rows), scale, kSmallestFace, 0, kSearchNeighbours);
}

std::optional<cv::Rect> FaceFinder::check(const cv::Mat& gray, const cv::Rect& around) {
    const int growX = around.width / 2;
    const int growY = around.height / 2;
    const cv::Rect region =
        cv::Rect(around.x - growX, around.y - growY, around.width + 2 * growX, around.height + 2 * growY) &
        cv::Rect(0, 0, gray.cols, gray.rows);
    const double scale = std::min(1.0, static_cast<double>(kCheckFaceWidth) / std::max(1, around.width));
    const int expected = cvRound(around.width * scale);
    const int minSize = std::max(kSmallestFace, expected * 2 / 3);
    const int maxSize = std::max(minSize + 1, expected * 3 / 2);
    return detect(gray, region, scale, minSize, maxSize, kCheckNeighbours);
}

}  // namespace qvtrack
