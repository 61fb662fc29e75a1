// The library's files as a real file system may present them, through the C exports: folders,
// FIFOs, devices, looping links and files far too large where a settings file should be; writes
// into read-only files and folders, through links, over the leftovers of killed writers and
// onto a disk that fills up.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FileIoTest.h"
#include "FileSizeLimit.h"
#include "qvfileio.h"

namespace fs = std::filesystem;

namespace {

constexpr unsigned kChildSeconds = 20;
constexpr uid_t kNobody = 65534;
constexpr int kCannotSwitchUser = 100;
constexpr std::uintmax_t kLargestSettingsFile = 4 * 1024 * 1024;
constexpr unsigned char kGarbage = 0x5A;

enum class ChildEnd { Finished, CannotSwitchUser, DidNotFinish };

struct ChildOptions {
    bool asNobody = false;
    rlim_t fileSizeLimit = RLIM_INFINITY;
};

bool WriteAll(int fd, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, bytes, size);
        if (n <= 0)
            return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Runs call in a child process and brings back its result and the `size` bytes at `state` as
// the child left them. The child keeps a call that never returns from hanging the test (it is
// killed after kChildSeconds), gives every case a library that has not yet run its
// once-per-process conversion, and can run as an ordinary user (root passes every permission
// check) or under a file size limit, which makes a write fail part way as a full disk does.
ChildEnd RunInChild(void* state, std::size_t size, std::int32_t& result, const std::function<std::int32_t()>& call,
                    ChildOptions options = {}) {
    int fds[2];
    if (::pipe(fds) != 0)
        return ChildEnd::DidNotFinish;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        ::alarm(kChildSeconds);
        if (options.asNobody && ::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(kCannotSwitchUser);
        std::optional<testsupport::FileSizeLimit> limit;
        if (options.fileSizeLimit != RLIM_INFINITY)
            limit.emplace(options.fileSizeLimit);
        const std::int32_t r = call();
        ::_exit(WriteAll(fds[1], &r, sizeof r) && WriteAll(fds[1], state, size) ? 0 : 1);
    }
    ::close(fds[1]);
    std::vector<char> got;
    char chunk[65536];
    for (ssize_t n; (n = ::read(fds[0], chunk, sizeof chunk)) > 0;)
        got.insert(got.end(), chunk, chunk + n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == kCannotSwitchUser)
        return ChildEnd::CannotSwitchUser;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || got.size() != sizeof result + size)
        return ChildEnd::DidNotFinish;
    std::memcpy(&result, got.data(), sizeof result);
    if (size > 0)
        std::memcpy(state, got.data() + sizeof result, size);
    return ChildEnd::Finished;
}

std::int32_t WriteInChild(std::int32_t (*write)(), ChildOptions options, ChildEnd* end = nullptr) {
    std::int32_t result = -999;
    const ChildEnd e = RunInChild(nullptr, 0, result, write, options);
    if (end != nullptr)
        *end = e;
    EXPECT_TRUE(e == ChildEnd::Finished || e == ChildEnd::CannotSwitchUser);
    return result;
}

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode & 07777;
}

std::size_t EntriesIn(const std::string& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// ---- reading

// What may lie where a file is expected. Each must read exactly as if nothing were there.
struct OddFile {
    const char* name;
    void (*make)(const std::string& path);
};

const OddFile kOddFiles[] = {
    {"a folder", [](const std::string& p) { fs::create_directory(p); }},
    {"a FIFO", [](const std::string& p) { ::mkfifo(p.c_str(), 0666); }},
    {"a link to /dev/zero", [](const std::string& p) { fs::create_symlink("/dev/zero", p); }},
    {"a link to /dev/null", [](const std::string& p) { fs::create_symlink("/dev/null", p); }},
    {"a link to itself", [](const std::string& p) { fs::create_symlink(fs::path(p).filename(), p); }},
    {"a file just over 4 MiB",
     [](const std::string& p) {
         // Sparse: the size without the disk space.
         const int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
         ASSERT_GE(fd, 0);
         ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(kLargestSettingsFile + 1)), 0);
         ::close(fd);
     }},
};

// The files around the odd one: older per-block files that the reads fall back to, and a
// tracker settings file for the blocks a restore does not find in its own file. Each older
// file serves the last block of its kind only, so that the conversion it starts (which an odd
// file may keep from being written) changes nothing for the read that started it.
void PutFilesAround() {
    fs::create_directory("QVSettings");
    fs::create_directory("QVXSettings");
    testsupport::WriteFile("QVSettings/Settings_US.qv", "7\r\nUS\r\n\r\nSection ImageProc **********\r\n1\r\n0\r\n1\r\n");
    testsupport::WriteFile("tsk.key", "4\r\n0.9\r\n1\r\n0.5\r\n2\r\n5\r\n0\r\n");
    testsupport::WriteFile("menu.lab", "Older Menu\r\nRecal\r\n");
    testsupport::WriteFile("menu.key", "1\r\nWrite\r\nwrite.exe\r\n");
}

