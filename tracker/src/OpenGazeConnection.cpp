#include "OpenGazeConnection.h"

namespace qvtrack {

namespace {
constexpr std::chrono::milliseconds kSendTimeout{1000};
constexpr std::string_view kLineEnd = "\r\n";
// Lines handled per call at most, so a flood of junk cannot keep a caller from its deadline.
constexpr int kMaxLinesPerCall = 256;
}  // namespace

OpenGazeConnection::OpenGazeConnection(UniqueFd fd)
    : fd_(std::move(fd)), stream_(fd_.get()), lines_(stream_, kMaxLineBytes) {}

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
    return SendAll(fd_.get(), line, kSendTimeout);
}

OpenGazeConnection::Read OpenGazeConnection::next(OpenGazeRecord& record, std::chrono::milliseconds wait) {
    stream_.armWait(wait);
    for (int i = 0; i < kMaxLinesPerCall; ++i) {
        LineReader::Result r = lines_.next(line_, false);
        if (r == LineReader::Result::Line) {
            if (record.parse(line_)) {
                return Read::Record;
            }
            ++skipped_;
        } else if (r == LineReader::Result::Overlong) {
            ++skipped_;
        } else {
            return stream_.closed() ? Read::Closed : Read::Nothing;
        }
    }
    return Read::Nothing;
}

}  // namespace qvtrack
