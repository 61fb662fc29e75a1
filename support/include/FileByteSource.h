// A file from outside read as a ByteSource, in binary mode (CR LF reaches the reader as it is).
// Opening goes through OpenRegularFile, so it never blocks: a FIFO, device or folder is refused,
// as is a file larger than the caller's bound.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ByteSource.h"
#include "FileCloser.h"

namespace support {

class FileByteSource : public ByteSource {
public:
    // Null when `path` is not a regular file of at most `maxBytes` bytes or cannot be opened.
    static std::unique_ptr<FileByteSource> open(const std::string& path, std::uint64_t maxBytes);
    // Blocks only as a read of a regular file does.
    std::size_t read(char* buffer, std::size_t size) override;

private:
    explicit FileByteSource(FilePtr file) : m_file(std::move(file)) {}
    FilePtr m_file;
};

}  // namespace support
