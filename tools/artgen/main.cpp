// lumora_artgen DATA_DIR STAMP_DIR [PREVIEW_DIR]
// Writes Lumora's working-folder pictures and sounds under DATA_DIR ("Lumora/Images/...",
// "Lumora/Sounds/..."), the stamp pictures and their resource list under STAMP_DIR, and, when
// asked, a PNG of every picture under PREVIEW_DIR for looking at. A file whose content has not
// changed is left untouched, so the build does not redo what depends on it.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <cstdio>

#include "BmpWriter.h"
#include "Catalog.h"

namespace {

bool writeIfChanged(const QString& path, const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        std::fprintf(stderr, "lumora_artgen: nothing made for %s\n", qPrintable(path));
        return false;
    }
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes) {
        return true;
    }
    existing.close();
    QDir().mkpath(QFileInfo(path).path());
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "lumora_artgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool writeAll(const QString& root, const std::vector<artgen::Artifact>& files) {
    bool ok = true;
    for (const auto& file : files) {
        ok = writeIfChanged(root + QLatin1Char('/') + file.path, file.make()) && ok;
    }
    return ok;
}

bool writePreviews(const QString& dir) {
    QDir().mkpath(dir);
    bool ok = true;
    for (int number : artgen::StampNumbers()) {
        ok = artgen::DrawStamp(number).save(dir + QStringLiteral("/stamp_%1.png").arg(number)) && ok;
    }
    // All stamps on one sheet, twice their size, eight to a row.
    constexpr int kScale = 2;
    constexpr int kCell = 80 * kScale;
    constexpr int kPerRow = 8;
    const auto numbers = artgen::StampNumbers();
    const int rows = int(numbers.size() + kPerRow - 1) / kPerRow;
    QImage sheet(kPerRow * kCell, rows * kCell, QImage::Format_RGB32);
    sheet.fill(QColor(214, 211, 206));
    {
        QPainter p(&sheet);
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            const QImage stamp = artgen::DrawStamp(numbers[i]);
            p.drawImage(QRect(int(i % kPerRow) * kCell + 5, int(i / kPerRow) * kCell + 5, stamp.width() * kScale,
                              stamp.height() * kScale),
                        stamp);
        }
    }
    ok = sheet.save(dir + QStringLiteral("/stamps_sheet.png")) && ok;
    ok = artgen::DrawArrow(true).save(dir + QStringLiteral("/left_small.png")) && ok;
    ok = artgen::DrawArrow(false).save(dir + QStringLiteral("/right_small.png")) && ok;
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: lumora_artgen DATA_DIR STAMP_DIR [PREVIEW_DIR]\n");
        return 2;
    }
    const QString dataDir = QString::fromLocal8Bit(argv[1]);
    const QString stampDir = QString::fromLocal8Bit(argv[2]);
    bool ok = writeAll(dataDir, artgen::DataFiles());
    ok = writeAll(stampDir, artgen::StampFiles()) && ok;
    ok = writeIfChanged(stampDir + QStringLiteral("/lumora_stamps.qrc"), artgen::StampResourceList()) && ok;
    if (argc > 3) {
        ok = writePreviews(QString::fromLocal8Bit(argv[3])) && ok;
    }
    return ok ? 0 : 1;
}
