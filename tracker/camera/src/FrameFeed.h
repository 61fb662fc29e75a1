// Frames from a camera or from a video file that plays as one.
#pragma once

#include <opencv2/core.hpp>
#include <string>

namespace qvtrack {

class FrameFeed {
public:
    enum class Read {
        Frame,   // `frame` and `seconds` hold the next frame
        Ended,   // a video's last frame has been read; nothing more will come
        Failed,  // the camera stopped delivering: close and open again
    };

    virtual ~FrameFeed() = default;
    // Opens (again); false with `error` set (one line) when the camera or the video cannot be
    // had now.
    virtual bool open(std::string& error) = 0;
    virtual void close() = 0;
    // Waits for the next frame: a camera delivers at its pace, a video is paced to play at its
    // frame rate times the speed given to the feed.
    virtual Read read(cv::Mat& frame, double& seconds) = 0;
    // Frames per second: the camera's or the video's once open, before that the rate asked for.
    virtual double framesPerSecond() const = 0;
    // A camera comes back after an outage; a video that ended stays ended.
    virtual bool reconnects() const = 0;
    // What the user named: the device or the file, for messages.
    virtual const std::string& name() const = 0;
};

}  // namespace qvtrack
