// Scratch folders for tests. ctest runs each test program in a working folder of its own
// (build*/testwork/<test>/); inside it every test case gets a fresh folder, so that cases run
// side by side never share relative file names and nothing lands outside the build tree.
// GoogleTest's thread only: the current folder is the process's.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string_view>

namespace testsupport {

// Makes a fresh, empty folder and works in it while it lives; the folder that was current
// before is current again afterwards. The folder stays for a look after a failure.
class ScratchDir {
public:
    // "cases/<Suite>.<Case>" of the running test case, under the current folder.
    ScratchDir();
    // `name` under the current folder, for several folders in one case ('/' and ' ' become '_').
    explicit ScratchDir(std::string_view name);
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // Absolute.
    const std::filesystem::path& path() const { return m_dir; }
    const std::filesystem::path& previous() const { return m_previous; }

private:
    struct Relative {
        std::filesystem::path path;
    };
    explicit ScratchDir(const Relative& relative);

    std::filesystem::path m_previous;
    std::filesystem::path m_dir;
};

// A fixture whose cases each run in a ScratchDir of their own.
class ScratchDirTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The case's folder and the folder current before it (set in SetUp).
    std::filesystem::path m_dir;
    std::filesystem::path m_previous;

private:
    std::optional<ScratchDir> m_scratch;
};

}  // namespace testsupport
