// Typed field text: the number readers of the validated fields and the colour edits must accept
// any bytes without crashing and keep their results in range.

#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "CBRLField.h"
#include "CCalConstPpg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)CBRLField::ParseLeadingInt(text);
    if (const auto value = CBRLField::ParseLeadingFloat(text); value && std::isnan(*value)) {
        std::abort();
    }
    const auto rgb = CCalConstPpg::ParseColourNumbers(QString::fromLatin1(text.data(), static_cast<qsizetype>(size)));
    const int32_t colour = CCalConstPpg::ColourFromNumbers(rgb);
    if (colour < 0 || colour > 0xFFFFFF) {
        std::abort();
    }
    return 0;
}
