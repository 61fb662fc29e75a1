// Splits a byte source into lines with a bounded length, so that a file or a peer that never
// sends a line end cannot make the reader grow without limit.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ByteSource.h"

namespace qvtrack {

class LineReader {
public:
    enum class Result {
        Line,      // `line` holds the next line without its LF (and without a CR before it)
        Overlong,  // a line longer than the limit was read and dropped whole
        Pending,   // no complete line yet; the stream gave no bytes this time (a quiet socket)
        End,       // the stream ended; a last line without LF was delivered before this
    };

    // `stream` must outlive the reader. `maxLine` is the longest line kept, in bytes.
    LineReader(support::ByteSource& stream, std::size_t maxLine);

    // `endOnEmptyRead`: a read of 0 bytes ends the data (files) or only means "nothing yet"
    // (sockets, which report their end separately through `markEnded`).
    Result next(std::string& line, bool endOnEmptyRead = true);
    void markEnded() { m_ended = true; }

private:
    bool fill(bool endOnEmptyRead);

    support::ByteSource& m_stream;
    std::size_t m_maxLine;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    std::string m_partial;
    bool m_dropping = false;
    bool m_ended = false;
};

}  // namespace qvtrack
