// Feeds arbitrary bytes to the gaze data file reader as a replay would, on a host screen that
// differs from most recorded ones so that the scaling runs too.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ReplayReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    support::MemoryByteSource stream(std::string_view(reinterpret_cast<const char*>(data), size));
    qvtrack::ReplayReader reader(stream, 1920, 1080);
    GazeSample sample{};
    // Every line can yield at most one sample, so this many calls reach the end.
    for (size_t i = 0; i <= size + 1 && !reader.atEnd(); ++i) {
        reader.next(sample);
        if (sample.found != 0 && sample.found != 1) {
            __builtin_trap();
        }
    }
    return 0;
}
