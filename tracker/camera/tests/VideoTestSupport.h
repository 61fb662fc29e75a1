// Test videos for the camera tests: made in the test's scratch folder (the working folder),
// once per folder, from the astronaut portrait.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "CaptureFeed.h"
#include "Clock.h"
#include "FaceFinder.h"
#include "HeadScripts.h"
#include "HeadVideo.h"

namespace qvtrack::headvideo {

// The maker, or null (and a failed test) when the portrait or the cascade is missing.
inline const HeadVideo* Maker() {
    static std::string error;
    static const std::optional<HeadVideo> video = HeadVideo::Load(PortraitPath(), CascadePath(), error);
    if (!video) {
        ADD_FAILURE() << "cannot make test videos: " << error;
        return nullptr;
    }
    return &*video;
}

// The video for the script, made when missing; empty (and a failed test) when it cannot be.
inline std::string Video(const std::string& stem, const Script& script, double rate = kTestRate) {
    const std::string folder = std::filesystem::current_path().string();
    if (const std::string made = VideoPath(folder, stem, script, rate); std::filesystem::exists(made)) {
        return made;  // made by an earlier test of this folder: the maker need not even load
    }
    const HeadVideo* maker = Maker();
    if (!maker) {
        return {};
    }
    const std::string path = maker->make(folder, stem, script, rate);
    EXPECT_FALSE(path.empty()) << "cannot write the test video " << stem;
    return path;
}

// A loaded face finder for the tests.
inline std::unique_ptr<FaceFinder> LoadedFinder() {
    CaptureFeed::SetUpOpenCv();
    auto finder = std::make_unique<FaceFinder>();
    std::string error;
    EXPECT_TRUE(finder->load(CascadePath(), error)) << error;
    return finder;
}

// Plays a video file unpaced, frame by frame.
struct VideoFrames {
    explicit VideoFrames(const std::string& path)
        : feed(CaptureFeed::Kind::Video, path, 0, 0, clock) {
        std::string error;
        opened = feed.open(error);
        EXPECT_TRUE(opened) << path << ": " << error;
    }
    bool next(cv::Mat& frame, double& seconds) {
        return opened && feed.read(frame, seconds) == FrameFeed::Read::Frame;
    }

    SteadyClock clock;
    CaptureFeed feed;
    bool opened = false;
};

}  // namespace qvtrack::headvideo
