// lumora_democheck: looks at what a Lumora run that replayed the demo recording left in its
// working folder, and says whether the house session went through.
//
//   lumora_democheck WORKDIR RECORDING   check; exit status 0 when everything is there
//   lumora_democheck --canvas            print the canvas's place on the demo screen: x y w h
//
// Checked: one saved drawing with the house's blue rectangle, red roof lines, filled yellow sun
// and the stamp where the session put them, and nothing drawn elsewhere; the keystroke log's
// header and the session's events in order; the gaze data file's header and one line for each
// sample with gaze, in the recording's order, up to where the exit was chosen.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTextStream>
#include <cstdio>
#include <functional>

#include "HouseSession.h"

using namespace lumora::demo;

namespace {

int g_failures = 0;

void Check(bool ok, const QString& what) {
    std::printf("%s %s\n", ok ? "ok:  " : "FAIL:", qPrintable(what));
    if (!ok)
        ++g_failures;
}

QStringList ReadLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The one file matching the pattern in that folder, or empty (and a failure).
QString OneFile(const QString& folder, const QString& pattern, const QString& what) {
    const QStringList found = QDir(folder).entryList({pattern}, QDir::Files, QDir::Name);
    Check(found.size() == 1, QStringLiteral("one %1 in %2 (found %3)").arg(what, folder).arg(found.size()));
    return found.size() == 1 ? QDir(folder).filePath(found.first()) : QString();
}

// Whether a pixel of exactly that colour lies within `radius` of p.
bool ColourNear(const QImage& image, const QPoint& p, QRgb colour, int radius) {
    for (int y = p.y() - radius; y <= p.y() + radius; ++y)
        for (int x = p.x() - radius; x <= p.x() + radius; ++x)
            if (image.valid(x, y) && (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                return true;
    return false;
}

int CountNotWhite(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.valid(x, y) && (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                ++n;
    return n;
}

QString Name(const QPoint& p) {
    return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y());
}

void CheckDrawing(const QString& workdir) {
    const QString path = OneFile(workdir + QStringLiteral("/Lumora/Drawings"), QStringLiteral("*.bmp"), "drawing");
    if (path.isEmpty())
        return;
    std::printf("drawing: %s\n", qPrintable(path));
    const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
    Check(!image.isNull(), QStringLiteral("the drawing reads as a picture"));
    if (image.isNull())
        return;
    const QSize screen(kScreenWidth, kScreenHeight);
    const House house = HouseOnCanvas(CanvasOnScreen(screen).size());
    // The colours the session chose, and how far a stroke may lie from where the gaze rested: a
    // shape's end follows the cursor a few pixels off the gaze, and the gaze itself rests a few
    // pixels off its target.
    const QRgb blue = qRgb(65, 65, 139);
    const QRgb red = qRgb(200, 55, 55);
    const QRgb yellow = qRgb(255, 255, 108);
    const QRgb white = qRgb(255, 255, 255);
    constexpr int kSlack = 12;

    const QRect& b = house.body;
    for (const QPoint& p : {QPoint(b.center().x(), b.top()), QPoint(b.center().x(), b.bottom()),
                            QPoint(b.left(), b.center().y()), QPoint(b.right(), b.center().y())})
        Check(ColourNear(image, p, blue, kSlack), QStringLiteral("the house's blue outline at ") + Name(p));
    Check(ColourNear(image, b.center(), white, 0), QStringLiteral("the house is not filled"));
    const auto middle = [](const QPoint& a, const QPoint& c) { return (a + c) / 2; };
    Check(ColourNear(image, middle(house.eaveLeft, house.apex), red, kSlack),
          QStringLiteral("the roof's left line at ") + Name(middle(house.eaveLeft, house.apex)));
    Check(ColourNear(image, middle(house.apex, house.eaveRight), red, kSlack),
          QStringLiteral("the roof's right line at ") + Name(middle(house.apex, house.eaveRight)));
    Check(ColourNear(image, house.sun.center(), yellow, 0),
          QStringLiteral("the sun filled yellow at ") + Name(house.sun.center()));
    Check(!ColourNear(image, house.sun.topLeft(), yellow, 2),
          QStringLiteral("the sun is round (its box's corner is not yellow)"));
    const QRect stampArea(house.stamp - QPoint(50, 50), QSize(100, 100));
    Check(CountNotWhite(image, stampArea) > 300, QStringLiteral("the flower stamp near ") + Name(house.stamp));
    // Nothing drawn where the session drew nothing.
    for (const QPoint& p :
         {QPoint(20, 20), QPoint(image.width() - 20, image.height() - 20), QPoint(20, image.height() / 3)})
        Check(ColourNear(image, p, white, 0) && CountNotWhite(image, QRect(p - QPoint(10, 10), QSize(20, 20))) == 0,
              QStringLiteral("nothing drawn at ") + Name(p));
}

void CheckKeystrokeLog(const QString& workdir) {
    const QString path =
        OneFile(workdir + QStringLiteral("/Lumora/Data"), QStringLiteral("LMkey*.dat"), "keystroke log");
    if (path.isEmpty())
        return;
    std::printf("keystroke log: %s\n", qPrintable(path));
    const QStringList lines = ReadLines(path);
    const QStringList header = {QStringLiteral("Lumora version: 2.6"), QStringLiteral("Initial values are:"),
                                QStringLiteral("Line, No Polygon, Black, No Grid"), QString()};
    const QStringList events = {
        "Color Change",
        "Rectangle Button, UnFill",
        "Start Shape",
        "End Shape",
        "Color Change",
        "Line Button, UnFill",
        "Start Shape",
        "End Shape",
        "Start Shape",
        "End Shape",
        "Color Change",
        "Circle Button, UnFill",
        "Circle Button, Fill",
        "Start Shape",
        "End Shape",
        "Stamp Button",
        "Stamp Change",
        "Stamp",
        "Save",
    };
    Check(
        !lines.isEmpty() && lines.first().startsWith(QStringLiteral(
                                "The following represents keystroke level events for a drawing session in Lumora on ")),
        QStringLiteral("the keystroke log's first line"));
    Check(lines.mid(1, header.size()) == header, QStringLiteral("the keystroke log's header"));
    const QStringList got = lines.mid(1 + header.size());
    Check(got == events, QStringLiteral("the session's events in order: ") + got.join(QStringLiteral(" | ")));
}

void CheckGazeData(const QString& workdir, const QString& recordingPath) {
    const QString path =
        OneFile(workdir + QStringLiteral("/Lumora/Data"), QStringLiteral("LMdata*.dat"), "gaze data file");
    if (path.isEmpty())
        return;
    std::printf("gaze data file: %s\n", qPrintable(path));
    const QStringList recording = ReadLines(recordingPath);
    const QStringList lines = ReadLines(path);
    constexpr int kHeaderLines = 7;
    Check(recording.size() > kHeaderLines, QStringLiteral("the recording reads"));
    Check(lines.mid(0, kHeaderLines) == recording.mid(0, kHeaderLines),
          QStringLiteral("the gaze data file's header: ") + lines.mid(0, kHeaderLines).join(QStringLiteral(" | ")));
    QStringList valid;
    for (const QString& line : recording.mid(kHeaderLines))
        if (line != QStringLiteral("[-]"))
            valid.append(line);
    const QStringList samples = lines.mid(kHeaderLines);
    Check(samples == valid.mid(0, samples.size()),
          QStringLiteral("one line per sample with gaze, in the recording's order"));
    // The last few, after the exit was chosen, may be missing: the gaze thread stops at once.
    constexpr int kSamplesAfterTheChoice = 60;
    Check(samples.size() <= valid.size() && samples.size() >= valid.size() - kSamplesAfterTheChoice,
          QStringLiteral("the file ends where the exit was chosen (%1 of %2 samples with gaze)")
              .arg(samples.size())
              .arg(valid.size()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--canvas")) {
        const QRect c = CanvasOnScreen(QSize(kScreenWidth, kScreenHeight));
        std::printf("%d %d %d %d\n", c.x(), c.y(), c.width(), c.height());
        return 0;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: lumora_democheck WORKDIR RECORDING | --canvas\n");
        return 2;
    }
    const QString workdir = QString::fromLocal8Bit(argv[1]);
    CheckDrawing(workdir);
    CheckKeystrokeLog(workdir);
    CheckGazeData(workdir, QString::fromLocal8Bit(argv[2]));
    std::printf("%s\n", g_failures == 0 ? "the house session went through" : "the house session did not go through");
    return g_failures == 0 ? 0 : 1;
}
