// Helpers shared by the gaze tests: a scratch folder per test, and a sink that records posts.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

#include "GazeMessages.h"

namespace lumora::test {

// Makes a fresh folder named after the running test inside the working directory and works in
// it, so tests of one program that ctest runs side by side never share relative paths.
class ScratchDir {
public:
    ScratchDir() : m_previous(std::filesystem::current_path()) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "." + info->name();
        for (char& c : name)
            if (c == '/')
                c = '_';
        m_dir = m_previous / ("scratch_" + name);
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        std::filesystem::current_path(m_dir);
    }
    ~ScratchDir() { std::filesystem::current_path(m_previous); }
    const std::filesystem::path& path() const { return m_dir; }

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_dir;
};

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

// Lowers the process's file size limit while it lives, so that writes beyond it fail (with the
// signal ignored) the way writes to a full disk do part way.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lower = m_previous;
        lower.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = SIG_DFL;
};

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::vector<std::string> ReadLines(const std::filesystem::path& path) {
    std::vector<std::string> lines;
    std::istringstream in(ReadFile(path));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

}  // namespace lumora::test
