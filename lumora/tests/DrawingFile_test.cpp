// Drawing files: the header and block written, the round trip through our reader, and writes
// that fail part-way.
#include "files/DrawingFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>

#include "LumoraGuiTest.h"
#include "files/LoadBmpFile.h"

using namespace lumora;

namespace {

QImage Sample(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 37 + y) & 0xFF, (y * 91) & 0xFF, (x * y * 13) & 0xFF));
    return image;
}

std::uint32_t U32(const QByteArray& b, int at) {
    return qFromLittleEndian<std::uint32_t>(b.constData() + at);
}
std::uint16_t U16(const QByteArray& b, int at) {
    return qFromLittleEndian<std::uint16_t>(b.constData() + at);
}

}  // namespace

TEST(DrawingFile, TwoByTwoIsWrittenByteForByte) {
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(0x10, 0x20, 0x30));
    image.setPixel(1, 0, qRgb(0x40, 0x50, 0x60));
    image.setPixel(0, 1, qRgb(0x70, 0x80, 0x90));
    image.setPixel(1, 1, qRgb(0xA0, 0xB0, 0xC0));
    support::MemoryByteSink sink;
    ASSERT_TRUE(WriteDrawing(sink, image));
    const unsigned char expected[] = {
        'B',  'M',  70,   0, 0,    0,    0,    0, 0, 0, 54, 0, 0, 0,         // file header
        40,   0,    0,    0, 2,    0,    0,    0, 2, 0, 0,  0, 1, 0, 32, 0,  // size, width, height, planes, bits
        0,    0,    0,    0, 16,   0,    0,    0,                            // compression, image size
        0,    0,    0,    0, 0,    0,    0,    0, 0, 0, 0,  0, 0, 0, 0,  0,  // resolutions, colours
        0x90, 0x80, 0x70, 0, 0xC0, 0xB0, 0xA0, 0,                            // bottom row first, blue green red 0
        0x30, 0x20, 0x10, 0, 0x60, 0x50, 0x40, 0,
    };
    EXPECT_EQ(sink.bytes(), std::string(reinterpret_cast<const char*>(expected), sizeof expected));
}

TEST(DrawingFile, HeaderOfAScreenSizedDrawing) {
    support::MemoryByteSink sink;
    ASSERT_TRUE(WriteDrawing(sink, Sample(1537, 901)));
    const QByteArray b = QByteArray::fromStdString(sink.bytes());
    ASSERT_GE(b.size(), 54);
    EXPECT_EQ(U16(b, 0), kBmpType);
    EXPECT_EQ(U32(b, 2), static_cast<std::uint32_t>(b.size()));
    EXPECT_EQ(U32(b, 10), 54u);
    EXPECT_EQ(U32(b, 14), 40u);
    EXPECT_EQ(U32(b, 18), 1537u);
    EXPECT_EQ(U32(b, 22), 901u);
    EXPECT_EQ(U16(b, 28), 32);
    EXPECT_EQ(U32(b, 34), DibImageSize(32, 1537, 901));
    EXPECT_EQ(static_cast<std::uint32_t>(b.size()), 54 + DibImageSize(32, 1537, 901));
}

TEST(DrawingFile, ImageSizeFormulaPadsRowsToFourBytes) {
    EXPECT_EQ(DibImageSize(24, 3, 2), 2u * 12u);
    EXPECT_EQ(DibImageSize(8, 5, 1), 8u);
    EXPECT_EQ(DibImageSize(1, 33, 1), 8u);
    EXPECT_EQ(DibImageSize(32, 7, 3), 84u);
}

TEST(DrawingFile, BitFieldsAndOtherCompressionsAreRefused) {
    EXPECT_FALSE(DibFromBitmap(Sample(4, 4), kBmpCompressionBitFields));
    EXPECT_FALSE(DibFromBitmap(Sample(4, 4), 1));
    EXPECT_FALSE(DibFromBitmap(QImage(), kBmpCompressionNone));
    EXPECT_TRUE(DibFromBitmap(Sample(4, 4), kBmpCompressionNone));
}

TEST(DrawingFile, SavedAndReadAgainIsPixelExact) {
    test::EnterOwnFolder();
    QDir("Lumora/Drawings").removeRecursively();
    QDir().mkpath("Lumora/Drawings");
    const QString path = "Lumora/Drawings/Lumora2004-07-12_122530.bmp";
    const QImage drawing = Sample(1601, 911);
    ASSERT_TRUE(WriteDrawingFile(path, drawing));
    QImage back;
    ASSERT_TRUE(LoadBmpFile(path, back));
    ASSERT_EQ(back.size(), drawing.size());
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), drawing);
    // Nothing but the drawing is left in the folder.
    EXPECT_EQ(QDir("Lumora/Drawings").entryList(QDir::Files), QStringList{"Lumora2004-07-12_122530.bmp"});
}

