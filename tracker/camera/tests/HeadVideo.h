// Test videos of a head: the astronaut portrait that scikit-image ships (a real face
// photograph), its head cut out and moved over a still room along known paths, in a 640 x 480
// frame, with camera noise, and where a script asks for it blur, a change of light, frames
// without the face and a hand in front of the face. Written with OpenCV's own AVI writer
// (MJPEG), so the videos play through the camera source as a camera's frames would.
//
// Shared by the camera tests, the benchmarks and the end-to-end video generator.
#pragma once

#include <opencv2/core.hpp>
#include <optional>
#include <string>
#include <vector>

namespace qvtrack::headvideo {

inline constexpr int kWidth = 640;
inline constexpr int kHeight = 480;

// One frame of a script.
struct Shot {
    cv::Point2d face{kWidth / 2.0, kHeight / 2.0};  // where the face's centre is, in frame pixels
    bool present = true;                           // false: the user is out of view
    double blur = 0;                               // Gaussian blur's sigma in pixels; 0: sharp
    double light = 1;                              // brightness factor
    bool covered = false;                          // a hand over the lower part of the face
    double noise = 3;                              // sensor noise's sigma in grey levels
};

using Script = std::vector<Shot>;

// Script pieces; `like` gives the effects, `frames` the length.
void Hold(Script& script, cv::Point2d at, int frames, Shot like = {});
// Moves from the last shot's place (or `like.face` in an empty script) to `to`, easing in and
// out as a head turns; the last frame is at `to`.
void Move(Script& script, cv::Point2d to, int frames, Shot like = {});

class HeadVideo {
public:
    // The portrait and the cascade that finds its face; null with `error` set.
    static std::optional<HeadVideo> Load(const std::string& portrait, const std::string& cascade,
                                         std::string& error);

    // The frame for one shot; `rng` gives the noise.
    cv::Mat render(const Shot& shot, cv::RNG& rng) const;
    // Writes the script as an AVI at `rate` frames a second; false when the writer fails.
    bool write(const std::string& path, const Script& script, double rate, unsigned seed = 1) const;
    // The video for the script in `folder` (see VideoPath): made when missing, through a
    // temporary name so that a killed run leaves no half video. Empty when it cannot be written.
    std::string make(const std::string& folder, const std::string& stem, const Script& script, double rate) const;

    // The face's size in the video, in pixels.
    cv::Size faceSize() const { return m_faceSize; }

private:
    cv::Mat m_head;        // the head, BGR, scaled
    cv::Mat m_alpha;       // its mask, 0..1 floats
    cv::Point2d m_centre;  // the face's centre inside m_head
    cv::Size m_faceSize;
    cv::Mat m_room;  // the still background
    // Camera noise at the usual strength, made once: drawing fresh noise for every frame
    // would cost more than the rest of the frame.
    std::vector<cv::Mat> m_noise;
};

// Where the video for the script goes in `folder`: named after `stem` and the script's
// contents, so a video made once serves every later run of the same script.
std::string VideoPath(const std::string& folder, const std::string& stem, const Script& script, double rate);

// The portrait and cascade paths the build found (empty when missing).
std::string PortraitPath();
std::string CascadePath();

}  // namespace qvtrack::headvideo
