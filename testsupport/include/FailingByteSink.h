// FailingByteSink: takes the first `capacity` bytes and then fails, like a disk that fills up;
// what it took stays readable.
#pragma once

#include <QByteArray>
#include <cstddef>

#include "files/DrawingFile.h"

namespace lumora {

class FailingByteSink : public ByteSink {
public:
    explicit FailingByteSink(std::size_t capacity) : m_capacity(capacity) {}
    bool write(const char* data, std::size_t size) override;
    const QByteArray& bytes() const { return m_bytes; }

private:
    std::size_t m_capacity;
    QByteArray m_bytes;
};

}  // namespace lumora