TEST(DrawingFile, ASinkFailingPartWayReportsFailure) {
    const QImage drawing = Sample(10, 10);
    for (std::size_t capacity : {std::size_t{0}, std::size_t{13}, std::size_t{14}, std::size_t{53}, std::size_t{300}}) {
        support::MemoryByteSink sink(capacity);
        EXPECT_FALSE(WriteDrawing(sink, drawing)) << capacity;
    }
    support::MemoryByteSink roomy(54 + 400);
    EXPECT_TRUE(WriteDrawing(roomy, drawing));
}

TEST(DrawingFile, AFailedWriteLeavesNoFileBehind) {
    test::EnterOwnFolder();
    QDir("Lumora/Missing").removeRecursively();
    EXPECT_FALSE(WriteDrawingFile("Lumora/Missing/Lumora2004-07-12_122530.bmp", Sample(8, 8)));
    EXPECT_FALSE(QDir("Lumora/Missing").exists());

    QDir().mkpath("Lumora/Drawings");
    const QString path = "Lumora/Drawings/empty.bmp";
    QFile::remove(path);
    EXPECT_FALSE(WriteDrawingFile(path, QImage()));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(DrawingFile, AnExistingDrawingSurvivesAFailedWrite) {
    test::EnterOwnFolder();
    QDir().mkpath("Lumora/Drawings");
    const QString path = "Lumora/Drawings/kept.bmp";
    ASSERT_TRUE(WriteDrawingFile(path, Sample(5, 5)));
    const QByteArray before = [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    EXPECT_FALSE(WriteDrawingFile(path, QImage()));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

TEST(DrawingFile, TheFileHoldsExactlyTheDrawingsBytes) {
    test::EnterOwnFolder();
    QDir().mkpath("Lumora/Drawings");
    const QImage drawing = Sample(37, 21);
    support::MemoryByteSink expected;
    ASSERT_TRUE(WriteDrawing(expected, drawing));
    // Either way a path is written: '/' or the '\' of the drawing names of old.
    for (const QString& path : {QStringLiteral("Lumora/Drawings/a.bmp"), QStringLiteral("Lumora\\Drawings\\b.bmp")}) {
        ASSERT_EQ(StoreDrawingFile(path, drawing), support::WriteStatus::Ok) << qPrintable(path);
        QFile f(QString(path).replace(QLatin1Char('\\'), QLatin1Char('/')));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll().toStdString(), expected.bytes());
    }
}

TEST(DrawingFile, AWriteThatCannotBeMadeSaysWhy) {
    test::EnterOwnFolder();
    // No folder; a file where the folder should be; a read-only drawing of the same name: none
    // can be written (root or not), and the status says so.
    QDir("Lumora").removeRecursively();
    QDir().mkpath("Lumora");
    EXPECT_EQ(StoreDrawingFile("Lumora/Missing/x.bmp", Sample(4, 4)), support::WriteStatus::CannotOpen);
    QFile notAFolder("Lumora/Drawings");
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    EXPECT_EQ(StoreDrawingFile("Lumora/Drawings/x.bmp", Sample(4, 4)), support::WriteStatus::CannotOpen);
    QFile::remove("Lumora/Drawings");
    QDir().mkpath("Lumora/Drawings");
    ASSERT_EQ(StoreDrawingFile("Lumora/Drawings/kept.bmp", Sample(4, 4)), support::WriteStatus::Ok);
    ASSERT_TRUE(QFile::setPermissions("Lumora/Drawings/kept.bmp", QFileDevice::ReadOwner));
    EXPECT_EQ(StoreDrawingFile("Lumora/Drawings/kept.bmp", Sample(9, 9)), support::WriteStatus::CannotOpen);
    QImage back;
    ASSERT_TRUE(LoadBmpFile("Lumora/Drawings/kept.bmp", back));
    EXPECT_EQ(back.size(), QSize(4, 4));
    // A drawing with nothing to write.
    EXPECT_EQ(StoreDrawingFile("Lumora/Drawings/empty.bmp", QImage()), support::WriteStatus::Failed);
    EXPECT_FALSE(QFile::exists("Lumora/Drawings/empty.bmp"));
    QFile::setPermissions("Lumora/Drawings/kept.bmp", QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
