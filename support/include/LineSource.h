// Text delivered one line at a time, for readers of small line-based files (settings files)
// that are read whole first and parsed from memory.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace support {

// Lines without their line feed. A carriage return before the line feed is handed on
// unchanged; the reader decides what it means.
class LineSource {
public:
    virtual ~LineSource() = default;
    // False at the end of the text (nothing stored in `line`).
    virtual bool nextLine(std::string& line) = 0;
};

// The lines of text held in memory; the text must outlive the source. A last line without a
// line feed is a line; a text ending in a line feed has no empty line after it.
class StringLineSource : public LineSource {
public:
    explicit StringLineSource(std::string_view text) : m_text(text) {}
    bool nextLine(std::string& line) override;

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

}  // namespace support
