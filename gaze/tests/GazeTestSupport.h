// What the gaze tests share: a message sink that records what the gaze thread posts. Scratch
// folders, file contents and the file size limit come from the shared test support.
#pragma once

#include <cstdint>
#include <mutex>
#include <ostream>
#include <vector>

#include "FileContents.h"
#include "FileSizeLimit.h"
#include "GazeMessages.h"
#include "ScratchDir.h"

namespace lumora::test {

struct Posted {
    unsigned msg;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    unsigned x() const { return PointLParamX(lParam); }
    unsigned y() const { return PointLParamY(lParam); }
    friend bool operator==(const Posted&, const Posted&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const Posted& p) {
    return os << "{0x" << std::hex << p.msg << std::dec << ", " << p.wParam << ", (" << p.x() << "," << p.y() << ")}";
}

class RecordingSink : public GazeMessageSink {
public:
    void post(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override {
        std::lock_guard lock(m_mutex);
        m_posted.push_back(Posted{msg, wParam, lParam});
    }
    std::vector<Posted> posted() const {
        std::lock_guard lock(m_mutex);
        return m_posted;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<Posted> m_posted;
};

}  // namespace lumora::test
