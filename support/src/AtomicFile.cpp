#include "AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <memory>
#include <optional>

#include "UniqueFd.h"

namespace support {

namespace {

// As many links as the kernel follows before it gives up with ELOOP.
constexpr int kMaxLinkHops = 40;
constexpr std::string_view kTemporaryInfix = ".tmp";
constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t kPermissionBits = 07777;

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a write of `path` really changes: the end of its chain of symbolic links (which
// need not exist yet). Nothing when the chain is too long or a link cannot be read.
std::optional<std::string> FollowLinks(std::string path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= target.size())
            return std::nullopt;
        target.resize(static_cast<std::size_t>(length));
        path = target.front() == '/' ? target : FolderOf(path) + "/" + target;
    }
    return std::nullopt;
}

bool IsFullDisk(int error) {
    return error == ENOSPC || error == EDQUOT;
}

// Writes every byte at the descriptor's position; false with errno set otherwise.
bool WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

WriteStatus FailureFrom(int error) {
    return IsFullDisk(error) ? WriteStatus::NoSpace : WriteStatus::Failed;
}

// The rename is only durable once the folder's entry is on disk too.
void SyncFolder(const std::string& folder) {
    UniqueFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir)
        ::fsync(dir.get());
}

// Rewrites the file itself, for a folder that takes no new files. The old bytes are
// overwritten before the length is cut, so a full disk never frees what the file held.
WriteStatus WriteInPlace(const std::string& target, std::string_view bytes) {
    UniqueFd fd(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    if (!fd)
        return WriteStatus::CannotOpen;
    if (!WriteAll(fd.get(), bytes) || ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) != 0 ||
        ::fsync(fd.get()) != 0)
        return FailureFrom(errno);
    return fd.closeChecked() ? WriteStatus::Ok : FailureFrom(errno);
}

bool ProcessExists(long pid) {
    return pid > 0 && pid <= INT_MAX && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// Removes "<name>.tmp<pid>" files in the target's folder whose writer is gone.
void RemoveStaleTemporaries(const std::string& target) {
    const std::string folder = FolderOf(target);
    const std::string prefix = NameOf(target) + std::string(kTemporaryInfix);
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name(entry->d_name);
        if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix)
            continue;
        const std::string_view digits = name.substr(prefix.size());
        if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string_view::npos)
            continue;
        const long pid = std::stol(std::string(digits));
        if (pid == ::getpid() || ProcessExists(pid))
            continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir.get()), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode))
            ::unlinkat(::dirfd(dir.get()), entry->d_name, 0);
    }
}

}  // namespace

std::string TemporaryNameFor(const std::string& path, long pid) {
    return path + std::string(kTemporaryInfix) + std::to_string(pid);
}

WriteStatus WriteFileAtomically(const std::string& path, std::string_view bytes) {
    if (path.empty() || path.back() == '/')
        return WriteStatus::CannotOpen;
    const std::optional<std::string> resolved = FollowLinks(path);
    if (!resolved)
        return WriteStatus::CannotOpen;
    const std::string& target = *resolved;

    struct stat old {};
    const bool exists = ::lstat(target.c_str(), &old) == 0;
    if (exists) {
        if (!S_ISREG(old.st_mode))
            return WriteStatus::CannotOpen;
        // Root may write anything; a file whose owner took every write bit away stays as it is.
        if ((old.st_mode & kAnyWriteBit) == 0 || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            return WriteStatus::CannotOpen;
    }

    const std::string temp = TemporaryNameFor(target, ::getpid());
    ::unlink(temp.c_str());
    UniqueFd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!fd) {
        const int error = errno;
        if (exists && (error == EACCES || error == EPERM))
            return WriteInPlace(target, bytes);
        return IsFullDisk(error) ? WriteStatus::NoSpace : WriteStatus::CannotOpen;
    }
    if (exists) {
        // The owner first: changing it may clear set-id bits, which the mode then restores.
        [[maybe_unused]] const int owned = ::fchown(fd.get(), old.st_uid, old.st_gid);
        ::fchmod(fd.get(), old.st_mode & kPermissionBits);
    }
    if (!WriteAll(fd.get(), bytes) || ::fsync(fd.get()) != 0 || !fd.closeChecked()) {
        const int error = errno;
        ::unlink(temp.c_str());
        return FailureFrom(error);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return FailureFrom(error);
    }
    SyncFolder(FolderOf(target));
    RemoveStaleTemporaries(target);
    return WriteStatus::Ok;
}

}  // namespace support
