#include "ByteSource.h"

#include <algorithm>
#include <cstring>

namespace support {

std::size_t MemoryByteSource::read(char* buffer, std::size_t size) {
    const std::size_t count = std::min(size, m_bytes.size() - m_pos);
    std::memcpy(buffer, m_bytes.data() + m_pos, count);
    m_pos += count;
    return count;
}

}  // namespace support
