#include "LineSource.h"

namespace support {

bool StringLineSource::nextLine(std::string& line) {
    if (m_pos >= m_text.size())
        return false;
    std::size_t end = m_text.find('\n', m_pos);
    if (end == std::string_view::npos)
        end = m_text.size();
    line.assign(m_text.substr(m_pos, end - m_pos));
    m_pos = end + 1;
    return true;
}

}  // namespace support
