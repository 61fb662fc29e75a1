// camera_calibrate_picture: draws the calibration window as the user sees it during a target
// (the second, counting down, the face found) into a PNG file, for the user guide. Runs on any
// Qt platform, the offscreen one included; no camera is opened.
//
// Usage: camera_calibrate_picture OUTPUT.png [WIDTH HEIGHT]   (default 1024 x 768)
#include <QApplication>
#include <QImage>
#include <cstdlib>
#include <iostream>

#include "CameraCalibrateWindow.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::cerr << "usage: camera_calibrate_picture OUTPUT.png [WIDTH HEIGHT]" << std::endl;
        return 2;
    }
    const int width = argc == 4 ? std::atoi(argv[2]) : 1024;
    const int height = argc == 4 ? std::atoi(argv[3]) : 768;
    if (width < 320 || height < 240 || width > 8192 || height > 8192) {
        std::cerr << "camera_calibrate_picture: the size must be from 320 x 240 to 8192 x 8192" << std::endl;
        return 2;
    }
    QApplication app(argc, argv);
    qvtrack::CameraCalibrateWindow::Setup setup;
    setup.noPictureMs = 1000 * 3600;
    qvtrack::CameraCalibrateWindow window(setup);
    window.resize(width, height);
    qvtrack::FaceObservation face;
    face.found = true;
    face.frameWidth = 640;
    face.frameHeight = 480;
    face.x = 320;
    face.y = 240;
    face.seconds = 0;
    window.addObservation(face);
    // A second into the second target: its countdown shows 2.
    face.seconds = qvtrack::CalibrationSession::kIntroSeconds + qvtrack::CalibrationSession::kTargetSeconds + 1.2;
    window.addObservation(face);
    if (!window.grab().toImage().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::cerr << "camera_calibrate_picture: cannot write " << argv[1] << std::endl;
        return 1;
    }
    return 0;
}
