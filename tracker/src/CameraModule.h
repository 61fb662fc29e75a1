// The camera source lives in a module of its own, libqvtrack-camera.so, which the library loads
// only when the camera is asked for. The module brings OpenCV and a few hundred shared
// libraries with it: loading them costs every program a quarter of a second at start-up, and
// they would come along into every process that uses the tracker library with any source.
//
// The module lies beside the tracker library (or, for a program that links the library's code
// statically, in ../lib from that program: the build tree's layout). It stays loaded until the
// process ends; OpenCV's state is not made to be unloaded.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "Clock.h"
#include "GazeSource.h"
#include "SourceConfig.h"
#include "SourceFactory.h"
#include "TrackStats.h"

namespace qvtrack {

struct CameraModule {
    static constexpr const char* kFileName = "libqvtrack-camera.so";
    static constexpr const char* kEntryName = "QvCameraSourceCreate";
    // Raised whenever the entry's arguments or the types behind them change, so that a module
    // of another build is refused instead of misread.
    static constexpr int kInterface = 1;

    // The module's one export. `name`: DEVICE_OR_FILE of camera[:DEVICE_OR_FILE] (empty: the
    // default camera); `requestedRate`: QVTRACK_RATE, 0 when unset. Returns a source the caller
    // owns (delete it), or null with a one-line reason in `error` (at most `errorSize` bytes,
    // terminated). Throws nothing. `clock` and `stats` must outlive the source.
    using Entry = GazeSource* (*)(int interfaceVersion, const char* name, int requestedRate, double speed,
                                  int screenWidth, int screenHeight, Clock* clock, TrackStats* stats, char* error,
                                  std::size_t errorSize);

    // Loads the module (once) and builds the camera source of `config`. Null with `error`
    // set (one line) when the module is missing or refuses.
    static std::unique_ptr<GazeSource> Create(const SourceConfig& config, HostScreen screen, Clock& clock,
                                              TrackStats& stats, std::string& error);

    // Where the module is looked for, in order, by the path of the file holding this code.
    static std::vector<std::string> Candidates(const std::string& selfPath);
};

}  // namespace qvtrack
