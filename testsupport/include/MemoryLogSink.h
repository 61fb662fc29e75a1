// MemoryLogSink: collects the keystroke log's text in memory; with a limit it takes only that
// many bytes, then refuses, like a log file on a disk that fills up.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "files/KeystrokeLog.h"

namespace lumora {

class MemoryLogSink : public LogSink {
public:
    MemoryLogSink() = default;
    explicit MemoryLogSink(std::size_t failAfterBytes) : m_limit(failAfterBytes) {}
    bool write(std::string_view text) override;
    bool flush() override { return !m_refused; }
    const std::string& text() const { return m_text; }

private:
    std::string m_text;
    std::size_t m_limit = std::string::npos;
    bool m_refused = false;
};

}  // namespace lumora
