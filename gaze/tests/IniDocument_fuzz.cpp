// Feeds arbitrary bytes to the settings reader, then checks that what it kept writes out and
// reads back to a document of the same shape.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "IniDocument.h"

namespace {

bool SameShape(const lumora::IniDocument& a, const lumora::IniDocument& b) {
    if (a.headerComments().size() != b.headerComments().size() || a.sections().size() != b.sections().size())
        return false;
    for (std::size_t i = 0; i < a.sections().size(); ++i) {
        const auto& sa = a.sections()[i];
        const auto& sb = b.sections()[i];
        if (sa.keys.size() != sb.keys.size() || sa.comments.size() != sb.comments.size())
            return false;
        for (std::size_t k = 0; k < sa.keys.size(); ++k)
            if (sa.keys[k].name != sb.keys[k].name)
                return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = [] {
        // The reader's failure line goes to standard output; keep the fuzzer's log readable.
        return std::freopen("/dev/null", "w", stdout) != nullptr;
    }();
    (void)quiet;

    lumora::IniDocument doc;
    support::StringLineSource source(std::string_view(reinterpret_cast<const char*>(data), size));
    doc.read(source);
    doc.getNumber("FixTime", "fMinFixMs", 0.0);
    doc.getNumber("GazeDev", "Thresh", 0.0);

    support::MemoryByteSink written;
    if (!doc.write(written))
        std::abort();
    // What the program writes it must read back whole. (A carriage return at the very end of a
    // value or comment is taken for a line end on the way back; the shape stays.)
    lumora::IniDocument again;
    support::StringLineSource back(written.bytes());
    const bool readBack = again.read(back);
    if (readBack != !doc.sections().empty() || !SameShape(doc, again))
        std::abort();
    return 0;
}
