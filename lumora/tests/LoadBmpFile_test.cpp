#include "files/LoadBmpFile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTextStream>
#include <cstring>
#include <string>
#include <vector>

#include "files/FileNames.h"
#include "canvas/StampPictures.h"

using namespace lumora;

namespace {

constexpr QRgb kK = 0xFF000000, kW = 0xFFFFFFFF, kR = 0xFFFF0000, kG = 0xFF00FF00, kB = 0xFF0000FF;
constexpr QRgb kY = 0xFFFFFF00, kC = 0xFF00FFFF, kM = 0xFFFF00FF;
const std::vector<std::vector<QRgb>> kColour = {{kR, kG, kB, kW, kK}, {kY, kC, kM, kK, kW}, {kW, kK, kR, kG, kB}};
const std::vector<std::vector<QRgb>> kMono = {{kW, kK, kW, kK, kW}, {kK, kW, kK, kW, kK}, {kW, kW, kK, kK, kW}};
const BmpPalette kTable = {kK, kW, kR, kG, kB, kY, kC, kM};

// Offsets of the header fields within the file.
constexpr int kInfoSize = 14, kWidth = 18, kHeight = 22, kBits = 28, kCompression = 30, kColoursUsed = 46;

std::string dataPath(const char* name) {
    return std::string(LUMORA_TEST_DATA_DIR) + "/" + name;
}

QByteArray readData(const char* name) {
    QFile f(QString::fromStdString(dataPath(name)));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

void put32(QByteArray& bytes, int at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = char((v >> (8 * i)) & 0xFF);
    }
}
void put16(QByteArray& bytes, int at, std::uint16_t v) {
    bytes[at] = char(v & 0xFF);
    bytes[at + 1] = char(v >> 8);
}

bool load(const QByteArray& bytes, QImage& image, BmpPalette* palette = nullptr) {
    return LoadBmpBytes(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()), image,
                        palette);
}

void expectPixels(const QImage& image, const std::vector<std::vector<QRgb>>& rows, const char* name) {
    ASSERT_EQ(image.format(), QImage::Format_RGB32) << name;
    ASSERT_EQ(image.height(), int(rows.size())) << name;
    ASSERT_EQ(image.width(), int(rows[0].size())) << name;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            EXPECT_EQ(image.pixel(x, y), rows[y][x]) << name << " at " << x << "," << y;
        }
    }
}

struct GoodFile {
    const char* name;
    bool mono;
};

}  // namespace

TEST(LoadBmpFile, ReadsEveryDepthAndRowOrder) {
    const GoodFile files[] = {
        {"mono_1bpp.bmp", true},
        {"colour_4bpp.bmp", false},
        {"colour_8bpp_used8.bmp", false},
        {"colour_8bpp_topdown.bmp", false},
        {"colour_16bpp_555.bmp", false},
        {"colour_16bpp_565_bitfields.bmp", false},
        {"colour_24bpp.bmp", false},
        {"colour_24bpp_topdown.bmp", false},
        {"colour_32bpp.bmp", false},
        {"colour_32bpp_bitfields.bmp", false},
        {"colour_24bpp_v5header.bmp", false},
        {"colour_32bpp_v5header_bitfields.bmp", false},
    };
    for (const GoodFile& f : files) {
        QImage image;
        ASSERT_TRUE(LoadBmpFile(QString::fromStdString(dataPath(f.name)), image)) << f.name;
        expectPixels(image, f.mono ? kMono : kColour, f.name);
    }
}

TEST(LoadBmpFile, GivesTheColourTableWhenAsked) {
    QImage image;
    BmpPalette palette = {0x12345678};
    ASSERT_TRUE(load(readData("colour_8bpp_used8.bmp"), image, &palette));
    EXPECT_EQ(palette, kTable);

    ASSERT_TRUE(load(readData("colour_4bpp.bmp"), image, &palette));
    ASSERT_EQ(palette.size(), 16);
    EXPECT_EQ(palette.mid(0, 8), kTable);

    ASSERT_TRUE(load(readData("colour_24bpp.bmp"), image, &palette));
    EXPECT_TRUE(palette.isEmpty());
}

TEST(LoadBmpFile, IndexPastTheColourCountReadsBlack) {
    QByteArray bytes = readData("colour_8bpp_used8.bmp");
    const int pixels = 14 + 40 + 8 * 4;
    bytes[pixels] = char(200);    // first stored row is the bottom row: pixel (0, 2), was white
    bytes[pixels + 1] = char(8);  // (1, 2): the first index past the eight colours
    QImage image;
    ASSERT_TRUE(load(bytes, image));
    EXPECT_EQ(image.pixel(0, 2), kK);
    EXPECT_EQ(image.pixel(1, 2), kK);
    EXPECT_EQ(image.pixel(2, 2), kR);
}

