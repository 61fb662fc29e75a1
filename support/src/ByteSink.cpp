#include "ByteSink.h"

namespace support {

bool MemoryByteSink::write(std::string_view bytes) {
    if (m_refused)
        return false;
    const std::size_t room = m_capacity == std::string::npos ? bytes.size() : m_capacity - m_bytes.size();
    if (bytes.size() > room) {
        m_bytes.append(bytes.substr(0, room));
        m_refused = true;
        return false;
    }
    m_bytes.append(bytes);
    return true;
}

}  // namespace support
