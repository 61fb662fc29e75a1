#include "TextStreams.h"

namespace lumora {

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

bool StringSink::write(std::string_view text) {
    if (m_text.size() + text.size() > m_limit) {
        m_text.append(text.substr(0, m_limit - m_text.size()));
        return false;
    }
    m_text.append(text);
    return true;
}

bool FileLineSource::nextLine(std::string& line) {
    line.clear();
    if (!m_file)
        return false;
    int c;
    bool any = false;
    while ((c = std::getc(m_file.get())) != EOF) {
        any = true;
        if (c == '\n')
            return true;
        line.push_back(static_cast<char>(c));
    }
    return any;
}

bool FileSink::write(std::string_view text) {
    if (!m_file || m_failed)
        return false;
    if (std::fwrite(text.data(), 1, text.size(), m_file.get()) != text.size())
        m_failed = true;
    return !m_failed;
}

bool FileSink::close() {
    if (!m_file)
        return false;
    // A full disk often shows only when the buffer is flushed, so the close result counts too.
    bool ok = !m_failed && std::fflush(m_file.get()) == 0;
    ok = std::fclose(m_file.release()) == 0 && ok;
    return ok;
}

}  // namespace lumora
