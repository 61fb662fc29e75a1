// Gives each test case a fresh folder of its own inside the test's scratch working directory
// and makes it the current directory, so that test cases running side by side never share the
// library's relative file names.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

class ScratchDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previous = std::filesystem::current_path();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "." + info->name();
        for (char& c : name) {
            if (c == '/') {
                c = '_';
            }
        }
        m_dir = m_previous / "cases" / name;
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        std::filesystem::current_path(m_dir);
    }

    void TearDown() override { std::filesystem::current_path(m_previous); }

    static void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    static std::string readBytes(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    // UTF-16 little-endian with the byte-order mark, from ASCII text.
    static std::string utf16File(const std::string& text) {
        std::string bytes = "\xFF\xFE";
        for (char c : text) {
            bytes += c;
            bytes += '\0';
        }
        return bytes;
    }

    std::filesystem::path m_previous;
    std::filesystem::path m_dir;
};
