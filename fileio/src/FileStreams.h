// The only layer that touches the file system. Paths arrive as the library's UTF-16 names with
// '\' separators and are turned into the platform's form here; the safe reading and writing
// itself is the shared support library's.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qvfileio {

// The largest file the library reads: far beyond any settings or label file (the largest
// real ones are tens of kilobytes), small enough that a wrong file never costs the caller
// more than a few times this in memory.
constexpr std::uint64_t kMaxFileBytes = 4 * 1024 * 1024;

// The write result of a write that failed part way (the old file is kept).
constexpr int kWriteFailed = -1;

// UTF-16 library path to a UTF-8 platform path, '\' becoming '/'.
std::string nativePath(std::u16string_view path);

// Reads a whole file. Nothing when it is missing, when it is not a regular file (a folder,
// FIFO, device, or a link to one), when it is larger than kMaxFileBytes or cannot be read:
// for the library all of these are a missing file.
std::optional<std::vector<std::uint8_t>> readFileBytes(std::u16string_view path);

// Replaces a whole file safely (support::WriteFileAtomically) and returns the library's
// write result: 0 when it was written, and also 0 when the file cannot be created (nothing
// is written); non-zero when the write failed part way.
int writeFileBytes(std::u16string_view path, std::span<const std::uint8_t> bytes);

}  // namespace qvfileio
