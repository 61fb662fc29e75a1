#include "CalibrationLauncher.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "CalibrationFile.h"
#include "CameraPaths.h"
#include "CameraSourceFactory.h"

extern char** environ;

namespace qvtrack {

namespace {

constexpr const char* kPrefix = "Calibration: ";
constexpr int kForwarded[] = {SIGINT, SIGTERM, SIGHUP};

volatile sig_atomic_t g_child = 0;

void Forward(int signal) {
    if (g_child > 0) {
        ::kill(static_cast<pid_t>(g_child), signal);
    }
}

bool HasScreen(const EnvLookup& env) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = env(name);
        if (value && *value) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool CalibrationLauncher::Needed(const EnvLookup& env, const std::string& calibrationPath, std::string& why) {
    if (!HasScreen(env)) {
        why = "no screen to show the targets on; the camera source uses the saved calibration";
        return false;
    }
    const char* keep = env(kKeepVariable);
    if (keep && std::string(keep) == kKeep && !calibrationPath.empty() &&
        CalibrationFile::Read(calibrationPath).status == CalibrationFile::Status::Ok) {
        why = "keeping the saved camera calibration " + calibrationPath;
        return false;
    }
    return true;
}

int CalibrationLauncher::Run(const std::string& camera, const std::string& programFolder, const EnvLookup& env,
                             const std::string& calibrationPath) {
    std::string why;
    if (!Needed(env, calibrationPath, why)) {
        std::cout << kPrefix << why << std::endl;
        return kSaved;
    }
    const std::string program = (std::filesystem::path(programFolder) / kProgram).string();
    if (::access(program.c_str(), X_OK) != 0) {
        std::cout << kPrefix << "the camera calibration program " << program << " is missing" << std::endl;
        return kNotSaved;
    }
    std::string arg0 = kProgram, option = "--camera", name = camera.empty() ? kDefaultCamera : camera;
    char* argv[] = {arg0.data(), option.data(), name.data(), nullptr};

    struct sigaction forward {};
    forward.sa_handler = Forward;
    sigemptyset(&forward.sa_mask);
    struct sigaction previous[std::size(kForwarded)] {};
    for (std::size_t i = 0; i < std::size(kForwarded); ++i) {
        ::sigaction(kForwarded[i], &forward, &previous[i]);
    }
    pid_t pid = 0;
    int status = 0;
    const bool started = ::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) == 0;
    if (started) {
        g_child = pid;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        g_child = 0;
    }
    for (std::size_t i = 0; i < std::size(kForwarded); ++i) {
        ::sigaction(kForwarded[i], &previous[i], nullptr);
    }
    if (!started) {
        std::cout << kPrefix << "cannot start " << program << std::endl;
        return kNotSaved;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : kNotSaved;
}

int RunCameraCalibration(const std::string& name) {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    const EnvLookup env = [](const char* variable) { return std::getenv(variable); };
    return CalibrationLauncher::Run(name, ec ? std::string(".") : self.parent_path().string(), env,
                                    CameraPaths::FromEnvironment(env).calibration);
}

}  // namespace qvtrack
