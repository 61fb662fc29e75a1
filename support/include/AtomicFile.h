// Writing a whole file so that its old contents are never lost to a crash, a kill or a full
// disk, and so that the write means what a plain "open for writing, write, close" would mean.
//
// The bytes go to a temporary file named "<name>.tmp<pid>" in the folder of the file actually
// written, are synced, and replace that file by rename. Around that:
// - a symbolic link is written through: the link stays and its target gets the new contents;
// - an existing file keeps its permission bits (and its owner where the process may set it);
// - a file without any write permission bit is read-only and left alone, even for root;
// - when the folder cannot take the temporary file but the file itself is writable (a
//   read-only folder holding a writable file), the file is rewritten in place and synced:
//   not proof against a kill in mid-write, but the user's data is saved;
// - after a successful write, temporary files of the same naming left by writers that were
//   killed (their process no longer exists) are removed.
//
// Paths are in the platform's form (UTF-8, '/'). Any thread; two writers of the same file at
// the same time in one process are not supported.
#pragma once

#include <string>
#include <string_view>

namespace support {

enum class WriteStatus {
    Ok,
    CannotOpen,  // the file cannot be opened or created for writing: missing or unwritable
                 // folder, a read-only file, a directory or other non-regular file at the path
    NoSpace,     // the disk (or the user's quota) is full; the old contents are kept
    Failed,      // any other error while writing, syncing or renaming; the old contents are kept
};

WriteStatus WriteFileAtomically(const std::string& path, std::string_view bytes);

// The temporary name used for `path`'s writes by process `pid` ("<path>.tmp<pid>").
std::string TemporaryNameFor(const std::string& path, long pid);

}  // namespace support
