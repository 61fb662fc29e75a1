#include "ByteStream.h"

#include <algorithm>
#include <cstring>

namespace qvfileio {

std::vector<std::uint8_t> readAll(ByteSource& source) {
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[4096];
    for (;;) {
        std::size_t got = source.read(chunk, sizeof chunk);
        if (got == 0) {
            break;
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    return bytes;
}

std::size_t MemorySource::read(std::uint8_t* buffer, std::size_t size) {
    std::size_t n = std::min(size, m_bytes.size() - m_pos);
    if (n > 0) {
        std::memcpy(buffer, m_bytes.data() + m_pos, n);
        m_pos += n;
    }
    return n;
}

bool MemorySink::write(std::span<const std::uint8_t> bytes) {
    if (m_failed || bytes.size() > m_limit - m_bytes.size()) {
        m_failed = true;
        return false;
    }
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return true;
}

}  // namespace qvfileio