namespace {

struct BadHeader {
    const char* what;
    const char* base;
    void (*patch)(QByteArray&);
};

const BadHeader kBadHeaders[] = {
    {"empty file", "colour_24bpp.bmp", [](QByteArray& b) { b.clear(); }},
    {"shorter than the file header", "colour_24bpp.bmp", [](QByteArray& b) { b.truncate(13); }},
    {"only the file header", "colour_24bpp.bmp", [](QByteArray& b) { b.truncate(14); }},
    {"not BM", "colour_24bpp.bmp", [](QByteArray& b) { b[1] = 'A'; }},
    {"info header cut short", "colour_24bpp.bmp", [](QByteArray& b) { b.truncate(14 + 39); }},
    {"core header of 12 bytes", "colour_24bpp.bmp", [](QByteArray& b) { put32(b, kInfoSize, 12); }},
    {"info header of 39 bytes", "colour_24bpp.bmp", [](QByteArray& b) { put32(b, kInfoSize, 39); }},
    {"info header past the file", "colour_24bpp.bmp", [](QByteArray& b) { put32(b, kInfoSize, 4000); }},
    {"width 0", "colour_24bpp.bmp", [](QByteArray& b) { put32(b, kWidth, 0); }},
    {"width negative", "colour_24bpp.bmp", [](QByteArray& b) { put32(b, kWidth, std::uint32_t(-5)); }},
    {"height 0", "colour_24bpp.bmp", [](QByteArray& b) { put32(b, kHeight, 0); }},
    {"height most negative", "colour_24bpp.bmp", [](QByteArray& b) { put32(b, kHeight, 0x80000000u); }},
    {"width times height overflows", "colour_32bpp.bmp",
     [](QByteArray& b) {
         put32(b, kWidth, 0x7FFFFFFF);
         put32(b, kHeight, 0x7FFFFFFF);
     }},
    {"rows past the data", "colour_24bpp.bmp", [](QByteArray& b) { put32(b, kHeight, 4); }},
    {"top-down rows past the data", "colour_24bpp_topdown.bmp",
     [](QByteArray& b) { put32(b, kHeight, std::uint32_t(-4)); }},
    {"row wider than the data", "colour_24bpp.bmp", [](QByteArray& b) { put32(b, kWidth, 100000); }},
    {"pixel data one byte short", "colour_24bpp.bmp", [](QByteArray& b) { b.chop(1); }},
    {"2 bits per pixel", "colour_8bpp_used8.bmp", [](QByteArray& b) { put16(b, kBits, 2); }},
    {"0 bits per pixel", "colour_24bpp.bmp", [](QByteArray& b) { put16(b, kBits, 0); }},
    {"15 bits per pixel", "colour_16bpp_555.bmp", [](QByteArray& b) { put16(b, kBits, 15); }},
    {"64 bits per pixel", "colour_32bpp.bmp", [](QByteArray& b) { put16(b, kBits, 64); }},
    {"run-length 8 with 24 bits", "colour_24bpp.bmp", [](QByteArray& b) { put32(b, kCompression, 1); }},
    {"run-length 4 with 1 bit", "mono_1bpp.bmp", [](QByteArray& b) { put32(b, kCompression, 2); }},
    {"run-length top-down", "rle8_runs_literals.bmp", [](QByteArray& b) { put32(b, kHeight, std::uint32_t(-3)); }},
    {"run-length colour table past the data", "rle4_runs_literals.bmp",
     [](QByteArray& b) { b.truncate(14 + 40 + 60); }},
    {"more pixels than any drawing", "mono_1bpp.bmp",
     [](QByteArray& b) {
         // 16384 x 16384: the rows are there, but the picture would take a gigabyte.
         put32(b, kWidth, 16384);
         put32(b, kHeight, 16384);
         b.resize(14 + 40 + 8 + 16384 * 16384 / 8);
     }},
    {"run-length picture larger than any drawing", "rle8_no_end.bmp",
     [](QByteArray& b) {
         put32(b, kWidth, 8193);
         put32(b, kHeight, 8192);
     }},
    {"bit fields with 24 bits", "colour_24bpp.bmp", [](QByteArray& b) { put32(b, kCompression, 3); }},
    {"bit fields with 8 bits", "colour_8bpp_used8.bmp", [](QByteArray& b) { put32(b, kCompression, 3); }},
    {"embedded JPEG", "colour_24bpp.bmp", [](QByteArray& b) { put32(b, kCompression, 4); }},
    {"bit fields cut off", "colour_16bpp_565_bitfields.bmp", [](QByteArray& b) { b.truncate(14 + 40 + 6); }},
    {"257 colours", "colour_8bpp_used8.bmp", [](QByteArray& b) { put32(b, kColoursUsed, 257); }},
    {"17 colours in 4 bits", "colour_4bpp.bmp", [](QByteArray& b) { put32(b, kColoursUsed, 17); }},
    {"3 colours in 1 bit", "mono_1bpp.bmp", [](QByteArray& b) { put32(b, kColoursUsed, 3); }},
    {"colour count enormous", "colour_24bpp.bmp", [](QByteArray& b) { put32(b, kColoursUsed, 0xFFFFFFFFu); }},
    {"colour table past the data", "colour_8bpp_used8.bmp", [](QByteArray& b) { put32(b, kColoursUsed, 200); }},
    {"colour table cut off", "colour_8bpp_topdown.bmp", [](QByteArray& b) { b.truncate(14 + 40 + 100); }},
};

}  // namespace

