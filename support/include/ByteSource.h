// Where the readers of outside data (recordings, network peers) take their bytes from, so the
// same parsing runs on files, connections and, in tests and fuzzers, on bytes held in memory.
// Single thread: a source belongs to the reader that owns or borrows it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace support {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Copies up to `size` bytes into `buffer`; returns the count, 0 at the end of the data or on
    // an error. Never blocks longer than the implementation documents.
    virtual std::size_t read(char* buffer, std::size_t size) = 0;
};

// Bytes held in memory; the source keeps its own copy.
class MemoryByteSource : public ByteSource {
public:
    explicit MemoryByteSource(std::string_view bytes) : m_bytes(bytes) {}
    std::size_t read(char* buffer, std::size_t size) override;

private:
    std::string m_bytes;
    std::size_t m_pos = 0;
};

}  // namespace support
