#include "OpenGazeConnection.h"

namespace qvtrack {

namespace {
constexpr std::chrono::milliseconds kSendTimeout{1000};
constexpr std::string_view kLineEnd = "\r\n";
// Lines handled per call at most, so a flood of junk cannot keep a caller from its deadline.
constexpr int kMaxLinesPerCall = 256;
}  // namespace

OpenGazeConnection::OpenGazeConnection(UniqueFd fd)
    : m_fd(std::move(fd)), m_stream(m_fd.get()), m_lines(m_stream, kMaxLineBytes) {}

std::unique_ptr<OpenGazeConnection> OpenGazeConnection::open(const std::string& host, int port,
                                                             std::chrono::milliseconds timeout, std::string& error,
                                                             const std::function<bool()>& cancelled) {
    UniqueFd fd = ConnectTcp(host, port, timeout, error, cancelled);
    if (!fd.valid()) {
        return nullptr;
    }
    return std::unique_ptr<OpenGazeConnection>(new OpenGazeConnection(std::move(fd)));
}

bool OpenGazeConnection::send(std::string_view record) {
    std::string line(record);
    line += kLineEnd;
    return SendAll(m_fd.get(), line, kSendTimeout);
}

OpenGazeConnection::Read OpenGazeConnection::next(OpenGazeRecord& record, std::chrono::milliseconds wait) {
    m_stream.armWait(wait);
    for (int i = 0; i < kMaxLinesPerCall; ++i) {
        LineReader::Result r = m_lines.next(m_line, false);
        if (r == LineReader::Result::Line) {
            if (record.parse(m_line)) {
                return Read::Record;
            }
            ++m_skipped;
        } else if (r == LineReader::Result::Overlong) {
            ++m_skipped;
        } else {
            return m_stream.closed() ? Read::Closed : Read::Nothing;
        }
    }
    return Read::Nothing;
}

}  // namespace qvtrack
