#include "TextStream.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace qvtrack {

std::size_t MemoryTextStream::read(char* buffer, std::size_t size) {
    std::size_t n = std::min(size, text_.size() - pos_);
    std::memcpy(buffer, text_.data() + pos_, n);
    pos_ += n;
    return n;
}

std::unique_ptr<FileTextStream> FileTextStream::open(const std::string& path) {
    // A folder opens fine with fopen on Linux and then fails on every read: refuse it here so
    // the caller can report it at start instead of replaying nothing.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return nullptr;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        return nullptr;
    }
    return std::unique_ptr<FileTextStream>(new FileTextStream(file));
}

FileTextStream::~FileTextStream() {
    std::fclose(file_);
}

std::size_t FileTextStream::read(char* buffer, std::size_t size) {
    return std::fread(buffer, 1, size, file_);
}

}  // namespace qvtrack
