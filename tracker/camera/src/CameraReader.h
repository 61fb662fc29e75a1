// Reads a frame feed and follows the face in it, minding the camera's comings and goings.
//
// A camera that cannot be opened, or that stops delivering, is reported with one line on the
// log per outage (not one per retry), and opened again at the next step; the caller waits
// between steps, longer after each failure. A video reports its end once, with a line on the
// log.
//
// One thread at a time; `log` must outlive the reader.
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>

#include "BackgroundLoop.h"
#include "FaceObservation.h"
#include "FaceTracker.h"
#include "FrameFeed.h"

namespace qvtrack {

class CameraReader {
public:
    enum class Step {
        Observed,     // `out` holds the frame's observation
        Ended,        // the video is over
        Unavailable,  // no frame now: the camera is away; try again later
    };

    // The waits between attempts to open a camera that is away: doubled after each failure.
    static constexpr std::chrono::milliseconds kFirstRetry{100};
    static constexpr std::chrono::milliseconds kLongestRetry{2000};

    using Sink = std::function<void(const FaceObservation&)>;

    // `finder` must be loaded. `opened`: the feed was opened already.
    CameraReader(std::unique_ptr<FrameFeed> feed, std::unique_ptr<FaceFinder> finder, std::ostream& log,
                 bool opened = false);

    // Opens the feed when needed, reads one frame and follows the face into it.
    Step step(FaceObservation& out);
    // Steps on `loop`'s thread until the loop stops or the video ends, handing every
    // observation to `sink` and waiting between attempts while the camera is away. `connected`
    // (when given) is 1 while frames come.
    void run(BackgroundLoop& loop, const Sink& sink, std::atomic<std::int32_t>* connected = nullptr);

    // Follows the face in every `stride`-th frame only, reading and dropping the others: a
    // camera faster than the program may take samples (see SourceConfig::kMaxDeliveredRate).
    void setStride(int stride) { m_stride = std::max(1, stride); }
    bool connected() const { return m_open; }
    double framesPerSecond() const { return m_feed->framesPerSecond(); }
    const FrameFeed& feed() const { return *m_feed; }
    const FaceTracker& tracker() const { return m_tracker; }

private:
    std::unique_ptr<FrameFeed> m_feed;
    std::unique_ptr<FaceFinder> m_finder;
    FaceTracker m_tracker;
    std::ostream& m_log;
    bool m_open = false;
    bool m_reported = false;  // this outage has had its line
    bool m_ended = false;
    int m_stride = 1;
    long m_frames = 0;
    cv::Mat m_frame;
};

}  // namespace qvtrack
