// GazeThread: the worker that owns the tracker connection. In order: runs the calibration
// program and waits for it, posts WM_TRACKER_READY, starts the tracker, opens the gaze data file
// and writes its header, then handles one sample per tracker frame until gazeRunning clears,
// shuts the tracker down, closes the file and posts WM_CLOSE. It talks to the windows only
// through the message sink and never waits for them.
#pragma once

#include <atomic>
#include <ctime>
#include <string>
#include <thread>

#include "GazeMessages.h"
#include "GazeShared.h"
#include "GazeTuning.h"
#include "qvtrack.h"

namespace lumora {

// The tracker library's calls, so tests can stand in for the tracker.
struct TrackerApi {
    int (*QvInit)(TrackerControl* control);
    int (*QvEyeImageInit)(EyeImageInfo* info, int mode);
    int (*QvGetData)(TrackerControl* control);
    int (*QvEyeImageDisplay)(int image, int left, int top, int width, int height, void* surface);
    int (*QvExit)(TrackerControl* control);
};

// libqvtrack's own functions.
TrackerApi QvTrackerApi();

// The name of the tracker's calibration program, looked for in the working directory, then
// beside the running program, then in the installed suite's private program folder (a program
// of that plain name does not belong in the system's command path).
inline constexpr const char* kCalibrationProgram = "Calibrate";
inline constexpr const char* kInstalledProgramsFromBin = "../libexec/lumora";

// Finds the calibration program for a program that runs from programDir; empty when there is
// none. The overload without argument takes the running program's folder.
std::string FindCalibrationProgram(const std::string& programDir);
std::string FindCalibrationProgram();
// Runs it with an argument vector (no shell) and waits for it. False when it could not start.
// With `keepWaiting`, the wait ends as soon as that flag clears: the program is then asked to
// end (SIGTERM, SIGKILL when it has not ended a few seconds later) and reaped, so a stop request
// is never held up by a calibration waiting on a silent tracker.
bool RunCalibrationProgram(const std::string& path, const std::atomic<bool>* keepWaiting = nullptr);

class GazeThread {
public:
    // The sink and the shared state must outlive the thread. The screen size is the host's,
    // in pixels.
    GazeThread(GazeMessageSink& sink, GazeShared& shared, GazeTuning tuning, int screenWidth, int screenHeight,
               TrackerApi api = QvTrackerApi());
    ~GazeThread();
    GazeThread(const GazeThread&) = delete;
    GazeThread& operator=(const GazeThread&) = delete;

    // The run's start time names the gaze data file; by default the time of construction.
    void setStartTime(std::time_t startTime) { m_startTime = startTime; }
    // The surface handed to QvEyeImageDisplay (none by default).
    void setEyeImageSurface(void* surface) { m_surface = surface; }

    // Sets gazeRunning and starts the thread (once).
    void start();
    // Clears gazeRunning; the thread finishes the sample in progress and shuts down.
    void requestStop();
    void join();

    // The thread's body; public so a caller can run it on a thread of its own.
    void GazeThreadProc();

private:
    GazeMessageSink& m_sink;
    GazeShared& m_shared;
    GazeTuning m_tuning;
    int m_screenWidth;
    int m_screenHeight;
    TrackerApi m_api;
    std::time_t m_startTime;
    void* m_surface = nullptr;
    std::thread m_thread;
};

}  // namespace lumora
