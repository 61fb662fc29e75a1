#include "LumoraApp.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "GazeDataFile.h"
#include "MainDlg.h"
#include "SoundPlayer.h"
#include "qvtrack.h"

namespace lumora {
namespace {

constexpr const char* kImagesFolder = "Lumora/Images";
constexpr const char* kDrawingsFolder = "Lumora/Drawings";
constexpr const char* kShippedBesideProgram = "../share/lumora";
constexpr const char* kPerUserFolder = "lumora";
constexpr const char* kGazeSourceVariable = "QVTRACK_SOURCE";

const char* const kUsage = "usage: lumora [--gaze pointer|replay:PATH] [--workdir DIR]\n";

bool CopyMissingFiles(const QString& from, const QString& to) {
    bool ok = true;
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    const QDir source(from);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = QDir(to).filePath(source.relativeFilePath(file));
        if (QFileInfo::exists(target))
            continue;
        ok = QDir().mkpath(QFileInfo(target).absolutePath()) && QFile::copy(file, target) && ok;
    }
    return ok;
}

}  // namespace

bool PointerFeeder::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseMove && watched->isWindowType()) {
        const QPoint global = static_cast<QMouseEvent*>(e)->globalPosition().toPoint();
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QPoint p = screen ? global - screen->geometry().topLeft() : global;
        QvFeedPointer(p.x(), p.y());
    }
    return false;
}

LumoraOptions ParseLumoraArguments(const QStringList& arguments) {
    LumoraOptions o;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        auto value = [&](QString& into) {
            if (!hasValue) {
                o.ok = false;
                o.error = a + QStringLiteral(" needs a value");
                return;
            }
            into = arguments[++i];
        };
        if (a == QLatin1String("--gaze")) {
            value(o.gazeSource);
        } else if (a == QLatin1String("--workdir")) {
            value(o.workDir);
        } else if (a == QLatin1String("--screenshot")) {
            value(o.screenshotPath);
        } else if (a == QLatin1String("--screenshot-after")) {
            QString ms;
            value(ms);
            bool number = false;
            o.screenshotAfterMs = ms.toInt(&number);
            if (o.ok && (!number || o.screenshotAfterMs < 0)) {
                o.ok = false;
                o.error = QStringLiteral("--screenshot-after needs milliseconds");
            }
        } else {
            o.ok = false;
            o.error = QStringLiteral("unknown argument ") + a;
        }
        if (!o.ok)
            break;
    }
    return o;
}

QString ChooseWorkingFolder(const QString& requested, const FolderContext& context) {
    if (!requested.isEmpty())
        return QDir(context.current).absoluteFilePath(requested);
    if (QFileInfo(QDir(context.current).filePath(QLatin1String(kImagesFolder))).isDir())
        return QDir(context.current).absolutePath();
    const QString dataHome = !context.xdgDataHome.isEmpty() && QDir::isAbsolutePath(context.xdgDataHome)
                                 ? context.xdgDataHome
                                 : QDir(context.home).filePath(QStringLiteral(".local/share"));
    return QDir(dataHome).filePath(QLatin1String(kPerUserFolder));
}

QString FindShippedFiles(const QString& programDir) {
    const QString beside = QDir::cleanPath(QDir(programDir).filePath(QLatin1String(kShippedBesideProgram)));
    if (QFileInfo(QDir(beside).filePath(QLatin1String(kImagesFolder))).isDir())
        return beside;
    return {};
}

bool PrepareWorkingFolder(const QString& folder, const QString& shipped) {
    if (!QDir().mkpath(folder))
        return false;
    const QDir dir(folder);
    // Missing pictures or sounds only mean a button without picture or a silent click, so a
    // failed copy does not stop the program.
    if (!shipped.isEmpty() && QDir(shipped).absolutePath() != dir.absolutePath())
        CopyMissingFiles(shipped, folder);
    dir.mkpath(QString::fromUtf8(kDataFolder.data(), static_cast<qsizetype>(kDataFolder.size())));
    dir.mkpath(QLatin1String(kDrawingsFolder));
    return true;
}

LumoraApp::LumoraApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Lumora"));
    setApplicationVersion(QStringLiteral("2.7"));
}

int LumoraApp::run() {
    QStringList args = arguments();
    args.removeFirst();
    const LumoraOptions options = ParseLumoraArguments(args);
    if (!options.ok) {
        std::fprintf(stderr, "lumora: %s\n%s", qPrintable(options.error), kUsage);
        return 2;
    }
    // The tracker library reads its source when the gaze thread starts it.
    if (!options.gazeSource.isEmpty())
        qputenv(kGazeSourceVariable, options.gazeSource.toLocal8Bit());

    FolderContext context;
    context.current = QDir::currentPath();
    context.xdgDataHome = qEnvironmentVariable("XDG_DATA_HOME");
    context.home = QDir::homePath();
    context.programDir = applicationDirPath();
    const QString folder = ChooseWorkingFolder(options.workDir, context);
    if (!PrepareWorkingFolder(folder, FindShippedFiles(context.programDir)) || !QDir::setCurrent(folder)) {
        std::fprintf(stderr, "lumora: cannot work in %s\n", qPrintable(folder));
        return 1;
    }

    SetSoundPlayer(MakeQtSoundPlayer());
    PointerFeeder feeder;
    installEventFilter(&feeder);

    QScreen* screen = primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    int status = 0;
    {
        MainDlg main(area, true);
        connect(&main, &MainDlg::closed, this, &QCoreApplication::quit, Qt::QueuedConnection);
        if (screen)
            main.setScreen(screen);
        main.showCoveringScreen();
        if (!options.screenshotPath.isEmpty()) {
            QTimer::singleShot(options.screenshotAfterMs, &main, [&main, path = options.screenshotPath] {
                if (QScreen* s = QGuiApplication::primaryScreen())
                    s->grabWindow(0).save(path);
                main.close();
            });
        }
        status = exec();
        removeEventFilter(&feeder);
    }
    // The player's audio objects must go before the application object does.
    SetSoundPlayer(nullptr);
    return status;
}

}  // namespace lumora
