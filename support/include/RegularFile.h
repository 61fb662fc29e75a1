// Reading files that come from outside the program: settings, pictures, drawings, recordings.
//
// Every such file is opened without blocking (a FIFO named like a drawing must not hang the
// user's only way to work), anything but a regular file is refused (directories, FIFOs,
// devices, sockets; a link is followed to what it names, so a link to /dev/zero is a device),
// and a file larger than its format can sensibly be is refused before a byte is read, so a
// sparse or mistaken multi-gigabyte file never exhausts memory. Allocation failure is caught
// here and reported like any other refusal.
//
// Paths are in the platform's form (UTF-8, '/'). Any thread; no shared state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "UniqueFd.h"

namespace support {

enum class ReadStatus {
    Ok,
    Missing,     // no such file, or a path that cannot be followed (dangling or looping link)
    NotRegular,  // a directory, FIFO, device or socket
    TooLarge,    // larger than the caller's bound
    Unreadable,  // no permission, an I/O error, or no memory for it
};

// A regular file opened for reading, positioned at its start, with its size at opening.
struct OpenedFile {
    ReadStatus status = ReadStatus::Missing;
    UniqueFd fd;
    std::uint64_t size = 0;
};

// Opens `path` for reading if it is a regular file of at most `maxBytes` bytes. The descriptor
// is in blocking mode again once the file is known to be regular.
OpenedFile OpenRegularFile(const std::string& path, std::uint64_t maxBytes);

struct FileBytes {
    ReadStatus status = ReadStatus::Missing;
    std::vector<std::uint8_t> bytes;  // the whole file when status is Ok
};

// Reads the whole of a regular file of at most `maxBytes` bytes. A file that grows while it is
// read is refused as TooLarge once it passes the bound.
FileBytes ReadRegularFile(const std::string& path, std::uint64_t maxBytes);

// Whether `path` names a regular file (following links); what a folder listing shows.
bool IsRegularFile(const std::string& path);

}  // namespace support