struct ReadOutcome {
    ChildEnd end = ChildEnd::DidNotFinish;
    std::int32_t result = -999;
    std::vector<unsigned char> record;
};

template <typename Record>
ReadOutcome ReadInChild(std::int32_t (*read)(Record*)) {
    auto record = std::make_unique<Record>();
    std::memset(static_cast<void*>(record.get()), kGarbage, sizeof(Record));
    ReadOutcome outcome;
    outcome.end = RunInChild(record.get(), sizeof(Record), outcome.result, [&] { return read(record.get()); });
    const auto* bytes = reinterpret_cast<const unsigned char*>(record.get());
    outcome.record.assign(bytes, bytes + sizeof(Record));
    return outcome;
}

struct Reader {
    const char* name;
    const char* path;  // where the odd file goes
    ReadOutcome (*read)();
};

// The tracker file's last block falls back to "software.cfg", which the communication file's
// fourth block shares; it is only there for the tracker read.
constexpr char kSoftwareCfg[] = "software.cfg";

const Reader kReaders[] = {
    {"vReadQvSettings", "QVSettings/Settings_US.qv",
     [] {
         testsupport::WriteFile(kSoftwareCfg, "droopy\r\n1\r\n");
         return ReadInChild<QvSettingsRecord>(vReadQvSettings);
     }},
    {"vReadQVXSettings", "QVXSettings/Settings_US.qvx",
     [] { return ReadInChild<QvxSettingsRecord>(vReadQVXSettings); }},
    {"ReadQVXLabels", "QVXSettings/Labels_US.qvx", [] { return ReadInChild<QvxLabelsRecord>(ReadQVXLabels); }},
    {"vReadQvSettingsHelper", "restore.qv",
     [] {
         return ReadInChild<QvSettingsRecord>([](QvSettingsRecord* r) { return vReadQvSettingsHelper(r, u"restore.qv"); });
     }},
    {"vReadQVXSettingsHelper", "restore.qvx",
     [] {
         return ReadInChild<QvxSettingsRecord>(
             [](QvxSettingsRecord* r) { return vReadQVXSettingsHelper(r, u"restore.qvx"); });
     }},
    {"ReadQVXLabelsHelper", "labels.qvx",
     [] {
         return ReadInChild<QvxLabelsRecord>([](QvxLabelsRecord* r) { return ReadQVXLabelsHelper(r, u"labels.qvx"); });
     }},
    {"ReadLanguage", "CurrentLanguage.qvx",
     [] {
         return ReadInChild<std::int32_t>([](std::int32_t* language) {
             ReadLanguage(language);
             return *language;
         });
     }},
};

// ---- writing

struct Writer {
    const char* name;
    const char* folder;  // created for the case; "." is the case's own folder
    const char* file;
    std::int32_t (*write)();
};

QvSettingsRecord TrackerRecord() {
    QvSettingsRecord record{};
    vSetDefaultQvSettings(&record);
    vSetHardwareDefaults(&record.hardware, 1);
    record.language = 0;
    record.hardware.iVideoGain = 77;
    return record;
}

std::unique_ptr<QvxSettingsRecord> CommunicationRecord() {
    auto record = std::make_unique<QvxSettingsRecord>();
    vSetDefaultQVXSettings(record.get());
    record->paddle.iPaddleWidth = 99;
    return record;
}

const Writer kWriters[] = {
    {"vWriteQvSettings", "QVSettings", "Settings_US.qv",
     [] {
         QvSettingsRecord record = TrackerRecord();
         return vWriteQvSettings(&record);
     }},
    {"vWriteQvSettingsHelper", "Backups", "backup.qv",
     [] {
         QvSettingsRecord record = TrackerRecord();
         return vWriteQvSettingsHelper(&record, u"Backups\\backup.qv");
     }},
    {"vWriteQvBlock", "QVSettings", "Settings_US.qv",
     [] {
         const ImageProcSettings block{1, 0, 1};
         return vWriteQvBlock(QV_BLOCK_IMAGEPROC, &block, 0);
     }},
    {"vWriteQVXSettings", "QVXSettings", "Settings_US.qvx", [] { return vWriteQVXSettings(CommunicationRecord().get()); }},
    {"vWriteQVXSettingsHelper", "QVXSettings", "backup.qvx",
     [] { return vWriteQVXSettingsHelper(CommunicationRecord().get(), u"QVXSettings\\backup.qvx"); }},
    {"vWriteQVXBlock", "QVXSettings", "Settings_US.qvx",
     [] {
         const PaddleSettings block{99, 5};
         return vWriteQVXBlock(QVX_BLOCK_PADDLE, &block, 0);
     }},
    {"WriteLanguage", ".", "CurrentLanguage.qvx", [] { return WriteLanguage(17); }},
};

