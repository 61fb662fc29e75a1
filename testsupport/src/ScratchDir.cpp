#include "ScratchDir.h"

#include <string>
#include <system_error>

namespace testsupport {

namespace {

std::string FolderName(std::string_view name) {
    std::string folder(name);
    // Parameterised cases are named "Suite/Case/0": one folder, not a tree.
    for (char& c : folder)
        if (c == '/' || c == ' ')
            c = '_';
    return folder;
}

std::string CaseName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string(info->test_suite_name()) + "." + info->name();
}

}  // namespace

ScratchDir::ScratchDir() : ScratchDir(Relative{std::filesystem::path("cases") / FolderName(CaseName())}) {}

ScratchDir::ScratchDir(std::string_view name) : ScratchDir(Relative{FolderName(name)}) {}

ScratchDir::ScratchDir(const Relative& relative)
    : m_previous(std::filesystem::current_path()), m_dir(m_previous / relative.path) {
    std::filesystem::remove_all(m_dir);
    std::filesystem::create_directories(m_dir);
    std::filesystem::current_path(m_dir);
}

ScratchDir::~ScratchDir() {
    // A destructor must not throw; a previous folder removed meanwhile leaves us where we are.
    std::error_code ignored;
    std::filesystem::current_path(m_previous, ignored);
}

void ScratchDirTest::SetUp() {
    m_scratch.emplace();
    m_dir = m_scratch->path();
    m_previous = m_scratch->previous();
}

void ScratchDirTest::TearDown() {
    m_scratch.reset();
}

}  // namespace testsupport
