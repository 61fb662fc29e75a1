// Feeds arbitrary bytes to the Open Gaze connection's line handling and record parser, as a
// hostile server would send them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "LineReader.h"
#include "OpenGazeConnection.h"
#include "OpenGazeRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    support::MemoryByteSource stream(std::string_view(reinterpret_cast<const char*>(data), size));
    qvtrack::LineReader lines(stream, qvtrack::OpenGazeConnection::kMaxLineBytes);
    qvtrack::OpenGazeRecord record;
    std::string line;
    for (;;) {
        auto r = lines.next(line);
        if (r == qvtrack::LineReader::Result::End) {
            break;
        }
        if (r != qvtrack::LineReader::Result::Line || !record.parse(line)) {
            continue;
        }
        GazeSample sample{};
        if (record.toSample(1920, 1080, sample) && sample.found != 0 && sample.found != 1) {
            __builtin_trap();
        }
        (void)record.number("FPOGX");
        (void)record.attribute("ID");
    }
    return 0;
}
