// The calibration file's reader on any bytes: no crash, no hang, and whatever it accepts is a
// map that keeps the pointer's arithmetic finite and writes back to the same contents.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "CalibrationFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using qvtrack::CalibrationFile;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const CalibrationFile::ReadResult read = CalibrationFile::Parse(text);
    if (read.status != CalibrationFile::Status::Ok) {
        if (read.error.empty()) {
            std::abort();
        }
        return 0;
    }
    for (double u : {-0.5, 0.0, 0.5}) {
        for (double v : {-0.5, 0.0, 0.5}) {
            double x = 0, y = 0;
            read.contents.map.apply(u, v, x, y);
            if (!std::isfinite(x) || !std::isfinite(y)) {
                std::abort();
            }
        }
    }
    const CalibrationFile::ReadResult again = CalibrationFile::Parse(CalibrationFile::Format(read.contents));
    if (again.status != CalibrationFile::Status::Ok ||
        again.contents.map.xCoefficients() != read.contents.map.xCoefficients() ||
        again.contents.map.yCoefficients() != read.contents.map.yCoefficients() ||
        again.contents.targets != read.contents.targets) {
        std::abort();
    }
    return 0;
}
