// The one export of libqvtrack-camera.so: the camera source for the tracker library, which
// loads this module only when the camera is asked for (CameraModule.h states the contract).
#include <algorithm>
#include <cstring>
#include <exception>
#include <string>
#include <type_traits>

#include "CameraModule.h"
#include "CameraSourceFactory.h"

namespace {

void Tell(const std::string& text, char* error, std::size_t errorSize) {
    if (!error || errorSize == 0) {
        return;
    }
    const std::size_t n = std::min(text.size(), errorSize - 1);
    std::memcpy(error, text.data(), n);
    error[n] = '\0';
}

}  // namespace

extern "C" QVTRACK_EXPORT qvtrack::GazeSource* QvCameraSourceCreate(int interfaceVersion, const char* name,
                                                                   int requestedRate, double speed, int screenWidth,
                                                                   int screenHeight, qvtrack::Clock* clock,
                                                                   qvtrack::TrackStats* stats, char* error,
                                                                   std::size_t errorSize) {
    static_assert(std::is_same_v<decltype(&QvCameraSourceCreate), qvtrack::CameraModule::Entry>);
    if (interfaceVersion != qvtrack::CameraModule::kInterface || !clock || !stats) {
        Tell("the camera module is not one of this build", error, errorSize);
        return nullptr;
    }
    try {
        std::string why;
        auto source = qvtrack::CreateCameraSource(name ? name : "", requestedRate, speed, {screenWidth, screenHeight},
                                                  *clock, *stats, why);
        if (!source) {
            Tell(why, error, errorSize);
        }
        return source.release();
    } catch (const std::exception& e) {
        Tell(std::string("the camera source failed to start: ") + e.what(), error, errorSize);
    } catch (...) {
        Tell("the camera source failed to start", error, errorSize);
    }
    return nullptr;
}
