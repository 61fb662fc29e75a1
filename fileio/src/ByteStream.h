// Byte streams under every reader and writer, so that the formats can be exercised on memory
// buffers and on sinks that fail part-way, not only on files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

namespace qvfileio {

// Where a reader's bytes come from. read() returns how many bytes it stored; 0 means the end.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::size_t read(std::uint8_t* buffer, std::size_t size) = 0;
};

// Where a writer's bytes go. write() returns false once the sink can take no more; finish()
// completes the output (flush, close, publish) and returns 0 on success, non-zero on failure.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual bool write(std::span<const std::uint8_t> bytes) = 0;
    virtual int finish() = 0;
};

// Reads every byte a source has.
std::vector<std::uint8_t> readAll(ByteSource& source);

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}
    std::size_t read(std::uint8_t* buffer, std::size_t size) override;

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
};

// Collects the bytes in memory; with a limit it refuses the write that would pass it, as a full
// disk does, and then reports the failure from finish().
class MemorySink final : public ByteSink {
public:
    explicit MemorySink(std::size_t limit = std::numeric_limits<std::size_t>::max()) : m_limit(limit) {}
    bool write(std::span<const std::uint8_t> bytes) override;
    int finish() override { return m_failed ? -1 : 0; }
    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
    std::size_t m_limit;
    bool m_failed = false;
};

}  // namespace qvfileio
