#include "OpenGazeCalibration.h"

namespace qvtrack {

namespace {
constexpr std::chrono::milliseconds kReadWait{50};
// After the result, the summary comes at once from a working server; wait no longer than this.
constexpr std::chrono::milliseconds kSummaryWait{3000};
constexpr std::string_view kCalTag = "CAL";
constexpr std::string_view kAckTag = "ACK";
constexpr std::string_view kResultId = "CALIB_RESULT";
constexpr std::string_view kSummaryId = "CALIBRATE_RESULT_SUMMARY";
constexpr std::string_view kAverageError = "AVE_ERROR";
constexpr std::string_view kValidPoints = "VALID_POINTS";

// Waits for a record with this tag and ID until the deadline.
OpenGazeCalibration::Outcome WaitFor(OpenGazeConnection& c, std::string_view tag, std::string_view id,
                                     std::chrono::steady_clock::time_point deadline, OpenGazeRecord& record) {
    while (std::chrono::steady_clock::now() < deadline) {
        switch (c.next(record, kReadWait)) {
            case OpenGazeConnection::Read::Record:
                if (record.tag() == tag && record.attribute("ID") == id) {
                    return OpenGazeCalibration::Outcome::Done;
                }
                break;
            case OpenGazeConnection::Read::Nothing:
                break;
            case OpenGazeConnection::Read::Closed:
                return OpenGazeCalibration::Outcome::Lost;
        }
    }
    return OpenGazeCalibration::Outcome::TimedOut;
}

}  // namespace

const char* const OpenGazeCalibration::kStartRecords[] = {
    "<SET ID=\"CALIBRATE_SHOW\" STATE=\"1\" />",
    "<SET ID=\"CALIBRATE_START\" STATE=\"1\" />",
};
const char* const OpenGazeCalibration::kSummaryRequest = "<GET ID=\"CALIBRATE_RESULT_SUMMARY\" />";
const char* const OpenGazeCalibration::kHideRecord = "<SET ID=\"CALIBRATE_SHOW\" STATE=\"0\" />";

OpenGazeCalibration::Result OpenGazeCalibration::run(OpenGazeConnection& connection, std::chrono::milliseconds limit,
                                                     std::ostream& out) {
    Result result;
    auto deadline = std::chrono::steady_clock::now() + limit;
    for (const char* record : kStartRecords) {
        if (!connection.send(record)) {
            out << "Calibration: the tracker server closed the connection" << std::endl;
            return result;
        }
    }
    OpenGazeRecord record;
    result.outcome = WaitFor(connection, kCalTag, kResultId, deadline, record);
    if (result.outcome == Outcome::Done) {
        if (auto error = record.attribute(kAverageError)) {
            result.averageError = std::string(*error);
        }
        if (connection.send(kSummaryRequest) &&
            WaitFor(connection, kAckTag, kSummaryId,
                    std::min(deadline, std::chrono::steady_clock::now() + kSummaryWait), record) == Outcome::Done) {
            if (auto error = record.attribute(kAverageError)) {
                result.averageError = std::string(*error);
            }
            if (auto points = record.attribute(kValidPoints)) {
                result.validPoints = std::string(*points);
            }
        }
    }
    // Hide the calibration window whatever happened, so it does not cover the drawing program.
    connection.send(kHideRecord);
    switch (result.outcome) {
        case Outcome::Done:
            if (result.averageError.empty()) {
                out << "Calibration done; the tracker gave no average error" << std::endl;
            } else {
                out << "Calibration average error: " << result.averageError;
                if (!result.validPoints.empty()) {
                    out << " (" << result.validPoints << " valid points)";
                }
                out << std::endl;
            }
            break;
        case Outcome::TimedOut:
            out << "Calibration: no result within " << std::chrono::duration_cast<std::chrono::seconds>(limit).count()
                << " s" << std::endl;
            break;
        case Outcome::Lost:
            out << "Calibration: the tracker server closed the connection" << std::endl;
            break;
    }
    return result;
}

}  // namespace qvtrack
