// camera_demogen: makes the camera's end-to-end video, a person drawing a rectangle in Lumora
// with the head through a webcam (CameraSession), and that person's calibration.
//
//   camera_demogen OUTDIR   writes OUTDIR/head.avi and OUTDIR/config/lumora/camera-calibration
//
// Run Lumora on it with XDG_CONFIG_HOME=OUTDIR/config, QVTRACK_CALIBRATION=keep and
// --gaze camera:OUTDIR/head.avi on a 1024 x 768 screen. The calibration is the one a perfect
// calibration of the video's head would give, so the run does not depend on the calibration
// window's timing.
#include <QSize>
#include <cstdio>
#include <filesystem>
#include <opencv2/imgproc.hpp>
#include <opencv2/videoio.hpp>

#include "CalibrationFile.h"
#include "CameraSession.h"
#include "DemoRandom.h"
#include "FaceFinder.h"
#include "FaceTracker.h"
#include "HeadPointer.h"
#include "HeadScripts.h"
#include "HeadUser.h"
#include "HeadVideo.h"
#include "LumoraModel.h"

using namespace qvtrack;
using namespace qvtrack::headvideo;

namespace {

// The map of a perfect calibration: the screen place a head points at from the place the face
// tracker puts that head's face. The tracker's centre is the cascade's box centre where it
// first finds the face, a few pixels off the video's face centre; that offset is measured.
std::optional<HeadMap> PerfectMap(const HeadVideo& maker, FaceFinder& finder, std::string& error) {
    cv::RNG rng(1);
    Shot middle;
    middle.face = FaceFor(0.5, 0.5);
    cv::Mat gray;
    cv::cvtColor(maker.render(middle, rng), gray, cv::COLOR_BGR2GRAY);
    const auto box = finder.search(gray);
    if (!box) {
        error = "no face found in the video's first picture";
        return std::nullopt;
    }
    const cv::Point2d offset = cv::Point2d(box->x + box->width / 2.0, box->y + box->height / 2.0) - middle.face;
    std::vector<MapPoint> points;
    constexpr int kGrid = 5;
    for (int i = 0; i < kGrid; ++i) {
        for (int k = 0; k < kGrid; ++k) {
            const double x = 0.05 + 0.9 * i / (kGrid - 1);
            const double y = 0.05 + 0.9 * k / (kGrid - 1);
            const cv::Point2d face = FaceFor(x, y) + offset;
            points.push_back({face.x / kWidth - 0.5, face.y / kHeight - 0.5, x, y});
        }
    }
    return HeadMap::Fit(points, error);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: camera_demogen OUTDIR\n");
        return 2;
    }
    const std::filesystem::path out = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(out, ec);
    std::string error;
    auto maker = HeadVideo::Load(PortraitPath(), CascadePath(), error);
    FaceFinder finder;
    if (!maker || !finder.load(CascadePath(), error)) {
        std::fprintf(stderr, "camera_demogen: %s\n", error.c_str());
        return 1;
    }
    auto map = PerfectMap(*maker, finder, error);
    if (!map) {
        std::fprintf(stderr, "camera_demogen: %s\n", error.c_str());
        return 1;
    }
    CalibrationFile::Contents calibration;
    calibration.map = *map;
    calibration.targets = 25;
    const std::string calibrationPath = (out / "config/lumora/camera-calibration").string();
    if (CalibrationFile::Write(calibrationPath, calibration) != support::WriteStatus::Ok) {
        std::fprintf(stderr, "camera_demogen: cannot write %s\n", calibrationPath.c_str());
        return 1;
    }

    const std::string videoPath = (out / "head.avi").string();
    cv::VideoWriter video(videoPath, cv::CAP_OPENCV_MJPEG, cv::VideoWriter::fourcc('M', 'J', 'P', 'G'), kCameraRate,
                          cv::Size(kWidth, kHeight), true);
    if (!video.isOpened()) {
        std::fprintf(stderr, "camera_demogen: cannot write %s\n", videoPath.c_str());
        return 1;
    }
    const QSize screen(kScreenWidth, kScreenHeight);
    FaceTracker tracker(finder);
    HeadPointer pointer(*map, HostScreen{kScreenWidth, kScreenHeight});
    lumora::demo::LumoraModel model(CameraModelSettings());
    lumora::demo::DemoRandom random(kSessionSeed);
    HeadUser user(model, random, *maker, tracker, pointer, video, kCameraRate, screen);
    try {
        for (const lumora::demo::Action& action : RectangleSession(screen)) {
            user.perform(action);
            std::printf("%6.2f s  %s (%d commits)\n", user.frames() / kCameraRate, qPrintable(action.what),
                        model.commits());
        }
    } catch (const SessionStalled& e) {
        std::fprintf(stderr, "camera_demogen: %s\n", e.what());
        return 1;
    }
    video.release();
    std::printf("%s: %d frames, %.1f s\n", videoPath.c_str(), user.frames(), user.frames() / kCameraRate);
    return 0;
}
