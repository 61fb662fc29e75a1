// Whole files in and out for tests that check what a program wrote or prepare what it reads.
// Bytes as they are (binary), no line-end translation.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

// The whole file; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);
// The file's lines without their line feeds (a last line without one counts).
std::vector<std::string> ReadLines(const std::filesystem::path& path);
// Replaces the file by `bytes` (creating it); false when it could not be written.
bool WriteFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace testsupport
