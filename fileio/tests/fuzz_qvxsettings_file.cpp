// Arbitrary bytes as a communication settings file, read whole from a path.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "qvfileio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const char kName[] = "fuzz_input.qvx";
    static const char16_t kPath[] = u"fuzz_input.qvx";
    if (std::FILE* f = std::fopen(kName, "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    auto record = std::make_unique<QvxSettingsRecord>();
    record->language = 0;
    vReadQVXSettingsHelper(record.get(), kPath);
    return 0;
}
