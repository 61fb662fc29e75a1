// Frames through OpenCV's video input: a V4L2 camera, or a video file played as a camera.
//
// A camera is asked for 640 x 480 at the rate requested; what it grants is its rate. A video
// plays at its own frame rate times `speed` (0: as fast as it is read), and its frames are
// stamped with their time in the video, so that everything behind the feed sees the same
// video the same way at any speed.
//
// One thread at a time.
#pragma once

#include <chrono>
#include <memory>
#include <opencv2/videoio.hpp>

#include "Clock.h"
#include "FrameFeed.h"
#include "Pacer.h"

namespace qvtrack {

class CaptureFeed : public FrameFeed {
public:
    static constexpr int kFrameWidth = 640;
    static constexpr int kFrameHeight = 480;
    static constexpr double kDefaultRate = 30;
    // Rates outside this range are a driver's or a file's nonsense; the default is taken.
    static constexpr double kLowestRate = 1;
    static constexpr double kHighestRate = 240;

    enum class Kind { Camera, Video };

    // `clock` paces a video and must outlive the feed. `requestedRate` 0: the default. A
    // camera's name becomes its device path.
    CaptureFeed(Kind kind, std::string name, double requestedRate, double speed, Clock& clock);
    ~CaptureFeed() override;

    bool open(std::string& error) override;
    void close() override;
    Read read(cv::Mat& frame, double& seconds) override;
    double framesPerSecond() const override { return m_rate; }
    bool reconnects() const override { return m_kind == Kind::Camera; }
    const std::string& name() const override { return m_name; }

    // Tells OpenCV, for the whole process and once, to report nothing on standard error and to
    // work without its thread pool. Done by every feed; others that use OpenCV before one
    // exists (a test video's maker) call it first.
    static void SetUpOpenCv();

    // Whether a name given as camera[:X] means a camera: a path under /dev, or a number (that
    // camera's /dev/video node). Anything else is a video file.
    static bool NamesCamera(const std::string& name);
    // The device path of a camera name ("2" -> "/dev/video2").
    static std::string DevicePath(const std::string& name);

private:
    bool openCamera(std::string& error);
    bool openVideo(std::string& error);

    Kind m_kind;
    std::string m_name;
    double m_requestedRate;
    double m_speed;
    double m_rate;
    Clock& m_clock;
    std::unique_ptr<Pacer> m_pacer;
    cv::VideoCapture m_capture;
    cv::Mat m_first;  // a video's first frame, read when it was opened to be sure it is a video
    bool m_haveFirst = false;
    long m_frameIndex = 0;
};

}  // namespace qvtrack
