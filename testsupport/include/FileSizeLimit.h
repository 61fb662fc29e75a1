// Makes writes fail part way the way they do on a full disk: the process's file size limit is
// lowered while a FileSizeLimit lives (SIGXFSZ ignored, so a write beyond it fails with EFBIG).
// The limit is the process's: not for tests that write from other threads meanwhile.
#pragma once

#include <sys/resource.h>

namespace testsupport {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

}  // namespace testsupport
