#include "FileStreams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace qvfileio {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string nativePath(std::u16string_view path) {
    std::string out;
    out.reserve(path.size());
    for (std::size_t i = 0; i < path.size(); ++i) {
        char32_t c = path[i];
        if (c == u'\\') {
            c = u'/';
        } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < path.size() && path[i + 1] >= 0xDC00 &&
                   path[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (path[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
        }
        appendUtf8(out, c);
    }
    return out;
}

std::unique_ptr<FileSource> FileSource::open(std::u16string_view path) {
    if (path.empty()) {
        return nullptr;
    }
    FilePtr file(std::fopen(nativePath(path).c_str(), "rb"));
    if (!file) {
        return nullptr;
    }
    return std::unique_ptr<FileSource>(new FileSource(std::move(file)));
}

std::size_t FileSource::read(std::uint8_t* buffer, std::size_t size) {
    return std::fread(buffer, 1, size, m_file.get());
}

std::optional<std::vector<std::uint8_t>> readFileBytes(std::u16string_view path) {
    auto source = FileSource::open(path);
    if (!source) {
        return std::nullopt;
    }
    return source->readAll();
}

std::vector<std::uint8_t> FileSource::readAll() {
    // One read of the whole size when the size is known, as it is for a regular file.
    std::vector<std::uint8_t> bytes;
    if (std::fseek(m_file.get(), 0, SEEK_END) == 0) {
        long size = std::ftell(m_file.get());
        std::rewind(m_file.get());
        if (size > 0) {
            bytes.resize(static_cast<std::size_t>(size));
            bytes.resize(std::fread(bytes.data(), 1, bytes.size(), m_file.get()));
        }
    }
    std::uint8_t chunk[4096];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, m_file.get())) > 0;) {
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    return bytes;
}

AtomicFileSink::AtomicFileSink(int fd, std::string target, std::string temp)
    : m_fd(fd), m_target(std::move(target)), m_temp(std::move(temp)) {}

AtomicFileSink::~AtomicFileSink() {
    discard();
}

std::unique_ptr<AtomicFileSink> AtomicFileSink::create(std::u16string_view path) {
    if (path.empty()) {
        return nullptr;
    }
    std::string target = nativePath(path);
    if (target.back() == '/') {
        return nullptr;
    }
    // Unique per process, in the target's folder so that the rename never crosses file systems.
    std::string temp = target + ".tmp" + std::to_string(::getpid());
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        return nullptr;
    }
    return std::unique_ptr<AtomicFileSink>(new AtomicFileSink(fd, std::move(target), std::move(temp)));
}

bool AtomicFileSink::write(std::span<const std::uint8_t> bytes) {
    if (m_failed || m_fd < 0) {
        m_failed = true;
        return false;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(m_fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            m_failed = true;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

int AtomicFileSink::finish() {
    if (m_fd < 0) {
        return -1;
    }
    bool ok = !m_failed && ::fsync(m_fd) == 0;
    ok = (::close(m_fd) == 0) && ok;
    m_fd = -1;
    if (ok && std::rename(m_temp.c_str(), m_target.c_str()) == 0) {
        m_temp.clear();
        return 0;
    }
    discard();
    return -1;
}

void AtomicFileSink::discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temp.empty()) {
        std::remove(m_temp.c_str());
        m_temp.clear();
    }
}

}  // namespace qvfileio
