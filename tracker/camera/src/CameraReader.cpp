#include "CameraReader.h"

#include <algorithm>

namespace qvtrack {

namespace {
constexpr const char* kPrefix = "qvtrack: ";
}

CameraReader::CameraReader(std::unique_ptr<FrameFeed> feed, std::unique_ptr<FaceFinder> finder, std::ostream& log,
                           bool opened)
    : m_feed(std::move(feed)), m_finder(std::move(finder)), m_tracker(*m_finder), m_log(log), m_open(opened) {}

CameraReader::Step CameraReader::step(FaceObservation& out) {
    if (m_ended) {
        return Step::Ended;
    }
    if (!m_open) {
        std::string error;
        m_open = m_feed->open(error);
        if (!m_open) {
            if (!m_reported) {
                m_log << kPrefix << "cannot open the camera " << m_feed->name() << " (" << error
                      << "); retrying" << std::endl;
                m_reported = true;
            }
            return Step::Unavailable;
        }
        m_tracker.reset();
    }
    double seconds = 0;
    do {
        switch (m_feed->read(m_frame, seconds)) {
            case FrameFeed::Read::Frame:
                break;
            case FrameFeed::Read::Ended:
                // A pointer that stops for good should say why, once: the user may be watching
                // it rather than a video player's end.
                m_log << kPrefix << "the video " << m_feed->name() << " has ended; no face from here on" << std::endl;
                m_ended = true;
                m_open = false;
                m_feed->close();
                return Step::Ended;
            case FrameFeed::Read::Failed:
                m_open = false;
                m_feed->close();
                if (!m_reported) {
                    m_log << kPrefix << "the camera " << m_feed->name() << " stopped sending frames; reconnecting"
                          << std::endl;
                    m_reported = true;
                }
                return Step::Unavailable;
        }
    } while (m_frames++ % m_stride != 0);
    m_reported = false;
    try {
        out = m_tracker.track(m_frame, seconds);
    } catch (const cv::Exception&) {
        // A frame OpenCV cannot work on (a driver's odd format): no face in it, and the
        // tracker starts afresh with the next.
        m_tracker.reset();
        out = FaceObservation{};
        out.seconds = seconds;
    }
    return Step::Observed;
}

void CameraReader::run(BackgroundLoop& loop, const Sink& sink, std::atomic<std::int32_t>* connected) {
    std::chrono::milliseconds retry = kFirstRetry;
    while (!loop.stopping()) {
        FaceObservation face;
        const Step step = this->step(face);
        if (connected) {
            *connected = step == Step::Observed ? 1 : 0;
        }
        switch (step) {
            case Step::Observed:
                retry = kFirstRetry;
                sink(face);
                break;
            case Step::Ended:
                return;
            case Step::Unavailable:
                if (!loop.sleepFor(retry)) {
                    return;
                }
                retry = std::min(retry * 2, kLongestRetry);
                break;
        }
    }
}

}  // namespace qvtrack
