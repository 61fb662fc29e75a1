// The small stream interfaces that the gaze input's readers and writers work on, so that tests
// drive them with in-memory text and with sinks that fail part way. The file implementations
// are what the programs use.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace lumora {

// Delivers text one line at a time, without the line feed. A carriage return before the line
// feed is handed on unchanged; the reader decides what it means.
class LineSource {
public:
    virtual ~LineSource() = default;
    // False at the end of the text (nothing stored in `line`).
    virtual bool nextLine(std::string& line) = 0;
};

// Accepts text; false once a write failed (the caller stops writing).
class TextSink {
public:
    virtual ~TextSink() = default;
    virtual bool write(std::string_view text) = 0;
};

// Lines of a text held in memory; the text must outlive the source.
class StringLineSource : public LineSource {
public:
    explicit StringLineSource(std::string_view text) : m_text(text) {}
    bool nextLine(std::string& line) override;

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// Collects everything written; with a limit, it takes only that many bytes and then fails.
class StringSink : public TextSink {
public:
    StringSink() = default;
    explicit StringSink(std::size_t failAfterBytes) : m_limit(failAfterBytes) {}
    bool write(std::string_view text) override;
    const std::string& text() const { return m_text; }

private:
    std::string m_text;
    std::size_t m_limit = std::string::npos;
};

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Lines of an open file; the source owns the file.
class FileLineSource : public LineSource {
public:
    explicit FileLineSource(FilePtr file) : m_file(std::move(file)) {}
    bool nextLine(std::string& line) override;

private:
    FilePtr m_file;
};

// Writes to an open file; the sink owns it. close() reports whether everything reached the file.
class FileSink : public TextSink {
public:
    explicit FileSink(FilePtr file) : m_file(std::move(file)) {}
    bool write(std::string_view text) override;
    bool close();

private:
    FilePtr m_file;
    bool m_failed = false;
};

}  // namespace lumora
