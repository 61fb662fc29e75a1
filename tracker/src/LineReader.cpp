#include "LineReader.h"

#include <cstring>

namespace qvtrack {

namespace {
constexpr std::size_t kReadChunk = 16 * 1024;
}

LineReader::LineReader(TextStream& stream, std::size_t maxLine)
    : stream_(stream), maxLine_(maxLine), buffer_(kReadChunk) {}

bool LineReader::fill(bool endOnEmptyRead) {
    if (ended_) {
        return false;
    }
    begin_ = 0;
    end_ = stream_.read(buffer_.data(), buffer_.size());
    if (end_ == 0 && endOnEmptyRead) {
        ended_ = true;
    }
    return end_ > 0;
}

LineReader::Result LineReader::next(std::string& line, bool endOnEmptyRead) {
    for (;;) {
        if (begin_ == end_ && !fill(endOnEmptyRead)) {
            if (!ended_) {
                return Result::Pending;
            }
            if (dropping_) {
                dropping_ = false;
                partial_.clear();
                return Result::Overlong;
            }
            if (!partial_.empty()) {
                line.swap(partial_);
                partial_.clear();
                if (!line.empty() && line.back() == '\r') {
                    line.pop_back();
                }
                return line.size() > maxLine_ ? Result::Overlong : Result::Line;
            }
            return Result::End;
        }
        const char* start = buffer_.data() + begin_;
        const void* lf = std::memchr(start, '\n', end_ - begin_);
        std::size_t take = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - start) : end_ - begin_;
        if (!dropping_) {
            if (partial_.size() + take > maxLine_ + 1) {  // +1: room for a CR before the LF
                dropping_ = true;
                partial_.clear();
            } else {
                partial_.append(start, take);
            }
        }
        begin_ += take;
        if (!lf) {
            continue;
        }
        ++begin_;  // the LF
        if (dropping_) {
            dropping_ = false;
            return Result::Overlong;
        }
        line.swap(partial_);
        partial_.clear();
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.size() > maxLine_) {
            return Result::Overlong;
        }
        return Result::Line;
    }
}

}  // namespace qvtrack
