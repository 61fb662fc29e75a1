// Feeds arbitrary bytes to the bitmap reader: it must refuse or produce a consistent image,
// never read past the buffer or crash. The top-left part it reads for thumbnails must be the
// same pixels as the corner of the whole picture, and refused exactly when the whole is.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "files/LoadBmpFile.h"

namespace {

// The pixels the header asks for; 0 when there is no header.
std::uint64_t headerPixels(const std::uint8_t* data, std::size_t size) {
    if (size < 26) {
        return 0;
    }
    const auto le32 = [data](std::size_t at) {
        return std::uint32_t(data[at]) | std::uint32_t(data[at + 1]) << 8 | std::uint32_t(data[at + 2]) << 16 |
               std::uint32_t(data[at + 3]) << 24;
    };
    const std::int64_t width = std::int32_t(le32(18));
    const std::int64_t height = std::int32_t(le32(22));
    return std::uint64_t(width < 0 ? -width : width) * std::uint64_t(height < 0 ? -height : height);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QSize part(1 + int(size % 7), 1 + int(size % 5));
    QImage corner;
    const bool cornerLoaded = lumora::LoadBmpBytesTopLeft(data, size, part, corner);
    // A few bytes of run-length codes can stand for the largest picture taken (64 M pixels),
    // whose whole decoding takes a second under the sanitizers: of those only the corner, which
    // runs every code all the same.
    if (headerPixels(data, size) > (std::uint64_t{1} << 22)) {
        if (!cornerLoaded && !corner.isNull()) {
            std::abort();
        }
        return 0;
    }
    QImage image;
    lumora::BmpPalette palette;
    const bool whole = lumora::LoadBmpBytes(data, size, image, &palette);
    if (cornerLoaded != whole) {
        std::abort();
    }
    if (!whole) {
        if (!image.isNull() || !palette.isEmpty() || !corner.isNull()) {
            std::abort();  // a refusal must leave the target as it was
        }
        return 0;
    }
    if (image.isNull() || image.format() != QImage::Format_RGB32 || palette.size() > 256 ||
        std::uint64_t(image.width()) * std::uint64_t(image.height()) > lumora::kMaxBmpPixels) {
        std::abort();
    }
    if (corner != image.copy(0, 0, std::min(part.width(), image.width()), std::min(part.height(), image.height()))) {
        std::abort();
    }
    // Touch every pixel so that the sanitizers see any row the reader left unwritten.
    std::uint32_t sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            sum += line[x];
        }
    }
    return sum == 0x12345678u ? 0 : 0;
}
