#include "FailingByteSink.h"

namespace lumora {

bool FailingByteSink::write(const char* data, std::size_t size) {
    const std::size_t room = m_capacity - static_cast<std::size_t>(m_bytes.size());
    if (size > room) {
        m_bytes.append(data, static_cast<qsizetype>(room));
        return false;
    }
    m_bytes.append(data, static_cast<qsizetype>(size));
    return true;
}

}  // namespace lumora
