#include "MemoryLogSink.h"

namespace lumora {

bool MemoryLogSink::write(std::string_view text) {
    if (m_refused) {
        return false;
    }
    const std::size_t room = m_limit == std::string::npos ? text.size() : m_limit - m_text.size();
    if (text.size() > room) {
        m_text.append(text.substr(0, room));
        m_refused = true;
        return false;
    }
    m_text.append(text);
    return true;
}

}  // namespace lumora
