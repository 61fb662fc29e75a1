// Feeds arbitrary bytes to the settings reader, then checks that what it kept writes out and
// reads back to the same document.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "IniDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = [] {
        // The reader's failure line goes to standard output; keep the fuzzer's log readable.
        return std::freopen("/dev/null", "w", stdout) != nullptr;
    }();
    (void)quiet;

    lumora::IniDocument doc;
    lumora::StringLineSource source(std::string_view(reinterpret_cast<const char*>(data), size));
    doc.read(source);
    doc.getNumber("FixTime", "fMinFixMs", 0.0);
    doc.getNumber("GazeDev", "Thresh", 0.0);

    lumora::StringSink first;
    if (!doc.write(first))
        std::abort();
    lumora::IniDocument again;
    lumora::StringLineSource back(first.text());
    again.read(back);
    lumora::StringSink second;
    again.write(second);
    // A written document is already in the regrouped layout, so a second round changes nothing.
    lumora::IniDocument third;
    lumora::StringLineSource back2(second.text());
    third.read(back2);
    lumora::StringSink last;
    third.write(last);
    if (last.text() != second.text())
        std::abort();
    return 0;
}
