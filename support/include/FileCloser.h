// An owned C library stream, closed when the owner goes. Writers that must know whether their
// bytes reached the file flush and close it themselves (fclose(release())) and check the result.
#pragma once

#include <cstdio>
#include <memory>

namespace support {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace support