TEST(LoadBmpFile, RefusesBadHeadersAndLeavesTheTarget) {
    for (const BadHeader& bad : kBadHeaders) {
        QByteArray bytes = readData(bad.base);
        bad.patch(bytes);
        QImage image(2, 2, QImage::Format_RGB32);
        image.fill(0xFF123456);
        const QImage before = image;
        BmpPalette palette = {0xFFABCDEF};
        EXPECT_FALSE(load(bytes, image, &palette)) << bad.what;
        EXPECT_EQ(image, before) << bad.what;
        EXPECT_EQ(palette, BmpPalette{0xFFABCDEF}) << bad.what;
    }
}

TEST(LoadBmpFile, ReadsFromADeviceAtItsPosition) {
    QByteArray bytes = "junk" + readData("colour_24bpp.bmp");
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    buffer.seek(4);
    QImage image;
    ASSERT_TRUE(LoadBmp(buffer, image));
    expectPixels(image, kColour, "device");
}

TEST(LoadBmpFile, TakesNamesByteForByte) {
    // A backslash is part of a name: "Lumora\\Images\\sample.bmp" is one file in the working
    // folder, not a path into Lumora/Images.
    ASSERT_TRUE(QDir().mkpath("Lumora/Images"));
    QFile::remove("Lumora/Images/sample.bmp");
    ASSERT_TRUE(QFile::copy(QString::fromStdString(dataPath("colour_4bpp.bmp")), "Lumora/Images/sample.bmp"));
    QFile::remove("Lumora\\Images\\sample.bmp");
    QImage image;
    EXPECT_FALSE(LoadBmpFile("Lumora\\Images\\sample.bmp", image));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(dataPath("mono_1bpp.bmp")), "Lumora\\Images\\sample.bmp"));
    ASSERT_TRUE(LoadBmpFile("Lumora\\Images\\sample.bmp", image));
    expectPixels(image, kMono, "backslash name");

    // A name that is not UTF-8 opens under the name its folder listing gives.
    const QByteArray latin1 = "Lumora/Images/Bild-\xE4.bmp";
    ::unlink(latin1.constData());
    const QByteArray sample = readData("colour_24bpp.bmp");
    const int fd = ::open(latin1.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, sample.constData(), std::size_t(sample.size())), sample.size());
    ::close(fd);
    ASSERT_TRUE(LoadBmpFile(FileNameFromNative(latin1), image));
    expectPixels(image, kColour, "name not UTF-8");
}

TEST(LoadBmpFile, MissingFileLeavesTheTarget) {
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(0xFF010203);
    const QImage before = image;
    EXPECT_FALSE(LoadBmpFile("Lumora/Images/no such picture.bmp", image));
    EXPECT_EQ(image, before);
}

namespace {

// A file's expected result: "refused", or "W x H" and a line of RRGGBB pixels a row.
struct Expected {
    bool refused = false;
    std::vector<std::vector<QRgb>> rows;
};

Expected readExpected(const QString& path) {
    Expected e;
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text)) << path.toStdString();
    QTextStream in(&f);
    const QString first = in.readLine();
    if (first == "refused") {
        e.refused = true;
        return e;
    }
    const QStringList size = first.split(" x ");
    EXPECT_EQ(size.size(), 2) << path.toStdString();
    const int height = size.value(1).toInt();
    for (int y = 0; y < height; ++y) {
        std::vector<QRgb> row;
        for (const QString& pixel : in.readLine().split(' ', Qt::SkipEmptyParts))
            row.push_back(0xFF000000u | pixel.toUInt(nullptr, 16));
        EXPECT_EQ(int(row.size()), size.value(0).toInt()) << path.toStdString() << " row " << y;
        e.rows.push_back(std::move(row));
    }
    return e;
}

}  // namespace

