// The calibration run of an Open Gaze server: show and start its calibration, wait (bounded)
// for the result record, ask for the summary and report the average error.
#pragma once

#include <chrono>
#include <ostream>
#include <string>

#include "OpenGazeConnection.h"

namespace qvtrack {

class OpenGazeCalibration {
public:
    enum class Outcome { Done, TimedOut, Lost };

    struct Result {
        Outcome outcome = Outcome::Lost;
        std::string averageError;  // as the server wrote it; empty when it gave none
        std::string validPoints;
    };

    // `limit` bounds the whole run, the wait for the user's calibration included. Writes one
    // line to `out` for the result.
    static Result run(OpenGazeConnection& connection, std::chrono::milliseconds limit, std::ostream& out);

    static const char* const kStartRecords[];
    static const char* const kSummaryRequest;
    static const char* const kHideRecord;
};

}  // namespace qvtrack
