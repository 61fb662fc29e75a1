// Arbitrary bytes as a tracker settings file, read whole from a path.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "qvfileio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const char kName[] = "fuzz_input.qv";
    static const char16_t kPath[] = u"fuzz_input.qv";
    if (std::FILE* f = std::fopen(kName, "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    QvSettingsRecord record{};
    record.language = 0;
    vReadQvSettingsHelper(&record, kPath);
    return 0;
}
