// Feeds arbitrary bytes to the bitmap reader: it must refuse or produce a consistent image,
// never read past the buffer or crash. The top-left part it reads for thumbnails must be the
// same pixels as the corner of the whole picture, and refused exactly when the whole is.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "LoadBmpFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QImage image;
    lumora::BmpPalette palette;
    const bool whole = lumora::LoadBmpBytes(data, size, image, &palette);
    const QSize part(1 + int(size % 7), 1 + int(size % 5));
    QImage corner;
    const bool cornerLoaded = lumora::LoadBmpBytesTopLeft(data, size, part, corner);
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
