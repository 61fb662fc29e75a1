#include "FileByteSource.h"

#include "RegularFile.h"

namespace support {

std::unique_ptr<FileByteSource> FileByteSource::open(const std::string& path, std::uint64_t maxBytes) {
    OpenedFile opened = OpenRegularFile(path, maxBytes);
    if (opened.status != ReadStatus::Ok)
        return nullptr;
    FilePtr file(::fdopen(opened.fd.get(), "rb"));
    if (!file)
        return nullptr;
    // The stream owns the descriptor from here on.
    opened.fd.release();
    return std::unique_ptr<FileByteSource>(new FileByteSource(std::move(file)));
}

std::size_t FileByteSource::read(char* buffer, std::size_t size) {
    return std::fread(buffer, 1, size, m_file.get());
}

}  // namespace support
