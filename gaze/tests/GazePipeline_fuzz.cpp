// Feeds arbitrary samples (any found flag, any int coordinates, the extremes included) through
// the gaze thread's per-sample work: detector, smoothing, dwell check and packing. Run under the
// sanitizers, it finds any conversion or arithmetic that the far corners of int break.
//
// Input: a threshold in pixels (4 bytes, any float), a minimum sample count (1 byte, kept below
// the detector's fatal 100), a screen size (2 x 2 bytes), then samples of 9 bytes each (found
// flag, x, y).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "GazePipeline.h"

namespace {

class CountingSink : public lumora::GazeMessageSink {
public:
    void post(unsigned, std::uintptr_t, std::intptr_t lParam) override {
        const int x = static_cast<int>(lumora::PointLParamX(lParam));
        const int y = static_cast<int>(lumora::PointLParamY(lParam));
        if (x < 0 || x > 0xFFFF || y < 0 || y > 0xFFFF)
            std::abort();
        ++count;
    }
    long count = 0;
};

template <typename T>
T Take(const std::uint8_t*& data, std::size_t& size) {
    T value{};
    if (size >= sizeof value) {
        std::memcpy(&value, data, sizeof value);
        data += sizeof value;
        size -= sizeof value;
    } else {
        size = 0;
    }
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const float threshold = Take<float>(data, size);
    const int minimum = static_cast<int>(Take<std::uint8_t>(data, size) % 104) - 4;  // -4 .. 99
    const int width = Take<std::uint16_t>(data, size);
    const int height = Take<std::uint16_t>(data, size);
    CountingSink sink;
    lumora::GazeShared shared;
    shared.minimum_fix_samples.store(minimum);
    lumora::GazePipeline pipeline(sink, shared, threshold, width, height);
    pipeline.reset();
    while (size >= 9) {
        const int found = Take<std::uint8_t>(data, size) & 1 ? 1 : Take<std::int8_t>(data, size);
        const std::int32_t x = Take<std::int32_t>(data, size);
        const std::int32_t y = Take<std::int32_t>(data, size);
        pipeline.onSample(found, x, y);
    }
    return 0;
}
