#include "canvas/GazeCursor.h"

#include <gtest/gtest.h>

#include <QImage>

#include "canvas/StampPictures.h"

using namespace lumora;

namespace {

constexpr QRgb kBackground = 0xFFCED3D6u;  // RGB(214, 211, 206)
const QSize kOwner(200, 150);

QImage picture(QRgb fill = kBackground) {
    QImage image(kOwner, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// A picture with a different value at every pixel, so that any misplaced copy shows.
QImage patterned() {
    QImage image(kOwner, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x, y, (x * 7 + y * 3) & 0xFF));
        }
    }
    return image;
}

GazeCursor created(ColorRef fill = kColorBackground) {
    GazeCursor cursor;
    cursor.create(kOwner, fill);
    cursor.setColor(kColorGazeCursor);
    return cursor;
}

}  // namespace

TEST(GazeCursor, CentringTheSquare) {
    GazeCursor cursor = created();
    cursor.centerAt(100, 100);
    EXPECT_EQ(cursor.left(), 93);
    EXPECT_EQ(cursor.top(), 93);
    EXPECT_EQ(cursor.right(), 108);
    EXPECT_EQ(cursor.bottom(), 108);
    EXPECT_EQ(cursor.rect(), QRect(93, 93, 15, 15));
}

TEST(GazeCursor, CentringTheStampFrameAndNegativePoints) {
    GazeCursor cursor = created();
    cursor.setKind(GazeCursor::kKindStampFrame);
    cursor.centerAt(100, 50);
    EXPECT_EQ(cursor.rect(), QRect(62, 12, 76, 76));
    cursor.centerAt(-3, 0);
    EXPECT_EQ(cursor.rect(), QRect(-41, -38, 76, 76));
}

TEST(GazeCursor, ChangingKindWithoutCentringGoesToTheCorner) {
    GazeCursor cursor = created();
    cursor.centerAt(100, 100);
    cursor.setKind(GazeCursor::kKindStampFrame);
    EXPECT_EQ(cursor.rect(), QRect(0, 0, 76, 76));
    cursor.setKind(GazeCursor::kKindSquare);
    EXPECT_EQ(cursor.rect(), QRect(0, 0, 15, 15));
    EXPECT_EQ(cursor.kind(), GazeCursor::kKindSquare);
}

TEST(GazeCursor, CreateStartsASquareInTheCorner) {
    GazeCursor cursor;
    cursor.setKind(GazeCursor::kKindStampFrame);
    cursor.create(kOwner, kColorWhite);
    EXPECT_EQ(cursor.kind(), GazeCursor::kKindSquare);
    EXPECT_EQ(cursor.rect(), QRect(0, 0, 15, 15));
    EXPECT_EQ(cursor.saveUnder().size(), kOwner);
}

TEST(GazeCursor, EraseBeforeAnyDrawPaintsTheFillColour) {
    GazeCursor cursor = created(MakeColorRef(1, 2, 3));
    QImage image = patterned();
    cursor.centerAt(50, 60);
    cursor.erase(image);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool under = cursor.rect().contains(x, y);
            EXPECT_EQ(image.pixel(x, y) == qRgb(1, 2, 3), under) << x << "," << y;
        }
    }
}

TEST(GazeCursor, SquareIsWhiteWithAColouredCentre) {
    GazeCursor cursor = created();
    cursor.setColor(MakeColorRef(200, 55, 55));
    QImage image = picture();
    cursor.centerAt(40, 30);  // rect (33, 23) to (48, 38)
    cursor.draw(image, image);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb red = qRgb(200, 55, 55);
    EXPECT_EQ(image.pixel(33, 23), white);
    EXPECT_EQ(image.pixel(34, 24), white);
    EXPECT_EQ(image.pixel(35, 25), red);
    EXPECT_EQ(image.pixel(45, 35), red);
    EXPECT_EQ(image.pixel(46, 36), white);
    EXPECT_EQ(image.pixel(47, 37), white);
    EXPECT_EQ(image.pixel(48, 38), kBackground);
    EXPECT_EQ(image.pixel(32, 22), kBackground);
    int redCount = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            redCount += image.pixel(x, y) == red;
        }
    }
    EXPECT_EQ(redCount, 11 * 11);
}

