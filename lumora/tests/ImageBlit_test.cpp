#include "canvas/ImageBlit.h"

#include <gtest/gtest.h>

#include <QImage>

using namespace lumora;

namespace {

QImage patterned(int w, int h, int seed = 0) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.setPixel(x, y, qRgb((x + seed) & 0xFF, (y + seed) & 0xFF, seed & 0xFF));
        }
    }
    return image;
}

QImage filled(int w, int h, QRgb c) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(c);
    return image;
}

}  // namespace

TEST(BlockCopy, CopiesARectangleToAnotherPlace) {
    const QImage source = patterned(40, 30);
    QImage target = filled(50, 50, 0xFF000000);
    BlockCopy(target, QPoint(20, 25), source, QRect(5, 6, 10, 4));
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 50; ++x) {
            const bool inside = x >= 20 && x < 30 && y >= 25 && y < 29;
            const QRgb want = inside ? source.pixel(x - 15, y - 19) : 0xFF000000u;
            ASSERT_EQ(target.pixel(x, y), want) << x << "," << y;
        }
    }
}

TEST(BlockCopy, ClipsAtEveryEdge) {
    const QImage source = patterned(20, 20);
    QImage target = filled(10, 10, 0xFF000000);
    BlockCopy(target, QPoint(-5, -5), source, QRect(-3, -3, 40, 40));
    // Source pixel (x, y) lands at (x - 2, y - 2).
    EXPECT_EQ(target.pixel(0, 0), source.pixel(2, 2));
    EXPECT_EQ(target.pixel(9, 9), source.pixel(11, 11));
    QImage untouched = filled(10, 10, 0xFF000000);
    BlockCopy(untouched, QPoint(100, 100), source, QRect(0, 0, 5, 5));
    BlockCopy(untouched, QPoint(0, 0), source, QRect(30, 30, 5, 5));
    BlockCopy(untouched, QPoint(0, 0), QImage(), QRect(0, 0, 5, 5));
    EXPECT_EQ(untouched, filled(10, 10, 0xFF000000));
}

TEST(BlockCopy, OverlappingCopyWithinOneImage) {
    QImage image = patterned(20, 20);
    const QImage before = image;
    BlockCopy(image, QPoint(2, 0), image, QRect(0, 0, 10, 1));
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(image.pixel(x + 2, 0), before.pixel(x, 0));
    }
}

TEST(BlockCopy, ConvertsOtherFormats) {
    QImage source = filled(8, 8, qRgb(10, 20, 30)).convertToFormat(QImage::Format_RGB888);
    QImage target = filled(8, 8, 0xFF000000);
    BlockCopy(target, source, QRect(2, 2, 3, 3));
    EXPECT_EQ(target.pixel(3, 3), qRgb(10, 20, 30));
    EXPECT_EQ(target.pixel(1, 1), 0xFF000000u);
}

TEST(DrawTransparent, WhiteLetsTheDestinationThrough) {
    QImage picture = filled(4, 4, qRgb(255, 255, 255));
    picture.setPixel(1, 1, qRgb(200, 0, 0));
    picture.setPixel(2, 2, qRgb(254, 255, 255));  // almost white is drawn
    const QImage pictureBefore = picture;
    QImage target = patterned(10, 10, 5);
    const QImage before = target;
    DrawTransparent(target, QPoint(3, 4), picture, qRgb(255, 255, 255));
    EXPECT_EQ(picture, pictureBefore);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            QRgb want = before.pixel(x, y);
            if (x == 4 && y == 5) {
                want = qRgb(200, 0, 0);
            } else if (x == 5 && y == 6) {
                want = qRgb(254, 255, 255);
            }
            ASSERT_EQ(target.pixel(x, y), want) << x << "," << y;
        }
    }
}

TEST(DrawTransparent, ClipsAndTakesIndexedPictures) {
    QImage picture = filled(6, 6, qRgb(0, 0, 255));
    picture.setPixel(5, 5, qRgb(255, 255, 255));
    const QImage indexed = picture.convertToFormat(QImage::Format_Indexed8);
    QImage target = filled(4, 4, qRgb(1, 1, 1));
    DrawTransparent(target, QPoint(-2, -2), indexed, qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(target.pixel(2, 2), qRgb(0, 0, 255));
    EXPECT_EQ(target.pixel(3, 3), qRgb(1, 1, 1));  // picture (5, 5) is white
    DrawTransparent(target, QPoint(10, 10), picture, qRgb(255, 255, 255));
    DrawTransparent(target, QPoint(0, 0), QImage(), qRgb(255, 255, 255));
}

TEST(DrawTransparent, OtherTargetFormats) {
    QImage picture = filled(2, 2, qRgb(255, 255, 255));
    picture.setPixel(0, 0, qRgb(0, 128, 0));
    QImage target = filled(2, 2, qRgb(9, 9, 9)).convertToFormat(QImage::Format_RGB888);
    DrawTransparent(target, QPoint(0, 0), picture, qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(0, 0), qRgb(0, 128, 0));
    EXPECT_EQ(target.pixel(1, 1), qRgb(9, 9, 9));
}
