// camera_democheck: looks at what a Lumora run on the camera's end-to-end video left in its
// working folder: one saved drawing with the red rectangle where the session drew it and
// nothing elsewhere, and the session's events in the keystroke log.
//
//   camera_democheck WORKDIR   exit status 0 when everything is there
#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <cstdio>

#include "CameraSession.h"
#include "app/MainDlg.h"

using namespace qvtrack::headvideo;

namespace {

int g_failures = 0;

void Check(bool ok, const QString& what) {
    std::printf("%s %s\n", ok ? "ok:  " : "FAIL:", qPrintable(what));
    if (!ok) {
        ++g_failures;
    }
}

QString OneFile(const QString& folder, const QString& pattern, const char* what) {
    const QStringList found = QDir(folder).entryList({pattern}, QDir::Files, QDir::Name);
    Check(found.size() == 1, QStringLiteral("one %1 in %2 (found %3)").arg(QString::fromLatin1(what), folder).arg(found.size()));
    return found.size() == 1 ? QDir(folder).filePath(found.first()) : QString();
}

bool ColourNear(const QImage& image, const QPoint& p, QRgb colour, int radius) {
    for (int y = p.y() - radius; y <= p.y() + radius; ++y) {
        for (int x = p.x() - radius; x <= p.x() + radius; ++x) {
            if (image.valid(x, y) && (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) {
                return true;
            }
        }
    }
    return false;
}

int CountNotWhite(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += image.valid(x, y) && (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
        }
    }
    return n;
}

QString Name(const QPoint& p) {
    return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y());
}

void CheckDrawing(const QString& workdir) {
    const QString path = OneFile(workdir + QStringLiteral("/Lumora/Drawings"), QStringLiteral("*.bmp"), "drawing");
    if (path.isEmpty()) {
        return;
    }
    const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
    Check(!image.isNull(), QStringLiteral("the drawing reads as a picture"));
    if (image.isNull()) {
        return;
    }
    const QSize canvas = lumora::MainLayout::ForScreen(kScreenWidth, kScreenHeight).canvasRect().size();
    const QRect r = RectangleOnCanvas(canvas);
    const QRgb red = qRgb(200, 55, 55);
    // A head pointer rests within a few pixels of where the head points, and a shape's corner
    // follows the cursor: the outline may stand that far from the planned one.
    constexpr int kSlack = 16;
    for (const QPoint& p : {QPoint(r.center().x(), r.top()), QPoint(r.center().x(), r.bottom()),
                            QPoint(r.left(), r.center().y()), QPoint(r.right(), r.center().y())}) {
        Check(ColourNear(image, p, red, kSlack), QStringLiteral("the red outline at ") + Name(p));
    }
    Check(CountNotWhite(image, QRect(r.center() - QPoint(20, 20), QSize(40, 40))) == 0,
          QStringLiteral("the rectangle is not filled"));
    for (const QPoint& p : {QPoint(20, 20), QPoint(image.width() - 20, image.height() - 20), QPoint(20, image.height() / 2)}) {
        Check(CountNotWhite(image, QRect(p - QPoint(10, 10), QSize(20, 20))) == 0,
              QStringLiteral("nothing drawn at ") + Name(p));
    }
}

void CheckKeystrokeLog(const QString& workdir) {
    const QString path = OneFile(workdir + QStringLiteral("/Lumora/Data"), QStringLiteral("LMkey*.dat"), "keystroke log");
    if (path.isEmpty()) {
        return;
    }
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    QStringList lines = QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    // The log's first line and its header of initial values end with an empty line.
    const int events = static_cast<int>(lines.indexOf(QString())) + 1;
    const QStringList expected = {"Color Change", "Rectangle Button, UnFill", "Start Shape", "End Shape", "Save"};
    const QStringList got = events > 0 ? lines.mid(events) : QStringList();
    Check(got == expected, QStringLiteral("the session's events in order: ") + got.join(QStringLiteral(" | ")));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: camera_democheck WORKDIR\n");
        return 2;
    }
    const QString workdir = QString::fromLocal8Bit(argv[1]);
    CheckDrawing(workdir);
    CheckKeystrokeLog(workdir);
    std::printf("%s\n", g_failures == 0 ? "the camera session went through" : "the camera session did not go through");
    return g_failures == 0 ? 0 : 1;
}
