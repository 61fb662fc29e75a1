// The generator's writers read back by Lumora's own reader, and the shipped files as the
// program will find them in its working folder.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QtEndian>

#include "../artgen/BmpWriter.h"
#include "../artgen/WavWriter.h"
#include "files/LoadBmpFile.h"

namespace {

QByteArray readShipped(const char* relative) {
    QFile f(QStringLiteral(LUMORA_DATA_DIR "/") + QLatin1String(relative));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << relative;
    return f.readAll();
}

int le16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}
quint32 le32(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}

QImage sample(int colours) {
    QImage image(13, 7, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int i = (x + 3 * y) % colours;
            image.setPixel(x, y, qRgb(i * 17, 255 - i * 13, (i * 71) & 0xFF));
        }
    }
    return image;
}

bool decode(const QByteArray& bytes, QImage& image) {
    return lumora::LoadBmpBytes(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()),
                                image);
}

}  // namespace

TEST(BmpWriter, EveryDepthReadsBackExactly) {
    for (auto [bits, colours] : {std::pair{1, 2}, {4, 16}, {8, 200}, {24, 256}}) {
        const QImage picture = sample(colours);
        const QByteArray bytes = artgen::EncodeBmp(picture, bits);
        ASSERT_FALSE(bytes.isEmpty()) << bits;
        EXPECT_EQ(le16(bytes, 28), bits);
        EXPECT_EQ(le32(bytes, 2), quint32(bytes.size()));
        QImage back;
        ASSERT_TRUE(decode(bytes, back)) << bits;
        EXPECT_EQ(back, picture) << bits;
    }
}

TEST(BmpWriter, RefusesMoreColoursThanTheTableHolds) {
    EXPECT_TRUE(artgen::EncodeBmp(sample(17), 4).isEmpty());
    EXPECT_TRUE(artgen::EncodeBmp(sample(3), 1).isEmpty());
    EXPECT_TRUE(artgen::EncodeBmp(sample(2), 16).isEmpty());
    EXPECT_EQ(artgen::IndexedDepthFor(sample(16)), 4);
    EXPECT_EQ(artgen::IndexedDepthFor(sample(17)), 8);
}

TEST(WavWriter, HeaderDescribesTheSamples) {
    const QByteArray wav = artgen::EncodeWav({0, 1000, -1000}, 22050);
    ASSERT_EQ(wav.size(), 44 + 6);
    EXPECT_EQ(wav.left(4), "RIFF");
    EXPECT_EQ(le32(wav, 4), quint32(wav.size() - 8));
    EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(le16(wav, 20), 1);  // PCM
    EXPECT_EQ(le16(wav, 22), 1);  // mono
    EXPECT_EQ(le32(wav, 24), 22050u);
    EXPECT_EQ(le16(wav, 34), 16);  // bits
    EXPECT_EQ(wav.mid(36, 4), "data");
    EXPECT_EQ(le32(wav, 40), 6u);
    EXPECT_EQ(qint16(le16(wav, 46)), 1000);
}

TEST(ShippedFiles, ArrowsAreButtonPictures) {
    for (const char* name : {"Lumora/Images/left_small.bmp", "Lumora/Images/right_small.bmp"}) {
        const QByteArray bytes = readShipped(name);
        QImage image;
        ASSERT_TRUE(decode(bytes, image)) << name;
        EXPECT_EQ(image.size(), QSize(100, 85)) << name;
        EXPECT_EQ(le16(bytes, 28), 8) << name;
    }
    QImage left;
    QImage right;
    ASSERT_TRUE(decode(readShipped("Lumora/Images/left_small.bmp"), left));
    ASSERT_TRUE(decode(readShipped("Lumora/Images/right_small.bmp"), right));
    EXPECT_EQ(left.mirrored(true, false), right);
}

TEST(ShippedFiles, ClickIsAShortWave) {
    const QByteArray wav = readShipped("Lumora/Sounds/CLICK.WAV");
    ASSERT_GT(wav.size(), 44);
    EXPECT_EQ(wav.left(4), "RIFF");
    EXPECT_EQ(le16(wav, 20), 1);
    const double seconds = double(le32(wav, 40)) / le32(wav, 28);
    EXPECT_GT(seconds, 0.01);
    EXPECT_LT(seconds, 0.2);
}
