#include "canvas/StampPictures.h"

#include <gtest/gtest.h>

#include <QFile>
#include <set>

using namespace lumora;

TEST(StampPictures, EveryStampIsCompiledIn) {
    const auto numbers = StampNumbers();
    ASSERT_EQ(numbers.size(), 38u);
    EXPECT_EQ(numbers.front(), kStampFirstNumber);
    EXPECT_EQ(numbers.back(), 214);
    EXPECT_EQ(std::set<int>(numbers.begin(), numbers.end()).size(), 38u);
    for (int number : numbers) {
        const QImage& picture = StampPicture(number);
        ASSERT_FALSE(picture.isNull()) << number;
        const int size = number == 160 ? kStampBusSize : kStampSize;
        EXPECT_EQ(picture.size(), QSize(size, size)) << number;
        EXPECT_EQ(picture.format(), QImage::Format_RGB32) << number;
        // White background, and something drawn on it.
        EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 255, 255)) << number;
        int drawn = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                drawn += (picture.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
            }
        }
        EXPECT_GT(drawn, size * size / 10) << number;
    }
}

TEST(StampPictures, StoredWithAColourTableOfFourOrEightBits) {
    StampPicture(kStampFirstNumber);  // registers the resources
    for (int number : StampNumbers()) {
        QFile file(QStringLiteral(":/lumora/stamps/%1.bmp").arg(number));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << number;
        const QByteArray bytes = file.readAll();
        ASSERT_GT(bytes.size(), 54);
        const int bits = uchar(bytes[28]) | (uchar(bytes[29]) << 8);
        EXPECT_TRUE(bits == 4 || bits == 8) << number << ": " << bits;
        const int infoSize = uchar(bytes[14]);
        EXPECT_EQ(infoSize, 40);
    }
}

TEST(StampPictures, UnknownNumberGivesNoPicture) {
    EXPECT_TRUE(StampPicture(0).isNull());
    EXPECT_TRUE(StampPicture(185).isNull());
    EXPECT_TRUE(StampPicture(215).isNull());
}

TEST(StampPictures, LoadedOnceAndKept) {
    const QImage* first = &StampPicture(170);
    EXPECT_EQ(first, &StampPicture(170));
}
