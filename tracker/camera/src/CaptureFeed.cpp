#include "CaptureFeed.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <mutex>
#include <opencv2/core/utils/logger.hpp>

#include "RegularFile.h"

namespace qvtrack {

namespace {

constexpr const char* kDevicePrefix = "/dev/";
constexpr const char* kVideoDevice = "/dev/video";

double UsableRate(double rate, double fallback) {
    return std::isfinite(rate) && rate >= CaptureFeed::kLowestRate && rate <= CaptureFeed::kHighestRate ? rate
                                                                                                         : fallback;
}

}  // namespace

// OpenCV's video input reports its own failures on standard error, several lines for one
// missing camera; the feed says once, in the suite's words, what went wrong. And OpenCV works
// on the calling thread: on images this small its thread pool's wake-ups cost more processor
// time than they save and add milliseconds of latency to every frame.
void CaptureFeed::SetUpOpenCv() {
    static std::once_flag once;
    std::call_once(once, [] {
        cv::utils::logging::setLogLevel(cv::utils::logging::LOG_LEVEL_SILENT);
        cv::setNumThreads(1);
    });
}

CaptureFeed::CaptureFeed(Kind kind, std::string name, double requestedRate, double speed, Clock& clock)
    : m_kind(kind),
      m_name(kind == Kind::Camera ? DevicePath(name) : std::move(name)),
      m_requestedRate(UsableRate(requestedRate, kDefaultRate)),
      m_speed(speed),
      m_rate(m_requestedRate),
      m_clock(clock) {
    SetUpOpenCv();
}

CaptureFeed::~CaptureFeed() {
    close();
}

bool CaptureFeed::NamesCamera(const std::string& name) {
    if (name.rfind(kDevicePrefix, 0) == 0) {
        return true;
    }
    return !name.empty() && name.size() <= 3 && name.find_first_not_of("0123456789") == std::string::npos;
}

std::string CaptureFeed::DevicePath(const std::string& name) {
    return name.rfind(kDevicePrefix, 0) == 0 ? name : kVideoDevice + name;
}

bool CaptureFeed::open(std::string& error) {
    close();
    try {
        return m_kind == Kind::Camera ? openCamera(error) : openVideo(error);
    } catch (const cv::Exception& e) {
        close();
        error = "OpenCV failed: " + std::string(e.what());
        return false;
    }
}

bool CaptureFeed::openCamera(std::string& error) {
    const std::string& path = m_name;
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0) {
        error = errno == ENOENT ? "no such device" : std::strerror(errno);
        return false;
    }
    if (!S_ISCHR(st.st_mode)) {
        error = "not a camera device";
        return false;
    }
    if (::access(path.c_str(), R_OK | W_OK) != 0) {
        error = errno == EACCES ? "no permission; the user must be in the group \"video\"" : std::strerror(errno);
        return false;
    }
    if (!m_capture.open(path, cv::CAP_V4L2)) {
        error = "the device does not deliver video";
        return false;
    }
    m_capture.set(cv::CAP_PROP_FRAME_WIDTH, kFrameWidth);
    m_capture.set(cv::CAP_PROP_FRAME_HEIGHT, kFrameHeight);
    m_capture.set(cv::CAP_PROP_FPS, m_requestedRate);
    m_rate = UsableRate(m_capture.get(cv::CAP_PROP_FPS), m_requestedRate);
    return true;
}

bool CaptureFeed::openVideo(std::string& error) {
    // A FIFO or a device given as a video would block the decoder for good.
    if (!support::IsRegularFile(m_name)) {
        error = "the video file is missing or not a regular file";
        return false;
    }
    const std::string notVideo = "it is not a video that can be read";
    // FFmpeg reads every common video; OpenCV's own reader is there for its own AVI files. Not
    // OpenCV's whole list: some of its other backends look for USB cameras first (and leak what
    // they find) when handed something that is not a video.
    bool opened = false;
    for (int backend : {cv::CAP_FFMPEG, cv::CAP_OPENCV_MJPEG}) {
        if (!opened) {
            opened = m_capture.open(m_name, backend);
        }
    }
    if (!opened) {
        error = notVideo;
        return false;
    }
    if (!m_capture.read(m_first) || m_first.empty()) {
        close();
        error = notVideo;
        return false;
    }
    m_haveFirst = true;
    m_frameIndex = 0;
    m_rate = UsableRate(m_capture.get(cv::CAP_PROP_FPS), kDefaultRate);
    m_pacer = std::make_unique<Pacer>(m_clock, m_speed > 0 ? m_rate * m_speed : 0.0);
    return true;
}

void CaptureFeed::close() {
    m_haveFirst = false;
    m_first.release();
    try {
        m_capture.release();
    } catch (const cv::Exception&) {
        // Nothing to be done about a device that fails to close.
    }
}

FrameFeed::Read CaptureFeed::read(cv::Mat& frame, double& seconds) {
    try {
        if (m_kind == Kind::Camera) {
            if (!m_capture.isOpened() || !m_capture.read(frame) || frame.empty()) {
                return Read::Failed;
            }
            seconds = std::chrono::duration<double>(m_clock.now().time_since_epoch()).count();
            return Read::Frame;
        }
        if (!m_pacer) {
            return Read::Ended;
        }
        m_pacer->wait();
        if (m_haveFirst) {
            frame = m_first;
            m_first = cv::Mat();
            m_haveFirst = false;
        } else if (!m_capture.isOpened() || !m_capture.read(frame) || frame.empty()) {
            return Read::Ended;
        }
    } catch (const cv::Exception&) {
        return m_kind == Kind::Camera ? Read::Failed : Read::Ended;
    }
    seconds = static_cast<double>(m_frameIndex++) / m_rate;
    return Read::Frame;
}

}  // namespace qvtrack