TEST(GazeCursor, MovingLeavesNoTrail) {
    GazeCursor cursor = created();
    const QImage clean = patterned();
    QImage image = clean;
    // Drawn once before the first erase, as owners do when they set up (an erase before any
    // draw paints the fill colour).
    cursor.draw(image, image);
    // The owner's sequence for each gaze point, including points at and past the edges.
    const QPoint path[] = {{100, 100}, {105, 98}, {0, 0}, {199, 149}, {-5, 70}, {300, 300}, {60, 60}};
    for (const QPoint& p : path) {
        cursor.erase(image);
        cursor.centerAt(p.x(), p.y());
        cursor.draw(image, image);
    }
    cursor.erase(image);
    EXPECT_EQ(image, clean);
}

TEST(GazeCursor, SavesFromTheSourceNotTheTarget) {
    GazeCursor cursor = created();
    const QImage source = patterned();
    QImage target = picture(0xFF000000u);
    cursor.centerAt(20, 20);
    cursor.draw(target, source);
    cursor.erase(target);
    for (int y = 13; y < 28; ++y) {
        for (int x = 13; x < 28; ++x) {
            EXPECT_EQ(target.pixel(x, y), source.pixel(x, y));
        }
    }
    EXPECT_EQ(target.pixel(12, 12), 0xFF000000u);
}

TEST(GazeCursor, StampFrameShowsTheStampInAFrame) {
    GazeCursor cursor = created();
    cursor.setKind(GazeCursor::kKindStampFrame);
    cursor.setStampImageId(kStampFirstNumber);
    cursor.setColor(MakeColorRef(80, 152, 71));
    QImage image = picture();
    cursor.centerAt(100, 75);  // rect (62, 37) to (138, 113)
    cursor.draw(image, image);

    const QRgb green = qRgb(80, 152, 71);
    // The outline: 4 pixels wide along (left + 2, top + 2) to (right - 2, bottom - 2).
    EXPECT_EQ(image.pixel(62 + 2, 37 + 40), green);
    EXPECT_EQ(image.pixel(138 - 2, 37 + 40), green);
    EXPECT_EQ(image.pixel(100, 37 + 2), green);
    EXPECT_EQ(image.pixel(100, 113 - 2), green);
    // Inside: the stamp where it is not white, the background where it is.
    const QImage& stamp = StampPicture(kStampFirstNumber);
    ASSERT_FALSE(stamp.isNull());
    int shown = 0;
    int seeThrough = 0;
    for (int y = 8; y < 62; ++y) {
        for (int x = 8; x < 62; ++x) {
            const QRgb s = stamp.pixel(x, y);
            const QRgb got = image.pixel(62 + 3 + x, 37 + 3 + y);
            if ((s & 0xFFFFFF) == 0xFFFFFF) {
                EXPECT_EQ(got, kBackground);
                ++seeThrough;
            } else {
                EXPECT_EQ(got, s);
                ++shown;
            }
        }
    }
    EXPECT_GT(shown, 100);
    EXPECT_GT(seeThrough, 100);
    cursor.erase(image);
    EXPECT_EQ(image, picture());
}

TEST(GazeCursor, UnknownStampDrawsOnlyTheFrame) {
    GazeCursor cursor = created();
    cursor.setKind(GazeCursor::kKindStampFrame);
    cursor.setStampImageId(9999);
    QImage image = picture();
    cursor.centerAt(100, 75);
    cursor.draw(image, image);
    EXPECT_EQ(image.pixel(100, 75), kBackground);
    EXPECT_EQ(image.pixel(64, 75), ColorRefToQRgb(kColorGazeCursor));
}
