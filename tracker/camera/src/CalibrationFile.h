// The head pointer's calibration as the user's file: the fitted map and how it was made.
//
// A small text file, written whole (never half) and read back strictly, since a damaged map
// would send the pointer somewhere the user cannot control:
//
//   Lumora camera calibration 1
//   model quadratic                  (or: model affine)
//   x C1 Cu Cv Cuu Cuv Cvv           (affine: x C1 Cu Cv)
//   y C1 Cu Cv Cuu Cuv Cvv
//   targets N                        (calibration targets the map was fitted to, 3 to 99)
//   residual R                       (root mean square fit error, in screen shares)
//
// Numbers in C's decimal notation; the lines after the first in any order, each once; blanks
// or tabs between fields; line feeds, optionally with carriage returns. The coefficients are
// those of HeadMap.
//
// Paths in the platform's form. Any thread; no shared state.
#pragma once

#include <optional>
#include <string>

#include "AtomicFile.h"
#include "HeadMap.h"

namespace qvtrack {

class CalibrationFile {
public:
    // No calibration file is ever longer; a larger one is refused unread.
    static constexpr std::size_t kMaxBytes = 4096;
    static constexpr const char* kFirstLine = "Lumora camera calibration 1";
    static constexpr int kMostTargets = 99;
    static constexpr double kLargestResidual = 10.0;

    struct Contents {
        HeadMap map = HeadMap::Default();
        int targets = 0;
    };

    enum class Status {
        Ok,
        Missing,  // no file: the user has not calibrated yet
        Refused,  // a file that is not a calibration, or a damaged one; `error` says why
    };

    struct ReadResult {
        Status status = Status::Missing;
        Contents contents;
        std::string error;  // one line, without a line end
    };

    static ReadResult Read(const std::string& path);
    // The text of a file, for tests and the fuzzer: Ok or Refused.
    static ReadResult Parse(std::string_view text);

    static std::string Format(const Contents& contents);
    // Creates the file's folder when it is missing, then writes the file atomically.
    static support::WriteStatus Write(const std::string& path, const Contents& contents);
};

}  // namespace qvtrack
