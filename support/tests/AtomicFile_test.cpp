#include "AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "FileContents.h"
#include "FileSizeLimit.h"
#include "ScratchDir.h"

namespace fs = std::filesystem;
using support::WriteFileAtomically;
using support::WriteStatus;

namespace {

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode;
}

int EntriesIn(const std::string& folder) {
    return static_cast<int>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

constexpr int kCannotSwitchUser = 100;

// Runs `body` in a child process, as an ordinary user when asked (root passes every permission
// check, so a folder's missing write bit only shows for another user); the child's exit code
// is the WriteStatus it got, kCannotSwitchUser when it could not become that user.
int InChild(const std::function<int()>& body, bool ordinaryUser) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (ordinaryUser && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(kCannotSwitchUser);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

constexpr uid_t kNobody = 65534;

}  // namespace

TEST(AtomicFile, CreatesAndReplacesWithoutLeavingTemporaries) {
    const testsupport::ScratchDir scratch;
    const std::string dir = ".";
    const std::string file = dir + "/settings.qv";
    ASSERT_EQ(WriteFileAtomically(file, "first"), WriteStatus::Ok);
    ASSERT_EQ(WriteFileAtomically(file, "second, longer"), WriteStatus::Ok);
    EXPECT_EQ(testsupport::ReadFile(file), "second, longer");
    EXPECT_EQ(EntriesIn(dir), 1);
}

TEST(AtomicFile, KeepsTheModeOfTheFileItReplaces) {
    const testsupport::ScratchDir scratch;
    const std::string file = "./kept.qv";
    testsupport::WriteFile(file, "old");
    ::chmod(file.c_str(), 0640);
    ASSERT_EQ(WriteFileAtomically(file, "new"), WriteStatus::Ok);
    EXPECT_EQ(ModeOf(file) & 07777, 0640u);
}

TEST(AtomicFile, WritesThroughSymbolicLinks) {
    const testsupport::ScratchDir scratch;
    const std::string dir = ".";
    fs::create_directories(dir + "/real");
    testsupport::WriteFile(dir + "/real/target.ini", "old");
    fs::create_symlink("real/target.ini", dir + "/link.ini");
    fs::create_symlink("link.ini", dir + "/link2.ini");
    ASSERT_EQ(WriteFileAtomically(dir + "/link2.ini", "new"), WriteStatus::Ok);
    EXPECT_TRUE(fs::is_symlink(dir + "/link.ini"));
    EXPECT_TRUE(fs::is_symlink(dir + "/link2.ini"));
    EXPECT_EQ(testsupport::ReadFile(dir + "/real/target.ini"), "new");
    EXPECT_EQ(EntriesIn(dir + "/real"), 1);
}

TEST(AtomicFile, DanglingLinkCreatesItsTarget) {
    const testsupport::ScratchDir scratch;
    const std::string dir = ".";
    fs::create_symlink("made.ini", dir + "/link.ini");
    ASSERT_EQ(WriteFileAtomically(dir + "/link.ini", "new"), WriteStatus::Ok);
    EXPECT_EQ(testsupport::ReadFile(dir + "/made.ini"), "new");
    EXPECT_TRUE(fs::is_symlink(dir + "/link.ini"));
}

TEST(AtomicFile, RefusesWhatCannotBeOpenedForWritingAndChangesNothing) {
    const testsupport::ScratchDir scratch;
    const std::string dir = ".";
    testsupport::WriteFile(dir + "/readonly.qv", "keep me");
    ::chmod((dir + "/readonly.qv").c_str(), 0444);
    fs::create_directories(dir + "/folder.qv");
    ::mkfifo((dir + "/fifo.qv").c_str(), 0666);
    fs::create_symlink("loop.qv", dir + "/loop.qv");
    const struct {
        std::string path;
    } cases[] = {{dir + "/readonly.qv"}, {dir + "/folder.qv"}, {dir + "/fifo.qv"}, {dir + "/loop.qv"},
                 {dir + "/missing/file.qv"}, {dir + "/"}, {""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(WriteFileAtomically(c.path, "new"), WriteStatus::CannotOpen);
    }
    EXPECT_EQ(testsupport::ReadFile(dir + "/readonly.qv"), "keep me");
    EXPECT_EQ(ModeOf(dir + "/readonly.qv") & 07777, 0444u);
    EXPECT_EQ(EntriesIn(dir), 4);
}

TEST(AtomicFile, ReadOnlyFolderRewritesAWritableFileInPlace) {
    const testsupport::ScratchDir scratch;
    const std::string dir = ".";
    testsupport::WriteFile(dir + "/settings.qv", "old contents that are longer");
    ::chown(dir.c_str(), kNobody, kNobody);
    ::chown((dir + "/settings.qv").c_str(), kNobody, kNobody);
    ::chmod((dir + "/settings.qv").c_str(), 0644);
    ::chmod(dir.c_str(), 0555);
    const int inPlace = InChild([&] { return int(WriteFileAtomically(dir + "/settings.qv", "new")); }, true);
    const int missing = InChild([&] { return int(WriteFileAtomically(dir + "/other.qv", "new")); }, true);
    ::chmod(dir.c_str(), 0755);
    if (inPlace == kCannotSwitchUser)
        GTEST_SKIP() << "cannot become an ordinary user here";
    EXPECT_EQ(inPlace, int(WriteStatus::Ok));
    EXPECT_EQ(testsupport::ReadFile(dir + "/settings.qv"), "new");
    EXPECT_EQ(missing, int(WriteStatus::CannotOpen));
    EXPECT_FALSE(fs::exists(dir + "/other.qv"));
}

TEST(AtomicFile, AWriteThatFailsKeepsTheOldContentsAndLeavesNoTemporary) {
    const testsupport::ScratchDir scratch;
    const std::string dir = ".";
    testsupport::WriteFile(dir + "/drawing.bmp", "old");
    // A file size limit makes the write fail part way, as a full disk does.
    const int status = InChild([&] {
        const testsupport::FileSizeLimit limit(1000);
        return int(WriteFileAtomically(dir + "/drawing.bmp", std::string(5000, 'x')));
    }, false);
    EXPECT_EQ(status, int(WriteStatus::Failed));
    EXPECT_EQ(testsupport::ReadFile(dir + "/drawing.bmp"), "old");
    EXPECT_EQ(EntriesIn(dir), 1);
}

TEST(AtomicFile, RemovesTemporariesOfWritersThatAreGone) {
    const testsupport::ScratchDir scratch;
    const std::string dir = ".";
    const std::string file = dir + "/Settings_US.qv";
    // A process that has ended: a child reaped before its number is used.
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::string stale = support::TemporaryNameFor(file, gone);
    const std::string live = support::TemporaryNameFor(file, ::getppid());
    const std::string other = dir + "/Settings_FR.qv.tmp" + std::to_string(gone);
    const std::string notOurs = file + ".tmpfoo";
    for (const auto& path : {stale, live, other, notOurs})
        testsupport::WriteFile(path, "left over");
    ASSERT_EQ(WriteFileAtomically(file, "new"), WriteStatus::Ok);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(live));
    EXPECT_TRUE(fs::exists(other));
    EXPECT_TRUE(fs::exists(notOurs));
}
