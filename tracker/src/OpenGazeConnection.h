// A client connection to an Open Gaze server: records out, records in, line by line (CR LF),
// with bounded lines and bounded waits. Shared by the gaze source and the calibration program.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

#include "LineReader.h"
#include "OpenGazeRecord.h"
#include "Socket.h"

namespace qvtrack {

class OpenGazeConnection {
public:
    // Longer lines are no records of this protocol: dropped whole, the connection kept.
    static constexpr std::size_t kMaxLineBytes = 16 * 1024;

    // Connects within `timeout`; null with `error` set on failure.
    static std::unique_ptr<OpenGazeConnection> open(const std::string& host, int port,
                                                    std::chrono::milliseconds timeout, std::string& error,
                                                    const std::function<bool()>& cancelled = {});

    // Sends one record, e.g. <SET ID="ENABLE_SEND_DATA" STATE="1" />, adding the CR LF.
    bool send(std::string_view record);

    enum class Read { Record, Nothing, Closed };
    // Waits at most `wait` for bytes; Record fills `record` (its views point into this
    // connection and stay valid until the next call). Junk and overlong lines are skipped.
    Read next(OpenGazeRecord& record, std::chrono::milliseconds wait);

    std::size_t skippedLines() const { return m_skipped; }

private:
    explicit OpenGazeConnection(UniqueFd fd);

    UniqueFd m_fd;
    SocketByteSource m_stream;
    LineReader m_lines;
    std::string m_line;
    std::size_t m_skipped = 0;
};

}  // namespace qvtrack
