// The camera's calibration window: full screen, black, nine large targets one after another,
// each with a countdown; the user turns the head to each and holds still. The face is followed
// in the camera's frames on a thread of its own while the targets show (CalibrationSession
// keeps the time on the frames' clock), and at the end the fitted map is saved for the user.
//
// Escape cancels; the saved calibration is then left as it was, as it is when the calibration
// fails (the face not seen at enough targets, no picture from the camera). The window closes
// itself a moment after the result shows.
//
// Threads: the window lives on the user-interface thread; the camera's thread only posts each
// frame's observation to it.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <string>

#include "BackgroundLoop.h"
#include "CalibrationSession.h"
#include "CameraReader.h"

namespace qvtrack {

class CameraCalibrateWindow : public QWidget {
    Q_OBJECT

public:
    struct Setup {
        std::string camera;       // a camera device or a video file; empty: none is opened, the
                                  // caller hands in the observations (addObservation)
        double speed = 1;         // a video's pace multiplier; 0: as fast as it decodes
        std::string calibration;  // where the map is saved
        std::string cascade;      // the face detector's data
        int resultMs = 3000;      // how long the result shows before the window closes
        int noPictureMs = 10000;  // how long to wait for the camera's first (or next) frame
    };

    enum class State { Running, Saved, Failed, Cancelled };
    enum Exit { kSaved = 0, kNotSaved = 1 };

    explicit CameraCalibrateWindow(Setup setup, QWidget* parent = nullptr);
    ~CameraCalibrateWindow() override;

    // One frame's observation from the camera; the session advances with it.
    void addObservation(const FaceObservation& face);
    // The video ended (a camera never does).
    void videoEnded();
    // Escape: no calibration is saved.
    void cancel();

    State state() const { return m_state; }
    int exitCode() const { return m_state == State::Saved ? kSaved : kNotSaved; }
    const CalibrationSession& session() const { return m_session; }
    // The line at the top, the face's state at the bottom, and the result at the end.
    QString instruction() const;
    QString faceStatus() const;
    QString result() const { return m_result; }
    // Where the target shown is drawn, in the window; empty when none shows.
    QRect targetRect() const;
    // The countdown in the target, or empty.
    QString countdownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void startCamera();
    void finish();
    void fail(const QString& why);
    void end(State state, const QString& result);
    void checkPicture();

    Setup m_setup;
    CalibrationSession m_session;
    State m_state = State::Running;
    QString m_result;
    QString m_cameraName;
    bool m_framesCame = false;
    QElapsedTimer m_sinceFrame;
    QTimer m_watch;
    std::unique_ptr<CameraReader> m_reader;
    BackgroundLoop m_loop;  // last: joined before the members above go
};

}  // namespace qvtrack
