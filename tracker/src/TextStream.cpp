#include "TextStream.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "RegularFile.h"

namespace qvtrack {

std::size_t MemoryTextStream::read(char* buffer, std::size_t size) {
    std::size_t n = std::min(size, text_.size() - pos_);
    std::memcpy(buffer, text_.data() + pos_, n);
    pos_ += n;
    return n;
}

std::unique_ptr<FileTextStream> FileTextStream::open(const std::string& path) {
    // Only a regular file: a folder fails on every read, and a FIFO or device would block
    // QvInit or never end; refused here, the caller reports it at start.
    support::OpenedFile opened = support::OpenRegularFile(path, kMaxFileBytes);
    if (opened.status != support::ReadStatus::Ok) {
        return nullptr;
    }
    std::FILE* file = ::fdopen(opened.fd.get(), "rb");
    if (!file) {
        return nullptr;
    }
    opened.fd.release();
    return std::unique_ptr<FileTextStream>(new FileTextStream(file));
}

FileTextStream::~FileTextStream() {
    std::fclose(file_);
}

std::size_t FileTextStream::read(char* buffer, std::size_t size) {
    return std::fread(buffer, 1, size, file_);
}

}  // namespace qvtrack
