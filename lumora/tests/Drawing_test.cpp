#include "canvas/Drawing.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>
#include <vector>

#include "canvas/CircleShape.h"
#include "canvas/LineShape.h"
#include "canvas/RectangleShape.h"
#include "canvas/StampPictures.h"
#include "canvas/StampShape.h"

using namespace lumora;

namespace {

// The canvas's images on a 1024 x 768 screen.
const QSize kSize(798, 630);

constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kBlack = 0xFF000000u;
constexpr ColorRef kRed = MakeColorRef(200, 55, 55);
constexpr QRgb kRedRgb = ColorRefToQRgb(kRed);
constexpr ColorRef kBlue = MakeColorRef(65, 65, 139);
constexpr QRgb kBlueRgb = ColorRefToQRgb(kBlue);

int countColour(const QImage& image, QRgb colour) {
    int n = 0;
    for (int yy = 0; yy < image.height(); ++yy) {
        for (int xx = 0; xx < image.width(); ++xx) {
            n += image.pixel(xx, yy) == colour;
        }
    }
    return n;
}

std::unique_ptr<Shape> shape(int kind, QPoint from, QPoint to, ColorRef colour = kColorBlack, bool filled = false) {
    ShapePen pen;
    pen.color = colour;
    ShapeBrush brush;
    brush.color = colour;
    brush.style = filled ? ShapeBrush::kStyleSolid : ShapeBrush::kStyleHollow;
    std::unique_ptr<Shape> s;
    if (kind == kShapeLine) {
        s = std::make_unique<LineShape>(pen, brush);
    } else if (kind == kShapeRectangle) {
        s = std::make_unique<RectangleShape>(pen, brush);
    } else {
        s = std::make_unique<CircleShape>(pen, brush);
    }
    s->setStart(from);
    s->setEnd(to);
    return s;
}

std::unique_ptr<Shape> line(QPoint from, QPoint to, ColorRef colour = kColorBlack) {
    return shape(kShapeLine, from, to, colour);
}

// Redraws into a fresh picture, as the canvas's committed image is redrawn.
QImage redrawn(Drawing& drawing) {
    QImage image(drawing.size(), QImage::Format_RGB32);
    image.fill(Qt::green);  // nothing of this may survive
    drawing.redraw(image);
    return image;
}

QString writePicture(const QString& path, const QSize& size, QRgb colour) {
    QDir().mkpath(QFileInfo(path).path());
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    EXPECT_TRUE(picture.save(path, "BMP"));
    return path;
}

}  // namespace

// ---- A new drawing, snapshot ----------------------------------------------------------------

TEST(Drawing, StartsWhiteOfItsSizeWithNoShapes) {
    Drawing drawing(kSize);
    EXPECT_EQ(drawing.size(), kSize);
    EXPECT_EQ(countColour(drawing.background(), kWhite), kSize.width() * kSize.height());
    EXPECT_TRUE(drawing.shapes().empty());
    EXPECT_EQ(drawing.snapshot(), drawing.background());
    EXPECT_EQ(redrawn(drawing), drawing.background());
    EXPECT_EQ(drawing.lastSaveStatus(), support::WriteStatus::Ok);

    // A screen too small for a canvas: empty, but every operation still works.
    Drawing empty{QSize()};
    empty.append(line({10, 10}, {20, 20}));
    EXPECT_TRUE(empty.snapshot().isNull() || empty.snapshot().size().isEmpty());
    QImage none;
    empty.redraw(none);
    EXPECT_TRUE(empty.removeLast());
}

TEST(Drawing, SnapshotDrawsEveryShapeInListOrderOverTheBackground) {
    Drawing drawing(kSize);
    drawing.append(shape(kShapeRectangle, {100, 100}, {300, 300}, kRed, true));
    drawing.append(shape(kShapeCircle, {200, 200}, {400, 400}, kBlue, true));
    drawing.append(line({100, 500}, {600, 500}));
    ASSERT_EQ(drawing.shapes().size(), 3u);
    const QImage snapshot = drawing.snapshot();
    EXPECT_EQ(snapshot.pixel(150, 150), kRedRgb);
    EXPECT_EQ(snapshot.pixel(280, 280), kBlueRgb);  // the later circle covers the rectangle
    EXPECT_EQ(snapshot.pixel(350, 500), kBlack);
    EXPECT_EQ(snapshot.pixel(700, 50), kWhite);
    // The snapshot is a copy: the background itself stays white.
    EXPECT_EQ(countColour(drawing.background(), kWhite), kSize.width() * kSize.height());
    EXPECT_EQ(redrawn(drawing), snapshot);
}

