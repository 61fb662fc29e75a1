#include "FileStreams.h"

#include <gtest/gtest.h>

#include "ScratchDir.h"

using namespace qvfileio;

namespace {

class FileStreamsTest : public ScratchDirTest {};

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
    writeBytes("dir/file.txt", "abc");
    auto bytes = readFileBytes(u"dir\\file.txt");
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "abc");
    EXPECT_FALSE(readFileBytes(u"dir\\missing.txt").has_value());
    EXPECT_FALSE(readFileBytes(u"").has_value());
}

TEST_F(FileStreamsTest, TargetIsReplacedOnlyWhenTheWriteCompletes) {
    writeBytes("target.qv", "old contents");
    {
        auto sink = AtomicFileSink::create(u"target.qv");
        ASSERT_TRUE(sink);
        EXPECT_TRUE(sink->write(asBytes("new")));
        EXPECT_EQ(readBytes("target.qv"), "old contents");
        // Abandoned without finishing: a crash or an error part-way.
    }
    EXPECT_EQ(readBytes("target.qv"), "old contents");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator()), 1);

    auto sink = AtomicFileSink::create(u"target.qv");
    ASSERT_TRUE(sink);
    EXPECT_TRUE(sink->write(asBytes("new contents")));
    EXPECT_EQ(sink->finish(), 0);
    EXPECT_EQ(readBytes("target.qv"), "new contents");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator()), 1);
}

TEST_F(FileStreamsTest, NoFileInAMissingFolder) {
    EXPECT_FALSE(AtomicFileSink::create(u"missing\\target.qv"));
    EXPECT_FALSE(AtomicFileSink::create(u""));
    EXPECT_FALSE(std::filesystem::exists("missing"));
}

TEST_F(FileStreamsTest, FailedRenameKeepsTheTargetAndReportsFailure) {
    // A folder where the file should be: the rename cannot replace it.
    std::filesystem::create_directories("target.qv/inside");
    auto sink = AtomicFileSink::create(u"target.qv");
    ASSERT_TRUE(sink);
    EXPECT_TRUE(sink->write(asBytes("data")));
    EXPECT_NE(sink->finish(), 0);
    EXPECT_TRUE(std::filesystem::is_directory("target.qv"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator()), 1);
}

TEST(MemoryStreams, SinkFailsAfterItsLimit) {
    MemorySink sink(4);
    EXPECT_TRUE(sink.write(asBytes("abc")));
    EXPECT_FALSE(sink.write(asBytes("de")));
    EXPECT_FALSE(sink.write(asBytes("f")));
    EXPECT_NE(sink.finish(), 0);
    EXPECT_EQ(sink.bytes().size(), 3u);

    std::string text(10000, 'x');
    MemorySource source(asBytes(text));
    EXPECT_EQ(readAll(source).size(), text.size());
}
