// MemoryLogSink: collects the keystroke log's text in memory; with a limit it takes only that
// many bytes, then refuses writes and flushes, like a log file on a disk that fills up.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ByteSink.h"
#include "files/KeystrokeLog.h"

namespace lumora {

class MemoryLogSink : public LogSink {
public:
    MemoryLogSink() = default;
    explicit MemoryLogSink(std::size_t failAfterBytes) : m_bytes(failAfterBytes) {}
    bool write(std::string_view text) override { return m_bytes.write(text); }
    bool flush() override { return !m_bytes.refused(); }
    const std::string& text() const { return m_bytes.bytes(); }

private:
    support::MemoryByteSink m_bytes;
};

}  // namespace lumora