constexpr char kOldContents[] = "old settings\r\n";

// A process number that no process has: a child's, once it is reaped.
pid_t GonePid() {
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    return gone;
}

class ExportsFilesTest : public FileIoTest {};

}  // namespace

TEST_F(ExportsFilesTest, WhatIsNotARegularFileOfASensibleSizeReadsAsAMissingFile) {
    for (const Reader& reader : kReaders) {
        SCOPED_TRACE(reader.name);
        ReadOutcome missing;
        {
            testsupport::ScratchDir folder(std::string(reader.name) + "-missing");
            PutFilesAround();
            fs::remove(reader.path);
            missing = reader.read();
        }
        ASSERT_EQ(missing.end, ChildEnd::Finished);
        for (const OddFile& odd : kOddFiles) {
            SCOPED_TRACE(odd.name);
            testsupport::ScratchDir folder(std::string(reader.name) + "-" + odd.name);
            PutFilesAround();
            fs::remove(reader.path);
            odd.make(reader.path);
            const ReadOutcome outcome = reader.read();
            if (outcome.end != ChildEnd::Finished) {
                ADD_FAILURE() << "the read did not come back";
                continue;
            }
            EXPECT_EQ(outcome.result, missing.result);
            EXPECT_TRUE(outcome.record == missing.record) << "the record differs from a read without the file";
        }
    }
}

TEST_F(ExportsFilesTest, MissingFilesFallBackAsTheFormatSays) {
    // The reference the odd files are held to: older files and the language's file are used.
    testsupport::ScratchDir folder("reference");
    PutFilesAround();
    testsupport::WriteFile(kSoftwareCfg, "droopy\r\n1\r\n");
    QvSettingsRecord tracker{};
    tracker.language = -1;
    EXPECT_EQ(vReadQvSettingsHelper(&tracker, u"restore.qv"), 7);
    EXPECT_EQ(tracker.imageProc.bDroopyEyelidComp, 1);
    auto communication = std::make_unique<QvxSettingsRecord>();
    communication->language = -1;
    // "software.cfg" serves the image-processing block here too and converts the older files;
    // the blocks after it find the new file.
    EXPECT_EQ(vReadQVXSettings(communication.get()), 7);
    EXPECT_EQ(communication->twoStrokeKbd.iTextFont, 5);
    auto labels = std::make_unique<QvxLabelsRecord>();
    labels->language = -1;
    EXPECT_EQ(ReadQVXLabels(labels.get()), 1);
    EXPECT_EQ(std::u16string(labels->menu.szTitle), u"Older Menu");
    EXPECT_EQ(std::u16string(labels->menu.items[0]), u"Write");
    std::int32_t language = 25;
    ReadLanguage(&language);
    EXPECT_EQ(language, 0);
}

TEST_F(ExportsFilesTest, ASettingsFileOfExactlyTheLargestSizeIsRead) {
    fs::create_directory("QVSettings");
    std::string file = "7\r\nUS\r\n\r\nSection ImageProc **********\r\n1\r\n0\r\n1\r\n";
    file.resize(kLargestSettingsFile, '\n');
    testsupport::WriteFile("QVSettings/Settings_US.qv", file);
    QvSettingsRecord record{};
    record.language = 0;
    EXPECT_EQ(vReadQvSettings(&record), 7);
    EXPECT_EQ(record.imageProc.bDroopyEyelidComp, 1);
    EXPECT_EQ(record.imageProc.bRangeComp, 0);
}

