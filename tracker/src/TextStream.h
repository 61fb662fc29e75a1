// A minimal byte source for the readers of outside data (recordings, sockets), so the same
// parsing runs on files, network connections and in-memory text in tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace qvtrack {

class TextStream {
public:
    virtual ~TextStream() = default;
    // Copies up to `size` bytes into `buffer`; returns the count, 0 at the end of the data or on
    // an error. Never blocks longer than the implementation documents.
    virtual std::size_t read(char* buffer, std::size_t size) = 0;
};

// In-memory text; the stream keeps its own copy.
class MemoryTextStream : public TextStream {
public:
    explicit MemoryTextStream(std::string_view text) : text_(text) {}
    std::size_t read(char* buffer, std::size_t size) override;

private:
    std::string text_;
    std::size_t pos_ = 0;
};

// A file opened for reading in binary mode (CR LF stays as it is; the line reader drops the CR).
class FileTextStream : public TextStream {
public:
    // Longer recordings are no recordings (a day at 120 samples a second is about 150 MB).
    static constexpr std::uint64_t kMaxFileBytes = 1ULL << 30;
    // Returns null when the path is not a regular file of at most kMaxFileBytes or cannot be
    // opened; never blocks (a FIFO is refused).
    static std::unique_ptr<FileTextStream> open(const std::string& path);
    ~FileTextStream() override;
    FileTextStream(const FileTextStream&) = delete;
    FileTextStream& operator=(const FileTextStream&) = delete;
    std::size_t read(char* buffer, std::size_t size) override;

private:
    explicit FileTextStream(std::FILE* file) : file_(file) {}
    std::FILE* file_;
};

}  // namespace qvtrack
