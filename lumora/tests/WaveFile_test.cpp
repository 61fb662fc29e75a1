// Reading a sound's length from its wave file header; bad files refused without blocking.
#include "files/WaveFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <optional>

#include "LumoraGuiTest.h"

using namespace lumora;
using namespace std::chrono_literals;

namespace {

void Put32(QByteArray& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((v >> shift) & 0xFF));
}
void Put16(QByteArray& out, std::uint16_t v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>(v >> 8));
}

QByteArray Chunk(const char* id, const QByteArray& body) {
    QByteArray c(id, 4);
    Put32(c, static_cast<std::uint32_t>(body.size()));
    c += body;
    if (body.size() % 2)
        c.append('\0');
    return c;
}

QByteArray Format(std::uint32_t byteRate) {
    QByteArray f;
    Put16(f, 1);                                      // PCM
    Put16(f, 1);                                      // mono
    Put32(f, 22050);                                  // samples a second
    Put32(f, byteRate);                               // bytes a second
    Put16(f, 2);                                      // block
    Put16(f, 16);                                     // bits
    return f;
}

QByteArray Riff(const QByteArray& chunks, const char* form = "WAVE") {
    QByteArray r("RIFF");
    Put32(r, static_cast<std::uint32_t>(4 + chunks.size()));
    r.append(form, 4);
    return r + chunks;
}

// A second of 16-bit mono sound at 22050 samples a second: 44100 bytes.
QByteArray OneSecond() {
    return Riff(Chunk("fmt ", Format(44100)) + Chunk("data", QByteArray(44100, '\0')));
}

QString Write(const QString& name, const QByteArray& bytes) {
    QFile f(name);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    return name;
}

class WaveFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::App();
        test::EnterOwnFolder();
    }
};

}  // namespace

TEST_F(WaveFileTest, LengthIsTheDataOverTheByteRate) {
    EXPECT_EQ(WaveFileLength(Write("one.wav", OneSecond())), std::optional(1000ms));
    // Other chunks before and between are skipped, odd-sized ones with their pad byte.
    const QByteArray padded = Riff(Chunk("LIST", QByteArray(13, 'x')) + Chunk("fmt ", Format(44100)) +
                                   Chunk("fact", QByteArray(4, '\0')) + Chunk("data", QByteArray(22050, '\0')));
    EXPECT_EQ(WaveFileLength(Write("padded.wav", padded)), std::optional(500ms));
}

TEST_F(WaveFileTest, ADataChunkLongerThanTheFileCountsWhatIsThere) {
    QByteArray cut = Riff(Chunk("fmt ", Format(44100)));
    cut += "data";
    Put32(cut, 0xFFFFFFFFu);  // left open by a recorder
    cut += QByteArray(4410, '\0');
    EXPECT_EQ(WaveFileLength(Write("cut.wav", cut)), std::optional(100ms));
}

TEST_F(WaveFileTest, BadFilesHaveNoLength) {
    QByteArray shortFormat = Riff(Chunk("fmt ", QByteArray(8, '\0')) + Chunk("data", QByteArray(100, '\0')));
    QByteArray headerOnly = OneSecond().left(10);
    struct Case {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"cut inside the RIFF header", headerOnly},
        {"not RIFF", QByteArray("BM") + OneSecond().mid(2)},
        {"RIFF but not WAVE", Riff(Chunk("fmt ", Format(44100)) + Chunk("data", QByteArray(10, '\0')), "AVI ")},
        {"no format", Riff(Chunk("data", QByteArray(100, '\0')))},
        {"data before the format", Riff(Chunk("data", QByteArray(100, '\0')) + Chunk("fmt ", Format(44100)))},
        {"a format too short", shortFormat},
        {"a byte rate of 0", Riff(Chunk("fmt ", Format(0)) + Chunk("data", QByteArray(100, '\0')))},
        {"no data", Riff(Chunk("fmt ", Format(44100)))},
        {"a chunk that claims more than the file", Riff(Chunk("fmt ", Format(44100))) + "LIST\xff\xff\xff\x7f"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WaveFileLength(Write("bad.wav", c.bytes)), std::nullopt) << c.what;
}

TEST_F(WaveFileTest, OnlyRegularFilesAreRead) {
    EXPECT_EQ(WaveFileLength("missing.wav"), std::nullopt);
    ASSERT_TRUE(QDir().mkpath("folder.wav"));
    EXPECT_EQ(WaveFileLength("folder.wav"), std::nullopt);
    // A FIFO with no writer: reading it would wait for ever.
    ASSERT_EQ(::mkfifo("fifo.wav", 0600), 0);
    EXPECT_EQ(WaveFileLength("fifo.wav"), std::nullopt);
    ASSERT_EQ(::symlink("/dev/zero", "zero.wav"), 0);
    EXPECT_EQ(WaveFileLength("zero.wav"), std::nullopt);
    // Larger than any sound: refused before a byte is read.
    QFile big("big.wav");
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(OneSecond());
    ASSERT_TRUE(big.resize(static_cast<qint64>(kLargestWaveFile) + 1));
    big.close();
    EXPECT_EQ(WaveFileLength("big.wav"), std::nullopt);
    // Through a link to a good file it reads.
    Write("one.wav", OneSecond());
    ASSERT_EQ(::symlink("one.wav", "link.wav"), 0);
    EXPECT_EQ(WaveFileLength("link.wav"), std::optional(1000ms));
}