// Run-length pictures: each file of the data folder with its expected result beside it.
TEST(LoadBmpFile, RunLengthGoldenFiles) {
    int checked = 0;
    QDirIterator it(QStringLiteral(LUMORA_TEST_DATA_DIR), {QStringLiteral("*.expected")}, QDir::Files);
    while (it.hasNext()) {
        const QString expectedPath = it.next();
        const QString bmpPath = expectedPath.chopped(int(QStringLiteral(".expected").size()));
        const std::string name = QFileInfo(bmpPath).fileName().toStdString();
        const Expected expected = readExpected(expectedPath);
        QImage image(1, 1, QImage::Format_RGB32);
        image.fill(0xFF123456);
        const QImage before = image;
        const bool loaded = LoadBmpFile(bmpPath, image);
        if (expected.refused) {
            EXPECT_FALSE(loaded) << name;
            EXPECT_EQ(image, before) << name;
        } else {
            ASSERT_TRUE(loaded) << name;
            expectPixels(image, expected.rows, name.c_str());
        }
        ++checked;
    }
    EXPECT_GE(checked, 14);
}

TEST(LoadBmpFile, TopLeftPartOnly) {
    for (const char* name : {"colour_24bpp.bmp", "colour_8bpp_topdown.bmp", "rle8_runs_literals.bmp",
                             "rle4_runs_literals.bmp"}) {
        const QByteArray bytes = readData(name);
        QImage part;
        ASSERT_TRUE(LoadBmpBytesTopLeft(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                        std::size_t(bytes.size()), QSize(3, 2), part))
            << name;
        expectPixels(part, {{kR, kG, kB}, {kY, kC, kM}}, name);
        // A part larger than the picture is the whole picture.
        ASSERT_TRUE(LoadBmpBytesTopLeft(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                        std::size_t(bytes.size()), QSize(100, 100), part));
        expectPixels(part, kColour, name);
    }
    const QByteArray bytes = readData("colour_24bpp.bmp");
    QImage part;
    EXPECT_FALSE(LoadBmpBytesTopLeft(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                     std::size_t(bytes.size()), QSize(0, 2), part));
}

// Files that are not pictures at all must neither hang nor exhaust memory: each is refused
// at once and the target kept.
TEST(LoadBmpFile, RefusesSpecialAndHugeFiles) {
    ASSERT_TRUE(QDir().mkpath("special"));
    const QString fifo = "special/fifo.bmp";
    const QString zero = "special/zero.bmp";
    const QString sparse = "special/sparse.bmp";
    const QString folder = "special/folder.bmp";
    for (const QString& p : {fifo, zero, sparse})
        QFile::remove(p);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    ASSERT_EQ(::symlink("/dev/zero", QFile::encodeName(zero).constData()), 0);
    {
        // 8 GiB that take no room on disk, starting like a real picture.
        QFile f(sparse);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(readData("colour_24bpp.bmp"));
        ASSERT_TRUE(f.resize(qint64(8) << 30));
    }
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const QString& p : {fifo, zero, sparse, folder}) {
        QImage image(2, 2, QImage::Format_RGB32);
        image.fill(0xFF010203);
        const QImage before = image;
        BmpPalette palette = {0xFFABCDEF};
        EXPECT_FALSE(LoadBmpFile(p, image, &palette)) << p.toStdString();
        EXPECT_FALSE(LoadBmpFileTopLeft(p, QSize(10, 10), image)) << p.toStdString();
        EXPECT_EQ(image, before) << p.toStdString();
        EXPECT_EQ(palette, BmpPalette{0xFFABCDEF}) << p.toStdString();
    }
}

TEST(LoadBmpFile, ReadsItsOwnResources) {
    // Stamps are compiled into the program: their paths name Qt resources, not files.
    for (int number : StampNumbers())
        EXPECT_FALSE(StampPicture(number).isNull()) << number;
    QImage image;
    EXPECT_FALSE(LoadBmpFile(":/no/such/resource.bmp", image));
    EXPECT_TRUE(image.isNull());
}
