#include "GazeThread.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>

#include "GazePipeline.h"

extern char** environ;

namespace lumora {

namespace {

// What the program hands the tracker before QvInit.
constexpr int kRequestedRate = 60;
constexpr int kOption20 = 0;
constexpr int kOption24 = 1;
constexpr int kOption28 = 0;
constexpr int kEyeImageMode = 4;
constexpr int kEyeImage = 0;

bool IsExecutableFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

void WriteDataHeader(GazeDataFile& file, int width, int height, int rate, const GazeTuning& tuning) {
    const std::string w = std::string(kDataScreenWidthLabel) + std::to_string(width);
    const std::string h = std::string(kDataScreenHeightLabel) + std::to_string(height);
    const std::string r = std::string(kDataSampleRateLabel) + std::to_string(rate);
    file.writeLines({kDataVersionLine, w, h, r});
    WriteGazeSettingsLines(file, tuning);
}

}  // namespace

TrackerApi QvTrackerApi() {
    return TrackerApi{&::QvInit, &::QvEyeImageInit, &::QvGetData, &::QvEyeImageDisplay, &::QvExit};
}

std::string FindCalibrationProgram(const std::string& programDir) {
    std::string here = std::string("./") + kCalibrationProgram;
    if (IsExecutableFile(here))
        return here;
    if (programDir.empty())
        return {};
    const std::filesystem::path dir(programDir);
    for (const std::filesystem::path& candidate :
         {dir / kCalibrationProgram, (dir / kInstalledProgramsFromBin / kCalibrationProgram).lexically_normal()}) {
        if (IsExecutableFile(candidate.string()))
            return candidate.string();
    }
    return {};
}

std::string FindCalibrationProgram() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return FindCalibrationProgram(ec ? std::string() : self.parent_path().string());
}

bool RunCalibrationProgram(const std::string& path, const std::atomic<bool>* keepWaiting) {
    std::string arg0(kCalibrationProgram);
    char* argv[] = {arg0.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) != 0)
        return false;
    int status = 0;
    if (!keepWaiting) {
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        return true;
    }
    // Polled rather than blocked on, so that a stop request is seen while the program runs.
    constexpr auto kPoll = std::chrono::milliseconds(20);
    constexpr auto kGraceBeforeKill = std::chrono::seconds(3);
    bool terminated = false;
    std::chrono::steady_clock::time_point killAt{};
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR))
            return true;
        if (!terminated && !keepWaiting->load()) {
            ::kill(pid, SIGTERM);
            terminated = true;
            killAt = std::chrono::steady_clock::now() + kGraceBeforeKill;
        } else if (terminated && std::chrono::steady_clock::now() >= killAt) {
            ::kill(pid, SIGKILL);
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            return true;
        }
        std::this_thread::sleep_for(kPoll);
    }
}

GazeThread::GazeThread(GazeMessageSink& sink, GazeShared& shared, GazeTuning tuning, int screenWidth, int screenHeight,
                       TrackerApi api)
    : m_sink(sink),
      m_shared(shared),
      m_tuning(tuning),
      m_screenWidth(screenWidth),
      m_screenHeight(screenHeight),
      m_api(api),
      m_startTime(std::time(nullptr)) {}

GazeThread::~GazeThread() {
    requestStop();
    join();
}

void GazeThread::start() {
    if (m_thread.joinable())
        return;
    m_shared.gazeRunning.store(true);
    m_thread = std::thread(&GazeThread::GazeThreadProc, this);
}

void GazeThread::requestStop() {
    m_shared.gazeRunning.store(false);
}

void GazeThread::join() {
    if (m_thread.joinable())
        m_thread.join();
}

void GazeThread::GazeThreadProc() {
    const std::string calibrate = FindCalibrationProgram();
    if (!calibrate.empty())
        RunCalibrationProgram(calibrate, &m_shared.gazeRunning);

    m_sink.post(WM_TRACKER_READY, 0, 0);

    TrackerControl control{};
    control.requestedRate = kRequestedRate;
    control.started = 0;
    control.screenWidth = m_screenWidth;
    control.screenHeight = m_screenHeight;
    control.option20 = kOption20;
    control.option24 = kOption24;
    control.option28 = kOption28;
    m_api.QvInit(&control);
    EyeImageInfo eyeImage{};
    m_api.QvEyeImageInit(&eyeImage, kEyeImageMode);
    control.started = 1;

    const int rate = control.iSamplePerSec;
    m_shared.iSamplePerSec.store(rate);
    const float thresholdPx = DeviationThresholdPx(m_tuning.GazeDev, m_screenWidth);
    m_shared.minimum_fix_samples.store(MinimumFixSamples(rate, m_tuning.fMinFixMs));
    GazePipeline pipeline(m_sink, m_shared, thresholdPx, m_screenWidth, m_screenHeight);
    pipeline.reset();

    // A user who works only with the eyes must not lose all input over a log file: without the
    // file the gaze goes on, unrecorded.
    if (m_shared.dataFile.open(m_startTime)) {
        WriteDataHeader(m_shared.dataFile, m_screenWidth, m_screenHeight, rate, m_tuning);
    } else {
        std::fprintf(stderr, "Lumora: cannot open the gaze data file %s; gaze input goes on without recording\n",
                     m_shared.dataFile.path().c_str());
    }

    while (m_shared.gazeRunning.load()) {
        m_api.QvGetData(&control);
        m_api.QvEyeImageDisplay(kEyeImage, m_screenWidth - eyeImage.width, 0, eyeImage.width, eyeImage.height,
                                m_surface);
        const GazeSample* sample = control.sample;
        if (sample)
            pipeline.onSample(sample->found, sample->x, sample->y);
    }

    m_api.QvExit(&control);
    m_shared.dataFile.close();
    m_sink.post(WM_CLOSE, 0, 0);
}

}  // namespace lumora
