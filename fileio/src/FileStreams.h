// The only layer that touches the file system. Paths arrive as the library's UTF-16 names with
// '\' separators and are turned into the platform's form here.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ByteStream.h"

namespace qvfileio {

// UTF-16 library path to a UTF-8 platform path, '\' becoming '/'.
std::string nativePath(std::u16string_view path);

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// A file opened for binary reading; open() returns nothing when the file cannot be opened.
class FileSource final : public ByteSource {
public:
    static std::unique_ptr<FileSource> open(std::u16string_view path);
    std::size_t read(std::uint8_t* buffer, std::size_t size) override;
    // Every byte of the file from its start.
    std::vector<std::uint8_t> readAll();

private:
    explicit FileSource(FilePtr file) : m_file(std::move(file)) {}
    FilePtr m_file;
};

// Writes a whole file so that the target is never seen half-written: the bytes go to a
// temporary file beside the target, which replaces the target by rename only once it is
// complete and on disk. A crash or a full disk leaves the previous file untouched.
class AtomicFileSink final : public ByteSink {
public:
    // Nothing when the temporary file cannot be created (missing folder, no permission).
    static std::unique_ptr<AtomicFileSink> create(std::u16string_view path);
    ~AtomicFileSink() override;

    bool write(std::span<const std::uint8_t> bytes) override;
    // Flushes, syncs, closes and renames; non-zero if any of it failed (the target is then
    // unchanged and the temporary file removed).
    int finish() override;

private:
    AtomicFileSink(int fd, std::string target, std::string temp);
    void discard();

    int m_fd;
    std::string m_target;
    std::string m_temp;
    bool m_failed = false;
};

// Reads a whole file; nothing when it cannot be opened.
std::optional<std::vector<std::uint8_t>> readFileBytes(std::u16string_view path);

}  // namespace qvfileio
