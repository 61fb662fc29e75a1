#include "CalibrationLauncher.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "CalibrationFile.h"

namespace qvtrack {
namespace {

namespace fs = std::filesystem;

struct Environment {
    std::map<std::string, std::string> variables;
    EnvLookup lookup() const {
        return [this](const char* name) -> const char* {
            auto it = variables.find(name);
            return it == variables.end() ? nullptr : it->second.c_str();
        };
    }
};

std::string Folder(const std::string& name) {
    const fs::path folder = fs::current_path() / "launcher" / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder.string();
}

// A stand-in for the calibration window: writes its arguments beside itself and ends with
// `status`.
void FakeProgram(const std::string& folder, int status) {
    const std::string path = folder + "/" + CalibrationLauncher::kProgram;
    std::ofstream(path) << "#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/arguments\"\nexit " << status << "\n";
    ::chmod(path.c_str(), 0755);
}

std::string SavedCalibration(const std::string& folder) {
    const std::string path = folder + "/lumora/camera-calibration";
    CalibrationFile::Contents contents;
    contents.targets = 9;
    EXPECT_EQ(CalibrationFile::Write(path, contents), support::WriteStatus::Ok);
    return path;
}

TEST(CalibrationLauncher, TheWindowRunsForTheCameraAndItsStatusIsPassedOn) {
    const std::string folder = Folder("runs");
    Environment env{{{"DISPLAY", ":0"}}};
    for (int status : {0, 1, 2}) {
        FakeProgram(folder, status);
        EXPECT_EQ(CalibrationLauncher::Run("/dev/video2", folder, env.lookup(), ""), status);
        std::ifstream arguments(folder + "/arguments");
        std::string line;
        std::getline(arguments, line);
        EXPECT_EQ(line, "--camera /dev/video2");
    }
}

TEST(CalibrationLauncher, WithoutAScreenOrWithAKeptCalibrationThereIsNothingToDo) {
    const std::string folder = Folder("nothing-to-do");
    FakeProgram(folder, 1);
    const std::string saved = SavedCalibration(folder);
    struct Case {
        const char* what;
        std::map<std::string, std::string> variables;
        std::string calibration;
        bool needed;
    };
    const Case cases[] = {
        {"no screen", {}, saved, false},
        {"an empty DISPLAY", {{"DISPLAY", ""}}, saved, false},
        {"a screen", {{"DISPLAY", ":0"}}, saved, true},
        {"a Wayland screen", {{"WAYLAND_DISPLAY", "wayland-0"}}, saved, true},
        {"Qt's offscreen platform", {{"QT_QPA_PLATFORM", "offscreen"}}, saved, true},
        {"kept", {{"DISPLAY", ":0"}, {"QVTRACK_CALIBRATION", "keep"}}, saved, false},
        {"kept but none saved", {{"DISPLAY", ":0"}, {"QVTRACK_CALIBRATION", "keep"}}, folder + "/none", true},
        {"something else than keep", {{"DISPLAY", ":0"}, {"QVTRACK_CALIBRATION", "yes"}}, saved, true},
    };
    for (const Case& k : cases) {
        Environment env{k.variables};
        std::string why;
        EXPECT_EQ(CalibrationLauncher::Needed(env.lookup(), k.calibration, why), k.needed) << k.what;
        EXPECT_EQ(why.empty(), k.needed) << k.what;
        if (!k.needed) {
            EXPECT_EQ(CalibrationLauncher::Run("0", folder, env.lookup(), k.calibration), CalibrationLauncher::kSaved)
                << k.what;
        }
    }
}

TEST(CalibrationLauncher, AKeptCalibrationThatIsDamagedIsNotKept) {
    const std::string folder = Folder("damaged");
    const std::string path = folder + "/camera-calibration";
    std::ofstream(path) << "Lumora camera calibration 1\nmodel affine\n";
    Environment env{{{"DISPLAY", ":0"}, {"QVTRACK_CALIBRATION", "keep"}}};
    std::string why;
    EXPECT_TRUE(CalibrationLauncher::Needed(env.lookup(), path, why));
}

TEST(CalibrationLauncher, AMissingWindowProgramSavesNothing) {
    const std::string folder = Folder("missing");
    Environment env{{{"DISPLAY", ":0"}}};
    EXPECT_EQ(CalibrationLauncher::Run("", folder, env.lookup(), ""), CalibrationLauncher::kNotSaved);
}

}  // namespace
}  // namespace qvtrack