TEST(Drawing, StampsKeepTheDrawingUnderTheirWhite) {
    Drawing drawing(kSize);
    drawing.append(shape(kShapeRectangle, {150, 150}, {400, 400}, kRed, true));
    auto stamp = std::make_unique<StampShape>(kStampFirstNumber);
    stamp->place(209, 209);
    drawing.append(std::move(stamp));
    const QImage snapshot = drawing.snapshot();
    const QImage& picture = StampPicture(kStampFirstNumber);
    ASSERT_FALSE(picture.isNull());
    int mismatches = 0;
    for (int yy = 0; yy < picture.height(); ++yy) {
        for (int xx = 0; xx < picture.width(); ++xx) {
            const QRgb p = picture.pixel(xx, yy);
            const QRgb expected = (p & 0xFFFFFF) == 0xFFFFFF ? kRedRgb : (p | 0xFF000000u);
            mismatches += snapshot.pixel(QPoint(209, 209) + QPoint(xx, yy)) != expected;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

// ---- Undo, new, the redraw cache ------------------------------------------------------------

TEST(Drawing, UndoOnAnEmptyListChangesNothing) {
    Drawing drawing(kSize);
    const QImage before = drawing.snapshot();
    EXPECT_FALSE(drawing.removeLast());
    EXPECT_TRUE(drawing.shapes().empty());
    EXPECT_EQ(drawing.snapshot(), before);
    EXPECT_EQ(redrawn(drawing), before);
}

TEST(Drawing, UndoRemovesTheLastShapeAndRedrawsTheRest) {
    Drawing drawing(kSize);
    drawing.append(line({100, 100}, {300, 100}, kRed));
    drawing.append(line({100, 200}, {300, 200}, kRed));
    EXPECT_EQ(redrawn(drawing).pixel(200, 200), kRedRgb);
    EXPECT_TRUE(drawing.removeLast());
    ASSERT_EQ(drawing.shapes().size(), 1u);
    const QImage image = redrawn(drawing);
    EXPECT_EQ(image.pixel(200, 100), kRedRgb);
    EXPECT_EQ(image.pixel(200, 200), kWhite);
}

TEST(Drawing, LongUndoRunsMatchAFullReplay) {
    // Enough shapes, crossing one another, that undo works past the kept older ones.
    Drawing drawing(kSize);
    const int count = static_cast<int>(Drawing::kReplayWindow) * 2 + 20;
    for (int i = 0; i < count; ++i) {
        const ColorRef colour = MakeColorRef(i * 37 % 256, i * 91 % 256, i * 53 % 256);
        drawing.append(shape(i % 3 + 1, {20 + i * 5 % 600, 20 + i * 7 % 500}, {137 + i * 11 % 600, 87 + i * 3 % 500},
                             colour, i % 4 == 0));
        if (i % 16 == 0) {
            ASSERT_EQ(redrawn(drawing), drawing.snapshot()) << "after shape " << i + 1;
        }
    }
    ASSERT_EQ(redrawn(drawing), drawing.snapshot());
    for (int i = 0; i < count; ++i) {
        ASSERT_TRUE(drawing.removeLast());
        ASSERT_EQ(redrawn(drawing), drawing.snapshot()) << "after undo " << i + 1;
        if (i == count / 2) {
            drawing.append(line({300, 300}, {400, 350}));  // drawing again in between
            ASSERT_EQ(redrawn(drawing), drawing.snapshot());
        }
    }
    EXPECT_EQ(drawing.shapes().size(), 1u);  // the one drawn in between
}

TEST(Drawing, ClearEmptiesTheListAndWhitensTheBackground) {
    Drawing drawing(kSize);
    ASSERT_TRUE(drawing.open(writePicture(QStringLiteral("blue.bmp"), kSize, kBlueRgb)));
    for (int i = 0; i < static_cast<int>(Drawing::kReplayWindow) + 10; ++i) {
        drawing.append(line({10 + i, 100}, {300, 100 + i}));
    }
    (void)redrawn(drawing);  // older shapes now kept drawn in the cache
    drawing.clear();
    EXPECT_TRUE(drawing.shapes().empty());
    EXPECT_EQ(countColour(drawing.background(), kWhite), kSize.width() * kSize.height());
    EXPECT_EQ(countColour(redrawn(drawing), kWhite), kSize.width() * kSize.height());
}

// ---- Open -----------------------------------------------------------------------------------

TEST(Drawing, OpenPadsASmallerPictureWhiteAndEmptiesTheList) {
    Drawing drawing(kSize);
    drawing.append(line({100, 100}, {300, 100}));
    const QString path = writePicture(QStringLiteral("Lumora/Drawings/small.bmp"), QSize(200, 150), kRedRgb);
    EXPECT_TRUE(drawing.open(path));
    EXPECT_TRUE(drawing.shapes().empty());
    EXPECT_EQ(drawing.background().size(), kSize);
    const QImage image = redrawn(drawing);
    EXPECT_EQ(image.pixel(199, 149), kRedRgb);
    EXPECT_EQ(image.pixel(200, 100), kWhite);
    EXPECT_EQ(image.pixel(100, 150), kWhite);
    EXPECT_EQ(drawing.snapshot(), image);
}

TEST(Drawing, OpenCutsALargerPicture) {
    Drawing drawing(kSize);
    EXPECT_TRUE(drawing.open(writePicture(QStringLiteral("big.bmp"), QSize(1200, 900), kBlueRgb)));
    EXPECT_EQ(drawing.background().size(), kSize);
    EXPECT_EQ(countColour(drawing.background(), kBlueRgb), kSize.width() * kSize.height());
}

TEST(Drawing, AFileThatIsNoPictureKeepsTheBackgroundButEmptiesTheList) {
    QFile bad(QStringLiteral("bad.bmp"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("BM not really a picture");
    bad.close();
    QFile truncated(QStringLiteral("truncated.bmp"));
    ASSERT_TRUE(truncated.open(QIODevice::WriteOnly));
    {
        QFile whole(writePicture(QStringLiteral("whole.bmp"), QSize(100, 100), kRedRgb));
        ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
        truncated.write(whole.readAll().left(200));
    }
    truncated.close();
    QDir().mkpath(QStringLiteral("adirectory.bmp"));

    const QString blue = writePicture(QStringLiteral("blue.bmp"), QSize(1200, 900), kBlueRgb);
    for (const QString& path : {QStringLiteral("bad.bmp"), QStringLiteral("truncated.bmp"),
                                QStringLiteral("missing.bmp"), QStringLiteral("adirectory.bmp"), QString()}) {
        Drawing drawing(kSize);
        ASSERT_TRUE(drawing.open(blue));
        drawing.append(line({100, 100}, {300, 100}));
        EXPECT_FALSE(drawing.open(path)) << path.toStdString();
        EXPECT_TRUE(drawing.shapes().empty()) << path.toStdString();
        EXPECT_EQ(countColour(drawing.background(), kBlueRgb), kSize.width() * kSize.height()) << path.toStdString();
        EXPECT_EQ(countColour(redrawn(drawing), kBlueRgb), kSize.width() * kSize.height()) << path.toStdString();
    }
}

// ---- Save -----------------------------------------------------------------------------------

TEST(Drawing, SaveHandsTheSnapshotToTheWriter) {
    Drawing drawing(kSize);
    drawing.append(line({100, 100}, {300, 100}));
    QString writtenPath;
    QImage written;
    drawing.setWriter([&](const QString& path, const QImage& image) {
        writtenPath = path;
        written = image;
        return support::WriteStatus::Ok;
    });
    EXPECT_TRUE(drawing.hasWriter());
    EXPECT_EQ(drawing.save(QStringLiteral("Lumora/Drawings/x.bmp")), support::WriteStatus::Ok);
    EXPECT_EQ(writtenPath, QStringLiteral("Lumora/Drawings/x.bmp"));
    EXPECT_EQ(written, drawing.snapshot());
    EXPECT_EQ(written.pixel(200, 100), kBlack);
}

TEST(Drawing, AFailedSaveSaysWhyItFailedAndAWriterlessOneWritesNothing) {
    Drawing drawing(kSize);
    EXPECT_FALSE(drawing.hasWriter());
    EXPECT_EQ(drawing.save(QStringLiteral("x.bmp")), support::WriteStatus::Ok);  // nothing was tried
    const QString path = QStringLiteral("Lumora/Drawings/x.bmp");
    for (const support::WriteStatus status :
         {support::WriteStatus::NoSpace, support::WriteStatus::CannotOpen, support::WriteStatus::Failed}) {
        drawing.setWriter([status](const QString&, const QImage&) { return status; });
        EXPECT_EQ(drawing.save(path), status);
        EXPECT_EQ(drawing.lastSaveStatus(), status);
    }
    // Without a writer the last status stands.
    drawing.setWriter(nullptr);
    EXPECT_EQ(drawing.save(path), support::WriteStatus::Failed);
    EXPECT_EQ(drawing.lastSaveStatus(), support::WriteStatus::Failed);
    drawing.setWriter([](const QString&, const QImage&) { return support::WriteStatus::Ok; });
    EXPECT_EQ(drawing.save(path), support::WriteStatus::Ok);
    EXPECT_EQ(drawing.lastSaveStatus(), support::WriteStatus::Ok);
    EXPECT_FALSE(QFileInfo::exists(path));  // the drawing itself never writes a file
}
