// Where writers put what they produce (a drawing file's bytes, a settings file's text, a log's
// lines), so that tests write into memory or into a sink that fills up part way.
// Single thread: a sink belongs to the writer that owns or borrows it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace support {

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Takes all of `bytes`, or returns false; after a false the writer stops writing.
    virtual bool write(std::string_view bytes) = 0;
};

// Collects the bytes in memory. With a capacity it takes only that many bytes in all, keeps
// them, and refuses that write and every later one, as a disk that fills up does.
class MemoryByteSink : public ByteSink {
public:
    MemoryByteSink() = default;
    explicit MemoryByteSink(std::size_t capacity) : m_capacity(capacity) {}
    bool write(std::string_view bytes) override;
    const std::string& bytes() const { return m_bytes; }
    // Whether a write has been refused.
    bool refused() const { return m_refused; }

private:
    std::string m_bytes;
    std::size_t m_capacity = std::string::npos;
    bool m_refused = false;
};

}  // namespace support
