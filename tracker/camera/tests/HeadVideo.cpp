#include "HeadVideo.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>
#include <opencv2/objdetect.hpp>
#include <opencv2/videoio.hpp>

#include "CaptureFeed.h"

#ifndef LUMORA_ASTRONAUT_PNG
#define LUMORA_ASTRONAUT_PNG ""
#endif
#ifndef LUMORA_FACE_CASCADE
#define LUMORA_FACE_CASCADE ""
#endif

namespace qvtrack::headvideo {

namespace {

// The head cut from the portrait: the face's box grown for hair, ears and chin.
constexpr double kLeft = 0.45, kRight = 1.45, kTop = 0.75, kBottom = 1.45;
// The face in the video is about 125 pixels wide: a user at 60 cm from a 640 x 480 webcam.
constexpr double kScale = 1.3;
constexpr double kFeather = 4.0;
constexpr int kNoiseFrames = 16;
// Part of every video's name: a change to the drawing here must not reuse older videos.
constexpr int kDrawingVersion = 1;

cv::Mat Room() {
    cv::Mat room(kHeight, kWidth, CV_8UC3);
    for (int y = 0; y < kHeight; ++y) {
        const double t = static_cast<double>(y) / kHeight;
        room.row(y).setTo(cv::Scalar(150 - 40 * t, 165 - 35 * t, 175 - 30 * t));
    }
    cv::rectangle(room, cv::Rect(30, 60, 120, 300), cv::Scalar(70, 90, 120), cv::FILLED);     // a door
    cv::rectangle(room, cv::Rect(470, 40, 130, 90), cv::Scalar(60, 120, 60), cv::FILLED);     // a picture
    cv::rectangle(room, cv::Rect(480, 50, 110, 70), cv::Scalar(200, 190, 170), cv::FILLED);
    cv::rectangle(room, cv::Rect(440, 300, 200, 20), cv::Scalar(40, 60, 90), cv::FILLED);     // a shelf
    cv::Mat texture(room.size(), CV_16SC3);
    cv::RNG rng(42);
    rng.fill(texture, cv::RNG::NORMAL, 0, 6);
    cv::GaussianBlur(texture, texture, cv::Size(0, 0), 1.2);
    cv::Mat room16;
    room.convertTo(room16, CV_16SC3);
    room16 += texture;
    room16.convertTo(room, CV_8UC3);
    return room;
}

}  // namespace

void Hold(Script& script, cv::Point2d at, int frames, Shot like) {
    like.face = at;
    for (int i = 0; i < frames; ++i) {
        script.push_back(like);
    }
}

void Move(Script& script, cv::Point2d to, int frames, Shot like) {
    const cv::Point2d from = script.empty() ? like.face : script.back().face;
    for (int i = 1; i <= frames; ++i) {
        const double t = static_cast<double>(i) / frames;
        const double eased = (1 - std::cos(t * CV_PI)) / 2;
        like.face = from + (to - from) * eased;
        script.push_back(like);
    }
}

std::optional<HeadVideo> HeadVideo::Load(const std::string& portrait, const std::string& cascade, std::string& error) {
    CaptureFeed::SetUpOpenCv();  // OpenCV as the camera source runs it
    cv::Mat image = cv::imread(portrait, cv::IMREAD_COLOR);
    if (image.empty()) {
        error = "cannot read the portrait " + portrait + " (Debian package python3-skimage)";
        return std::nullopt;
    }
    cv::CascadeClassifier finder;
    if (!finder.load(cascade)) {
        error = "cannot load the face cascade " + cascade;
        return std::nullopt;
    }
    cv::Mat gray;
    cv::cvtColor(image, gray, cv::COLOR_BGR2GRAY);
    std::vector<cv::Rect> faces;
    finder.detectMultiScale(gray, faces, 1.1, 4, 0, cv::Size(40, 40));
    if (faces.empty()) {
        error = "no face found in the portrait";
        return std::nullopt;
    }
    cv::Rect face = faces.front();
    for (const cv::Rect& f : faces) {
        if (f.area() > face.area()) {
            face = f;
        }
    }
    const cv::Rect head = cv::Rect(cvRound(face.x - kLeft * face.width), cvRound(face.y - kTop * face.height),
                                   cvRound((kLeft + kRight) * face.width), cvRound((kTop + kBottom) * face.height)) &
                          cv::Rect(0, 0, image.cols, image.rows);
    HeadVideo video;
    cv::resize(image(head), video.m_head, cv::Size(), kScale, kScale, cv::INTER_AREA);
    video.m_centre = (cv::Point2d(face.x + face.width / 2.0, face.y + face.height / 2.0) - cv::Point2d(head.tl())) * kScale;
    video.m_faceSize = cv::Size(cvRound(face.width * kScale), cvRound(face.height * kScale));
    cv::Mat mask = cv::Mat::zeros(video.m_head.size(), CV_32F);
    const cv::Point centre(video.m_head.cols / 2, video.m_head.rows / 2);
    cv::ellipse(mask, centre, cv::Size(video.m_head.cols * 45 / 100, video.m_head.rows * 47 / 100), 0, 0, 360,
                cv::Scalar(1), cv::FILLED);
    cv::GaussianBlur(mask, video.m_alpha, cv::Size(0, 0), kFeather);
    video.m_room = Room();
    cv::RNG rng(7);
    for (int i = 0; i < kNoiseFrames; ++i) {
        cv::Mat noise(kHeight, kWidth, CV_16SC3);
        rng.fill(noise, cv::RNG::NORMAL, 0, Shot{}.noise);
        video.m_noise.push_back(noise);
    }
    return video;
}

cv::Mat HeadVideo::render(const Shot& shot, cv::RNG& rng) const {
    cv::Mat frame = m_room.clone();
    if (shot.present) {
        const cv::Point2d corner = shot.face - m_centre;
        const cv::Point whole(static_cast<int>(std::floor(corner.x)), static_cast<int>(std::floor(corner.y)));
        const cv::Point2d part = corner - cv::Point2d(whole);
        // The head shifted by the fraction of a pixel first, so paths move smoothly.
        const cv::Mat shift = (cv::Mat_<double>(2, 3) << 1, 0, part.x, 0, 1, part.y);
        const cv::Size room(m_head.cols + 1, m_head.rows + 1);
        cv::Mat head, alpha;
        cv::warpAffine(m_head, head, shift, room, cv::INTER_LINEAR, cv::BORDER_CONSTANT);
        cv::warpAffine(m_alpha, alpha, shift, room, cv::INTER_LINEAR, cv::BORDER_CONSTANT);
        const cv::Rect placed = cv::Rect(whole, room) & cv::Rect(0, 0, kWidth, kHeight);
        if (placed.area() > 0) {
            const cv::Rect inside(placed.tl() - whole, placed.size());
            cv::Mat under, over, weight;
            frame(placed).convertTo(under, CV_32FC3);
            head(inside).convertTo(over, CV_32FC3);
            cv::Mat a = alpha(inside);
            cv::merge(std::vector<cv::Mat>{a, a, a}, weight);
            cv::Mat blended = under.mul(cv::Scalar::all(1) - weight) + over.mul(weight);
            blended.convertTo(frame(placed), CV_8UC3);
        }
        if (shot.covered) {
            // A hand at the chin, moving with the head: the mouth and chin hidden.
            const cv::Rect hand(cvRound(shot.face.x - 0.6 * m_faceSize.width), cvRound(shot.face.y + 0.12 * m_faceSize.height),
                                cvRound(1.2 * m_faceSize.width), cvRound(0.6 * m_faceSize.height));
            cv::rectangle(frame, hand, cv::Scalar(120, 150, 190), cv::FILLED);
            cv::rectangle(frame, hand, cv::Scalar(90, 115, 150), 3);
        }
    }
    if (shot.light != 1) {
        frame.convertTo(frame, CV_8UC3, shot.light);
    }
    if (shot.blur > 0) {
        cv::GaussianBlur(frame, frame, cv::Size(0, 0), shot.blur);
    }
    if (shot.noise > 0) {
        cv::Mat noise;
        if (shot.noise == Shot{}.noise && !m_noise.empty()) {
            noise = m_noise[static_cast<std::size_t>(rng.uniform(0, static_cast<int>(m_noise.size())))];
        } else {
            noise.create(frame.size(), CV_16SC3);
            rng.fill(noise, cv::RNG::NORMAL, 0, shot.noise);
        }
        cv::Mat wide;
        frame.convertTo(wide, CV_16SC3);
        wide += noise;
        wide.convertTo(frame, CV_8UC3);
    }
    return frame;
}

bool HeadVideo::write(const std::string& path, const Script& script, double rate, unsigned seed) const {
    cv::VideoWriter writer(path, cv::CAP_OPENCV_MJPEG, cv::VideoWriter::fourcc('M', 'J', 'P', 'G'), rate,
                           cv::Size(kWidth, kHeight), true);
    if (!writer.isOpened()) {
        return false;
    }
    cv::RNG rng(seed);
    for (const Shot& shot : script) {
        writer.write(render(shot, rng));
    }
    writer.release();
    return true;
}

std::string VideoPath(const std::string& folder, const std::string& stem, const Script& script, double rate) {
    std::string description = std::to_string(kDrawingVersion) + " " + std::to_string(rate);
    for (const Shot& s : script) {
        char line[160];
        std::snprintf(line, sizeof line, "|%.4f %.4f %d %.3f %.3f %d %.3f", s.face.x, s.face.y, s.present, s.blur,
                      s.light, s.covered, s.noise);
        description += line;
    }
    char name[32];
    std::snprintf(name, sizeof name, "-%016zx.avi", std::hash<std::string>{}(description));
    return folder + "/" + stem + name;
}

std::string HeadVideo::make(const std::string& folder, const std::string& stem, const Script& script,
                            double rate) const {
    const std::string path = VideoPath(folder, stem, script, rate);
    if (std::filesystem::exists(path)) {
        return path;
    }
    const std::string partial = path + ".part.avi";
    if (!write(partial, script, rate)) {
        return {};
    }
    std::error_code ec;
    std::filesystem::rename(partial, path, ec);
    return ec ? std::string() : path;
}

std::string PortraitPath() {
    return LUMORA_ASTRONAUT_PNG;
}

std::string CascadePath() {
    return LUMORA_FACE_CASCADE;
}

}  // namespace qvtrack::headvideo
