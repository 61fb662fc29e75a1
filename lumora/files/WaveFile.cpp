#include "files/WaveFile.h"

#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <string>

#include "RegularFile.h"

namespace lumora {

namespace {

// Where the chunks that matter must begin; metadata chunks before them are small.
constexpr std::size_t kHeaderScanBytes = 64 * 1024;
constexpr std::size_t kRiffHeaderBytes = 12;  // "RIFF", size, "WAVE"
constexpr std::size_t kChunkHeaderBytes = 8;  // id, size
constexpr std::size_t kFormatBytes = 16;      // the PCM format block
constexpr std::size_t kByteRateOffset = 8;    // within the format block

std::uint32_t Le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool IdIs(const std::uint8_t* p, const char* id) {
    return std::memcmp(p, id, 4) == 0;
}

// Reads up to size bytes from the start of the file; how many arrived, or -1 on an error.
long ReadHead(int fd, std::uint8_t* out, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, out + got, size - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return static_cast<long>(got);
}

}  // namespace

std::optional<std::chrono::milliseconds> WaveFileLength(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const support::OpenedFile file =
        support::OpenRegularFile(std::string(name.constData(), static_cast<std::size_t>(name.size())), kLargestWaveFile);
    if (file.status != support::ReadStatus::Ok)
        return std::nullopt;
    std::array<std::uint8_t, kHeaderScanBytes> head{};
    const long read = ReadHead(file.fd.get(), head.data(), head.size());
    if (read < static_cast<long>(kRiffHeaderBytes))
        return std::nullopt;
    const std::size_t n = static_cast<std::size_t>(read);
    if (!IdIs(head.data(), "RIFF") || !IdIs(head.data() + 8, "WAVE"))
        return std::nullopt;

    std::uint64_t byteRate = 0;
    std::size_t pos = kRiffHeaderBytes;
    while (pos + kChunkHeaderBytes <= n) {
        const std::uint8_t* chunk = head.data() + pos;
        const std::uint64_t size = Le32(chunk + 4);
        const std::size_t body = pos + kChunkHeaderBytes;
        if (IdIs(chunk, "fmt ")) {
            if (size < kFormatBytes || body + kFormatBytes > n)
                return std::nullopt;
            byteRate = Le32(head.data() + body + kByteRateOffset);
        } else if (IdIs(chunk, "data")) {
            if (byteRate == 0)
                return std::nullopt;
            // A header that promises more than the file holds (a cut-off file, or the size
            // left open by a recorder) plays what is there.
            const std::uint64_t present = file.size > body ? file.size - body : 0;
            const std::uint64_t bytes = std::min(size, present);
            return std::chrono::milliseconds(static_cast<std::int64_t>(bytes * 1000u / byteRate));
        }
        // Chunks are padded to an even length.
        const std::uint64_t next = body + size + (size & 1u);
        if (next > n)
            break;
        pos = static_cast<std::size_t>(next);
    }
    return std::nullopt;
}

}  // namespace lumora
