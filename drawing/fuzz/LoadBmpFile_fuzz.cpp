// Feeds arbitrary bytes to the bitmap reader: it must refuse or produce a consistent image,
// never read past the buffer or crash.
#include <cstdint>
#include <cstdlib>

#include "LoadBmpFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QImage image;
    lumora::BmpPalette palette;
    if (!lumora::LoadBmpBytes(data, size, image, &palette)) {
        if (!image.isNull() || !palette.isEmpty()) {
            std::abort();  // a refusal must leave the target as it was
        }
        return 0;
    }
    if (image.isNull() || image.format() != QImage::Format_RGB32 || palette.size() > 256) {
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
