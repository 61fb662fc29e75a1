// Arbitrary bytes as a communication label file (the labels and the key-location, key-code
// and scanning-keyboard tables), read as the label file of language 0.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "qvfileio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool folder = std::filesystem::create_directory("QVXSettings") || true;
    (void)folder;
    if (std::FILE* f = std::fopen("QVXSettings/Labels_US.qvx", "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    auto record = std::make_unique<QvxLabelsRecord>();
    record->language = 0;
    record->keyLocations.kind = static_cast<int32_t>(size % 2);
    ReadQVXLabels(record.get());
    auto layout = std::make_unique<ScanningKeyboardLayout>();
    for (int32_t kind = 0; kind < 2; ++kind) {
        ReadQVXScanningKeyboard(layout.get(), kind, 0);
    }
    return 0;
}
