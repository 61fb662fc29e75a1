#include "ByteSource.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "FileContents.h"
#include "ScratchDir.h"

#include "FileByteSource.h"

namespace fs = std::filesystem;
using support::FileByteSource;
using support::MemoryByteSource;

namespace {

std::string ReadAll(support::ByteSource& source, std::size_t chunk) {
    std::string all;
    std::string buffer(chunk, '\0');
    for (std::size_t n; (n = source.read(buffer.data(), chunk)) > 0;)
        all.append(buffer, 0, n);
    return all;
}

}  // namespace

TEST(MemoryByteSource, HandsOverItsBytesInPiecesThenEnds) {
    const std::string bytes("[10,20]\r\n\0[-]\n", 15);
    for (std::size_t chunk : {1, 4, 15, 64}) {
        MemoryByteSource source(bytes);
        EXPECT_EQ(ReadAll(source, chunk), bytes) << chunk;
        char c;
        EXPECT_EQ(source.read(&c, 1), 0u);
    }
}

TEST(FileByteSource, ReadsARegularFileAsItIs) {
    const testsupport::ScratchDir scratch;
    const std::string file = "./recording.txt";
    const std::string bytes("[1,2]\r\n[3,4]\n\xff", 14);
    testsupport::WriteFile(file, bytes);
    auto source = FileByteSource::open(file, 1024);
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(ReadAll(*source, 5), bytes);
}

TEST(FileByteSource, RefusesWhatIsNotAReasonableRegularFile) {
    const testsupport::ScratchDir scratch;
    const std::string dir = ".";
    testsupport::WriteFile(dir + "/big.txt", std::string(11, 'x'));
    ASSERT_EQ(::mkfifo((dir + "/fifo").c_str(), 0600), 0);
    EXPECT_EQ(FileByteSource::open(dir + "/missing.txt", 1024), nullptr);
    EXPECT_EQ(FileByteSource::open(dir, 1024), nullptr);
    EXPECT_EQ(FileByteSource::open(dir + "/fifo", 1024), nullptr);  // would block the reader
    EXPECT_EQ(FileByteSource::open("/dev/zero", 1024), nullptr);
    EXPECT_EQ(FileByteSource::open(dir + "/big.txt", 10), nullptr);
    EXPECT_NE(FileByteSource::open(dir + "/big.txt", 11), nullptr);
}
