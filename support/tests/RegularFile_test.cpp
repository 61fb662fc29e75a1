#include "RegularFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "FileContents.h"
#include "ScratchDir.h"

namespace fs = std::filesystem;
using support::ReadRegularFile;
using support::ReadStatus;

namespace {

constexpr std::uint64_t kBound = 4 * 1024 * 1024;

}  // namespace

TEST(RegularFile, ReadsARegularFileWhole) {
    const testsupport::ScratchDir scratch;
    const std::string file = "./a.ini";
    testsupport::WriteFile(file, std::string("x\0y", 3));
    const auto read = ReadRegularFile(file, kBound);
    ASSERT_EQ(read.status, ReadStatus::Ok);
    EXPECT_EQ(std::string(read.bytes.begin(), read.bytes.end()), std::string("x\0y", 3));
    EXPECT_TRUE(support::IsRegularFile(file));
}

TEST(RegularFile, RefusesWhatIsNotAReasonableRegularFile) {
    const testsupport::ScratchDir scratch;
    const std::string dir = ".";
    fs::create_directories(dir + "/folder.bmp");
    ::mkfifo((dir + "/fifo.bmp").c_str(), 0666);  // would block a plain open for ever
    fs::create_symlink("/dev/zero", dir + "/zero.bmp");
    fs::create_symlink("self.bmp", dir + "/self.bmp");
    {
        // Sparse: gigabytes long, no space taken.
        const int fd = ::open((dir + "/sparse.bmp").c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, off_t{8} << 30), 0);
        ::close(fd);
    }
    testsupport::WriteFile(dir + "/over.bmp", std::string(kBound + 1, 'b'));
    const struct {
        const char* name;
        ReadStatus expected;
    } cases[] = {
        {"/missing.bmp", ReadStatus::Missing}, {"/self.bmp", ReadStatus::Missing},
        {"/folder.bmp", ReadStatus::NotRegular}, {"/fifo.bmp", ReadStatus::NotRegular},
        {"/zero.bmp", ReadStatus::NotRegular}, {"/sparse.bmp", ReadStatus::TooLarge},
        {"/over.bmp", ReadStatus::TooLarge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = ReadRegularFile(dir + c.name, kBound);
        EXPECT_EQ(read.status, c.expected);
        EXPECT_TRUE(read.bytes.empty());
        EXPECT_FALSE(support::IsRegularFile(dir + c.name) && c.expected == ReadStatus::NotRegular);
    }
    EXPECT_EQ(ReadRegularFile("", kBound).status, ReadStatus::Missing);
}

TEST(RegularFile, AFileExactlyAtTheBoundIsRead) {
    const testsupport::ScratchDir scratch;
    const std::string file = "./edge.bin";
    testsupport::WriteFile(file, std::string(1000, 'e'));
    EXPECT_EQ(ReadRegularFile(file, 1000).status, ReadStatus::Ok);
    EXPECT_EQ(ReadRegularFile(file, 999).status, ReadStatus::TooLarge);
    EXPECT_EQ(ReadRegularFile(file, 1000).bytes.size(), 1000u);
}

TEST(RegularFile, OpenLeavesTheDescriptorBlockingAndAtTheStart) {
    const testsupport::ScratchDir scratch;
    const std::string file = "./s.dat";
    testsupport::WriteFile(file, "abc");
    auto opened = support::OpenRegularFile(file, kBound);
    ASSERT_EQ(opened.status, ReadStatus::Ok);
    EXPECT_EQ(opened.size, 3u);
    EXPECT_EQ(::fcntl(opened.fd.get(), F_GETFL) & O_NONBLOCK, 0);
    char buffer[4] = {};
    EXPECT_EQ(::read(opened.fd.get(), buffer, sizeof buffer), 3);
}
