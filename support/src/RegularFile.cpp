#include "RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <new>

namespace support {

namespace {

ReadStatus StatusFromOpenError(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
        case ELOOP:
        case ENAMETOOLONG:
            return ReadStatus::Missing;
        case EISDIR:
        case ENXIO:  // a FIFO without a writer on some systems, or a socket
            return ReadStatus::NotRegular;
        default:
            return ReadStatus::Unreadable;
    }
}

}  // namespace

OpenedFile OpenRegularFile(const std::string& path, std::uint64_t maxBytes) {
    OpenedFile opened;
    if (path.empty())
        return opened;
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer forever.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd) {
        opened.status = StatusFromOpenError(errno);
        return opened;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        opened.status = ReadStatus::Unreadable;
        return opened;
    }
    if (!S_ISREG(st.st_mode)) {
        opened.status = ReadStatus::NotRegular;
        return opened;
    }
    if (st.st_size < 0 || static_cast<std::uint64_t>(st.st_size) > maxBytes) {
        opened.status = ReadStatus::TooLarge;
        return opened;
    }
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        opened.status = ReadStatus::Unreadable;
        return opened;
    }
    opened.status = ReadStatus::Ok;
    opened.size = static_cast<std::uint64_t>(st.st_size);
    opened.fd = std::move(fd);
    return opened;
}

FileBytes ReadRegularFile(const std::string& path, std::uint64_t maxBytes) {
    FileBytes result;
    OpenedFile opened = OpenRegularFile(path, maxBytes);
    if (opened.status != ReadStatus::Ok) {
        result.status = opened.status;
        return result;
    }
    try {
        result.bytes.resize(static_cast<std::size_t>(opened.size));
        std::size_t done = 0;
        for (;;) {
            if (done == result.bytes.size()) {
                // The file may have grown since it was measured; take what is there, within bounds.
                if (result.bytes.size() >= maxBytes)
                    break;
                const std::size_t grow = result.bytes.size() < 4096 ? 4096 : result.bytes.size();
                const std::uint64_t limit = maxBytes + 1;  // one byte more tells a file over the bound
                result.bytes.resize(static_cast<std::size_t>(
                    std::min<std::uint64_t>(limit, static_cast<std::uint64_t>(result.bytes.size()) + grow)));
            }
            const ssize_t n = ::read(opened.fd.get(), result.bytes.data() + done, result.bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                result.status = ReadStatus::Unreadable;
                result.bytes.clear();
                return result;
            }
            if (n == 0)
                break;
            done += static_cast<std::size_t>(n);
            if (done > maxBytes) {
                result.status = ReadStatus::TooLarge;
                result.bytes.clear();
                return result;
            }
        }
        result.bytes.resize(done);
        result.bytes.shrink_to_fit();
    } catch (const std::bad_alloc&) {
        result.status = ReadStatus::Unreadable;
        result.bytes = {};
        return result;
    }
    result.status = ReadStatus::Ok;
    return result;
}

bool IsRegularFile(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace support
