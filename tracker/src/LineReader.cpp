#include "LineReader.h"

#include <cstring>

namespace qvtrack {

namespace {
constexpr std::size_t kReadChunk = 16 * 1024;
}

LineReader::LineReader(support::ByteSource& stream, std::size_t maxLine)
    : m_stream(stream), m_maxLine(maxLine), m_buffer(kReadChunk) {}

bool LineReader::fill(bool endOnEmptyRead) {
    if (m_ended) {
        return false;
    }
    m_begin = 0;
    m_end = m_stream.read(m_buffer.data(), m_buffer.size());
    if (m_end == 0 && endOnEmptyRead) {
        m_ended = true;
    }
    return m_end > 0;
}

LineReader::Result LineReader::next(std::string& line, bool endOnEmptyRead) {
    for (;;) {
        if (m_begin == m_end && !fill(endOnEmptyRead)) {
            if (!m_ended) {
                return Result::Pending;
            }
            if (m_dropping) {
                m_dropping = false;
                m_partial.clear();
                return Result::Overlong;
            }
            if (!m_partial.empty()) {
                line.swap(m_partial);
                m_partial.clear();
                if (!line.empty() && line.back() == '\r') {
                    line.pop_back();
                }
                return line.size() > m_maxLine ? Result::Overlong : Result::Line;
            }
            return Result::End;
        }
        const char* start = m_buffer.data() + m_begin;
        const void* lf = std::memchr(start, '\n', m_end - m_begin);
        std::size_t take = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - start) : m_end - m_begin;
        if (!m_dropping) {
            if (m_partial.size() + take > m_maxLine + 1) {  // +1: room for a CR before the LF
                m_dropping = true;
                m_partial.clear();
            } else {
                m_partial.append(start, take);
            }
        }
        m_begin += take;
        if (!lf) {
            continue;
        }
        ++m_begin;  // the LF
        if (m_dropping) {
            m_dropping = false;
            return Result::Overlong;
        }
        line.swap(m_partial);
        m_partial.clear();
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.size() > m_maxLine) {
            return Result::Overlong;
        }
        return Result::Line;
    }
}

}  // namespace qvtrack
