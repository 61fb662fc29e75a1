#include "CameraCalibrateWindow.h"

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "CalibrationFile.h"
#include "VideoTestSupport.h"

namespace qvtrack {
namespace {

using namespace headvideo;
namespace fs = std::filesystem;

constexpr int kLongMs = 120000;

std::string Folder(const std::string& name) {
    const fs::path folder = fs::current_path() / "window" / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder.string();
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

// The user does the calibration as the window asks, and stays a moment after it.
std::string CalibrationVideo() {
    Script script;
    AddCalibration(script, kCalibrationRate);
    Hold(script, FaceFor(0.5, 0.5), 5);
    return Video("calibration", script, kCalibrationRate);
}

CameraCalibrateWindow::Setup SetupFor(const std::string& camera, const std::string& folder, double speed = 0) {
    CameraCalibrateWindow::Setup setup;
    setup.camera = camera;
    setup.speed = speed;
    setup.calibration = folder + "/lumora/camera-calibration";
    setup.cascade = CascadePath();
    setup.resultMs = 50;
    return setup;
}

// Runs the event loop until the window's result is in, or a long time has passed.
void WaitForResult(CameraCalibrateWindow& window) {
    QTRY_VERIFY_WITH_TIMEOUT(window.state() != CameraCalibrateWindow::State::Running, kLongMs);
}

// A saved calibration the tests expect to survive.
std::string SaveEarlier(const std::string& folder) {
    const std::string path = folder + "/lumora/camera-calibration";
    CalibrationFile::Contents contents;
    contents.targets = 5;
    EXPECT_EQ(CalibrationFile::Write(path, contents), support::WriteStatus::Ok);
    return Read(path);
}

TEST(CameraCalibrateWindow, ACalibrationDoneAsAskedIsSavedAndPointsWhereTheHeadPoints) {
    const std::string folder = Folder("saved");
    CameraCalibrateWindow window(SetupFor(CalibrationVideo(), folder));
    window.resize(1024, 768);
    window.show();
    WaitForResult(window);
    ASSERT_EQ(window.state(), CameraCalibrateWindow::State::Saved) << window.result().toStdString();
    EXPECT_EQ(window.exitCode(), 0);
    EXPECT_TRUE(window.result().contains(QStringLiteral("9 of 9"))) << window.result().toStdString();

    const auto saved = CalibrationFile::Read(folder + "/lumora/camera-calibration");
    ASSERT_EQ(saved.status, CalibrationFile::Status::Ok) << saved.error;
    EXPECT_EQ(saved.contents.targets, 9);
    EXPECT_EQ(saved.contents.map.model(), HeadMap::Model::Quadratic);
    // The map from the calibration takes the face where the head points at a place to that
    // place; the tracker's centre sits a constant few pixels off the video's face centre, so
    // compare one place with another rather than with the shares themselves.
    double cx = 0, cy = 0;
    const cv::Point2d middle = FaceFor(0.5, 0.5);
    saved.contents.map.apply(middle.x / kWidth - 0.5, middle.y / kHeight - 0.5, cx, cy);
    for (const auto& t : CalibrationSession::Targets()) {
        const cv::Point2d face = FaceFor(t.x, t.y);
        double x = 0, y = 0;
        saved.contents.map.apply(face.x / kWidth - 0.5, face.y / kHeight - 0.5, x, y);
        EXPECT_NEAR(x - cx, t.x - 0.5, 0.01) << t.x << ", " << t.y;
        EXPECT_NEAR(y - cy, t.y - 0.5, 0.01) << t.x << ", " << t.y;
    }
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), kLongMs);  // it closes itself
}

TEST(CameraCalibrateWindow, EscapeCancelsAndTheEarlierCalibrationStays) {
    const std::string folder = Folder("cancelled");
    const std::string earlier = SaveEarlier(folder);
    // At the video's own pace, so the calibration is still going when Escape comes.
    CameraCalibrateWindow window(SetupFor(CalibrationVideo(), folder, 1.0));
    window.resize(800, 600);
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(window.faceStatus() == QStringLiteral("Face found"), kLongMs);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(window.state(), CameraCalibrateWindow::State::Cancelled);
    EXPECT_EQ(window.exitCode(), 1);
    EXPECT_EQ(Read(folder + "/lumora/camera-calibration"), earlier);
}

TEST(CameraCalibrateWindow, WithoutAPictureItGivesUpAndTheEarlierCalibrationStays) {
    const std::string folder = Folder("no-camera");
    const std::string earlier = SaveEarlier(folder);
    CameraCalibrateWindow::Setup setup = SetupFor("/dev/video-lumora-test", folder);
    setup.noPictureMs = 300;
    CameraCalibrateWindow window(setup);
    window.show();
    EXPECT_EQ(window.faceStatus(), QStringLiteral("Waiting for the camera /dev/video-lumora-test"));
    WaitForResult(window);
    EXPECT_EQ(window.state(), CameraCalibrateWindow::State::Failed);
    EXPECT_TRUE(window.result().contains(QStringLiteral("No picture from the camera /dev/video-lumora-test")))
        << window.result().toStdString();
    EXPECT_EQ(Read(folder + "/lumora/camera-calibration"), earlier);
}

TEST(CameraCalibrateWindow, AVideoThatEndsTooEarlyOrIsNoVideoFails) {
    const std::string folder = Folder("short");
    Script script;
    Hold(script, FaceFor(0.5, 0.5), 20);
    const std::string notVideo = folder + "/notes.avi";
    std::ofstream(notVideo) << "not a video\n";
    for (const std::string& camera : {Video("too-short", script), notVideo}) {
        CameraCalibrateWindow window(SetupFor(camera, folder));
        WaitForResult(window);
        EXPECT_EQ(window.state(), CameraCalibrateWindow::State::Failed) << camera;
        EXPECT_FALSE(fs::exists(folder + "/lumora/camera-calibration"));
    }
}

// Frames posted as the camera's thread posts them, straight to the window.
void Post(CameraCalibrateWindow& window, bool found, double seconds) {
    FaceObservation face;
    face.found = found;
    face.x = 320;
    face.y = 240;
    face.frameWidth = kWidth;
    face.frameHeight = kHeight;
    face.seconds = seconds;
    window.addObservation(face);
}

// A window without a camera: the test hands in the frames.
CameraCalibrateWindow::Setup Driven(const std::string& folder) {
    CameraCalibrateWindow::Setup setup = SetupFor("", folder);
    setup.noPictureMs = kLongMs;
    return setup;
}

TEST(CameraCalibrateWindow, AFaceSeenAtTooFewTargetsSavesNothing) {
    const std::string folder = Folder("too-few");
    CameraCalibrateWindow window(Driven(folder));
    // The user is there for the first two targets and then leaves.
    const double leaves = CalibrationSession::kIntroSeconds + 2 * CalibrationSession::kTargetSeconds;
    const double ends = CalibrationSession::kIntroSeconds + 9 * CalibrationSession::kTargetSeconds;
    for (int frame = 0; frame <= static_cast<int>(ends * kTestRate) + 1; ++frame) {
        Post(window, frame < leaves * kTestRate, frame / kTestRate);
    }
    EXPECT_EQ(window.state(), CameraCalibrateWindow::State::Failed);
    EXPECT_TRUE(window.result().contains(QStringLiteral("too few calibration points"))) << window.result().toStdString();
    EXPECT_FALSE(fs::exists(folder + "/lumora/camera-calibration"));
}

// The window's face, driven frame by frame: the targets in turn where the session puts them,
// each drawn large and counted down, and what the user is told.
TEST(CameraCalibrateWindow, TheTargetsShowOneAfterAnotherWithTheirCountdown) {
    CameraCalibrateWindow window(Driven(Folder("targets")));
    window.resize(1000, 600);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    Post(window, true, 1000);
    EXPECT_TRUE(window.targetRect().isEmpty());
    EXPECT_TRUE(window.instruction().startsWith(QStringLiteral("Turn your head to point at each target")));
    EXPECT_EQ(window.faceStatus(), QStringLiteral("Face found"));
    for (int t = 0; t < CalibrationSession::kTargetCount; ++t) {
        const double shows = 1000 + CalibrationSession::kIntroSeconds + t * CalibrationSession::kTargetSeconds;
        Post(window, t != 4, shows + 0.5);
        const auto& target = CalibrationSession::Targets()[static_cast<std::size_t>(t)];
        const QRect drawn = window.targetRect();
        const QPoint middle = drawn.topLeft() + QPoint(drawn.width() / 2, drawn.height() / 2);
        EXPECT_EQ(middle, QPoint(static_cast<int>(target.x * 1000), static_cast<int>(target.y * 600))) << t;
        EXPECT_EQ(drawn.height(), 100);
        EXPECT_EQ(window.countdownText(), QStringLiteral("3"));
        EXPECT_EQ(window.instruction(), QStringLiteral("Turn your head to the target"));
        EXPECT_EQ(window.faceStatus(),
                  t == 4 ? QStringLiteral("No face in view: look at the camera") : QStringLiteral("Face found"));
        // What is on the screen: the white target where it is said to be, black around it.
        const QImage shown = window.grab().toImage();
        EXPECT_EQ(shown.pixelColor(middle + QPoint(drawn.width() / 3, 0)), QColor(Qt::white)) << t;
        const QPoint inwards(target.x > 0.5 ? -drawn.width() : drawn.width(), 0);
        EXPECT_EQ(shown.pixelColor(middle + inwards), QColor(Qt::black)) << t;

        Post(window, t != 4, shows + 0.5 + CalibrationSession::kTargetSeconds - CalibrationSession::kHoldSeconds);
        EXPECT_EQ(window.countdownText(), QStringLiteral("1"));
        EXPECT_EQ(window.instruction(), QStringLiteral("Hold still"));
    }
}

// The program as Calibrate starts it: the window full screen, its status the result.
TEST(CameraCalibrateWindow, TheProgramEndsWithZeroOnceTheCalibrationIsSaved) {
    const std::string folder = Folder("program");
    const std::string calibration = folder + "/mine";
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QStringLiteral(CAMERA_CALIBRATE_PROGRAM),
                  {QStringLiteral("--camera"), QString::fromStdString(CalibrationVideo()), QStringLiteral("--speed"),
                   QStringLiteral("0"), QStringLiteral("--calibration"), QString::fromStdString(calibration)});
    ASSERT_TRUE(program.waitForFinished(kLongMs));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(CalibrationFile::Read(calibration).status, CalibrationFile::Status::Ok);
}

TEST(CameraCalibrateWindow, TheProgramRefusesWhatItDoesNotKnow) {
    for (const QStringList& arguments : {QStringList{QStringLiteral("--speed"), QStringLiteral("fast")},
                                         QStringList{QStringLiteral("--camera")}, QStringList{QStringLiteral("-x"), QStringLiteral("1")}}) {
        QProcess program;
        program.start(QStringLiteral(CAMERA_CALIBRATE_PROGRAM), arguments);
        ASSERT_TRUE(program.waitForFinished(kLongMs));
        EXPECT_EQ(program.exitCode(), 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(program.readAllStandardError().isEmpty());
    }
}

}  // namespace
}  // namespace qvtrack

// The application lives in main, so it goes before any static of Qt's does. Listing the tests
// needs no screen.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
