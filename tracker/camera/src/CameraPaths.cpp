#include "CameraPaths.h"

#include <cstdlib>

#include "RegularFile.h"

#ifndef QVTRACK_CONFIGURED_CASCADE
#define QVTRACK_CONFIGURED_CASCADE ""
#endif

namespace qvtrack {

namespace {

std::string Variable(const EnvLookup& env, const char* name) {
    const char* value = env(name);
    return value ? std::string(value) : std::string();
}

}  // namespace

CameraPaths CameraPaths::FromEnvironment(const EnvLookup& env) {
    CameraPaths paths;
    // A relative XDG folder is invalid by the base directory rules; it would follow the
    // working folder, which Lumora changes.
    const std::string config = Variable(env, "XDG_CONFIG_HOME");
    const std::string home = Variable(env, "HOME");
    if (!config.empty() && config.front() == '/') {
        paths.calibration = config + "/" + kCalibrationName;
    } else if (!home.empty()) {
        paths.calibration = home + "/.config/" + kCalibrationName;
    }

    paths.cascade = Variable(env, kCascadeVariable);
    if (paths.cascade.empty()) {
        const std::string configured = QVTRACK_CONFIGURED_CASCADE;
        if (!configured.empty() && support::IsRegularFile(configured)) {
            paths.cascade = configured;
        } else if (support::IsRegularFile(kDebianCascade)) {
            paths.cascade = kDebianCascade;
        } else {
            paths.cascade = configured.empty() ? std::string(kDebianCascade) : configured;
        }
    }
    return paths;
}

CameraPaths CameraPaths::FromEnvironment() {
    return FromEnvironment([](const char* name) { return std::getenv(name); });
}

}  // namespace qvtrack
