#include "CameraPaths.h"

#include <gtest/gtest.h>

#include <map>

namespace qvtrack {
namespace {

CameraPaths With(std::map<std::string, std::string> variables) {
    return CameraPaths::FromEnvironment([&variables](const char* name) -> const char* {
        auto it = variables.find(name);
        return it == variables.end() ? nullptr : it->second.c_str();
    });
}

TEST(CameraPaths, TheCalibrationIsTheUsersOwn) {
    struct Case {
        const char* what;
        std::map<std::string, std::string> variables;
        std::string calibration;
    };
    const Case cases[] = {
        {"the XDG folder", {{"XDG_CONFIG_HOME", "/home/ann/conf"}, {"HOME", "/home/ann"}},
         "/home/ann/conf/lumora/camera-calibration"},
        {"no XDG folder", {{"HOME", "/home/ann"}}, "/home/ann/.config/lumora/camera-calibration"},
        {"an empty XDG folder", {{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/ann"}},
         "/home/ann/.config/lumora/camera-calibration"},
        {"a relative XDG folder", {{"XDG_CONFIG_HOME", "conf"}, {"HOME", "/home/ann"}},
         "/home/ann/.config/lumora/camera-calibration"},
        {"no home at all", {}, ""},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(With(k.variables).calibration, k.calibration) << k.what;
    }
}

TEST(CameraPaths, TheFaceDataComesFromTheVariableOrTheSystem) {
    EXPECT_EQ(With({{"QVTRACK_FACE_CASCADE", "/opt/faces.xml"}}).cascade, "/opt/faces.xml");
    const std::string found = With({}).cascade;
    EXPECT_FALSE(found.empty());
    EXPECT_NE(found.find("haarcascade_frontalface_default.xml"), std::string::npos) << found;
}

}  // namespace
}  // namespace qvtrack