TEST_F(ExportsFilesTest, WritesKeepWhatAPlainWriteWouldMean) {
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        const std::string target = std::string(writer.folder) + "/" + writer.file;
        std::string expected;
        {
            testsupport::ScratchDir folder(std::string(writer.name) + "-plain");
            fs::create_directories(writer.folder);
            ASSERT_EQ(WriteInChild(writer.write, {}), 0);
            expected = testsupport::ReadFile(target);
            ASSERT_GT(expected.size(), 2u);
            EXPECT_EQ(expected.substr(0, 2), "\xFF\xFE");
        }
        {
            SCOPED_TRACE("a read-only file is left alone, even by root");
            testsupport::ScratchDir folder(std::string(writer.name) + "-readonly-file");
            fs::create_directories(writer.folder);
            testsupport::WriteFile(target, kOldContents);
            ::chmod(target.c_str(), 0444);
            EXPECT_EQ(WriteInChild(writer.write, {}), 0);
            EXPECT_TRUE(testsupport::ReadFile(target) == kOldContents);
            EXPECT_EQ(ModeOf(target), 0444u);
        }
        {
            SCOPED_TRACE("a link is written through");
            testsupport::ScratchDir folder(std::string(writer.name) + "-link");
            fs::create_directories(writer.folder);
            fs::create_directory("elsewhere");
            testsupport::WriteFile("elsewhere/real", kOldContents);
            fs::create_symlink(fs::absolute("elsewhere/real"), target);
            EXPECT_EQ(WriteInChild(writer.write, {}), 0);
            EXPECT_TRUE(fs::is_symlink(target));
            EXPECT_TRUE(testsupport::ReadFile("elsewhere/real") == expected);
        }
        {
            SCOPED_TRACE("the file keeps its mode");
            testsupport::ScratchDir folder(std::string(writer.name) + "-mode");
            fs::create_directories(writer.folder);
            testsupport::WriteFile(target, kOldContents);
            ::chmod(target.c_str(), 0640);
            EXPECT_EQ(WriteInChild(writer.write, {}), 0);
            EXPECT_TRUE(testsupport::ReadFile(target) == expected);
            EXPECT_EQ(ModeOf(target), 0640u);
        }
        {
            SCOPED_TRACE("a folder in the file's place cannot be created: 0");
            testsupport::ScratchDir folder(std::string(writer.name) + "-folder");
            fs::create_directories(target);
            EXPECT_EQ(WriteInChild(writer.write, {}), 0);
            EXPECT_TRUE(fs::is_directory(target));
            EXPECT_TRUE(fs::is_empty(target));
        }
        {
            SCOPED_TRACE("temporaries of killed writers go once a write succeeds");
            testsupport::ScratchDir folder(std::string(writer.name) + "-stale");
            fs::create_directories(writer.folder);
            const std::string stale = target + ".tmp" + std::to_string(GonePid());
            const std::string live = target + ".tmp" + std::to_string(::getppid());
            testsupport::WriteFile(stale, "half written");
            testsupport::WriteFile(live, "being written");
            EXPECT_EQ(WriteInChild(writer.write, {}), 0);
            EXPECT_TRUE(testsupport::ReadFile(target) == expected);
            EXPECT_FALSE(fs::exists(stale));
            EXPECT_TRUE(fs::exists(live));
        }
        {
            SCOPED_TRACE("a write that fails part way reports it and keeps the old file");
            testsupport::ScratchDir folder(std::string(writer.name) + "-full");
            fs::create_directories(writer.folder);
            testsupport::WriteFile(target, kOldContents);
            EXPECT_NE(WriteInChild(writer.write, {.fileSizeLimit = 4}), 0);
            EXPECT_TRUE(testsupport::ReadFile(target) == kOldContents);
            EXPECT_EQ(EntriesIn(writer.folder), 1u);
        }
    }
}

TEST_F(ExportsFilesTest, AReadOnlyFolderStillTakesItsWritableFile) {
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        const std::string target = std::string(writer.folder) + "/" + writer.file;
        std::string expected;
        {
            testsupport::ScratchDir folder(std::string(writer.name) + "-plain");
            fs::create_directories(writer.folder);
            ASSERT_EQ(WriteInChild(writer.write, {}), 0);
            expected = testsupport::ReadFile(target);
        }
        for (const bool full : {false, true}) {
            SCOPED_TRACE(full ? "and the disk is full" : "with room");
            testsupport::ScratchDir folder(std::string(writer.name) + (full ? "-readonly-folder-full" : "-readonly-folder"));
            fs::create_directories(writer.folder);
            testsupport::WriteFile(target, kOldContents);
            ::chown(writer.folder, kNobody, kNobody);
            ::chown(target.c_str(), kNobody, kNobody);
            ::chmod(target.c_str(), 0644);
            ::chmod(writer.folder, 0555);
            ChildEnd end = ChildEnd::Finished;
            const std::int32_t result =
                WriteInChild(writer.write, {.asNobody = true, .fileSizeLimit = full ? 4 : RLIM_INFINITY}, &end);
            ::chmod(writer.folder, 0755);
            if (end == ChildEnd::CannotSwitchUser)
                GTEST_SKIP() << "cannot become an ordinary user here";
            if (full) {
                EXPECT_NE(result, 0);
            } else {
                EXPECT_EQ(result, 0);
                EXPECT_TRUE(testsupport::ReadFile(target) == expected);
            }
            EXPECT_EQ(EntriesIn(writer.folder), 1u);
        }
    }
}
