#include "FileStreams.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FileIoTest.h"

using namespace qvfileio;

namespace {

class FileStreamsTest : public FileIoTest {};

std::span<const std::uint8_t> asBytes(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

}  // namespace

TEST(NativePath, BackslashesBecomeSlashesAndTextBecomesUtf8) {
    EXPECT_EQ(nativePath(u"QVSettings\\Settings_US.qv"), "QVSettings/Settings_US.qv");
    EXPECT_EQ(nativePath(u"Caf\u00e9\\x"), "Caf\xC3\xA9/x");
    EXPECT_EQ(nativePath(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(nativePath(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST_F(FileStreamsTest, ReadsThroughABackslashPath) {
    std::filesystem::create_directory("dir");
    testsupport::WriteFile("dir/file.txt", "abc");
    auto bytes = readFileBytes(u"dir\\file.txt");
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "abc");
    EXPECT_FALSE(readFileBytes(u"dir\\missing.txt").has_value());
    EXPECT_FALSE(readFileBytes(u"").has_value());
}

TEST_F(FileStreamsTest, OnlyRegularFilesUpToTheBoundAreRead) {
    std::filesystem::create_directory("folder");
    ::mkfifo("fifo", 0666);
    std::filesystem::create_symlink("/dev/zero", "zero");
    testsupport::WriteFile("largest", std::string(kMaxFileBytes, '\n'));
    const int fd = ::open("over", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(kMaxFileBytes + 1)), 0);
    ::close(fd);
    for (const char16_t* refused : {u"folder", u"fifo", u"zero", u"over"}) {
        EXPECT_FALSE(readFileBytes(refused).has_value()) << nativePath(refused);
    }
    auto largest = readFileBytes(u"largest");
    ASSERT_TRUE(largest.has_value());
    EXPECT_EQ(largest->size(), kMaxFileBytes);
}

TEST_F(FileStreamsTest, WritesReplaceTheFileAndReportLikeAPlainWrite) {
    testsupport::WriteFile("target.qv", "old contents");
    EXPECT_EQ(writeFileBytes(u"target.qv", asBytes("new contents")), 0);
    EXPECT_EQ(testsupport::ReadFile("target.qv"), "new contents");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator()), 1);
    // A file that cannot be created is reported as 0 with nothing written.
    EXPECT_EQ(writeFileBytes(u"missing\\target.qv", asBytes("data")), 0);
    EXPECT_FALSE(std::filesystem::exists("missing"));
    EXPECT_EQ(writeFileBytes(u"", asBytes("data")), 0);
}
