#include "app/LumoraApp.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "AtomicFile.h"
#include "GazeDataFile.h"
#include "GazeTuning.h"
#include "IniDocument.h"
#include "LanguageChoice.h"
#include "RegularFile.h"
#include "Translations.h"
#include "app/MainDlg.h"
#include "app/SoundPlayer.h"
#include "qvtrack.h"

namespace lumora {
namespace {

constexpr const char* kImagesFolder = "Lumora/Images";
constexpr const char* kDrawingsFolder = "Lumora/Drawings";
// Beside the shipped files, not part of them (languages/Translations.h).
constexpr const char* kCataloguesFolder = "translations/";
constexpr const char* kShippedBesideProgram = "../share/lumora";
constexpr const char* kPerUserFolder = "lumora";
constexpr const char* kGazeSourceVariable = "QVTRACK_SOURCE";

const char* const kUsage =
    "usage: lumora [--gaze pointer|replay:PATH|camera[:DEVICE_OR_FILE]] [--workdir DIR] [--lang CODE]\n";

constexpr const char* kReplayPrefix = "replay:";
constexpr const char* kCameraPrefix = "camera:";
constexpr const char* kBadSuffix = ".bad";

std::string FirstRunSettingsBytes(const QString& shipped) {
    if (!shipped.isEmpty()) {
        const QString shippedSettings =
            QDir(shipped).filePath(QString::fromUtf8(kGazeSettingsPath.data(), qsizetype(kGazeSettingsPath.size())));
        const support::FileBytes file =
            support::ReadRegularFile(shippedSettings.toStdString(), IniDocument::kMaxFileBytes);
        if (file.status == support::ReadStatus::Ok)
            return std::string(file.bytes.begin(), file.bytes.end());
    }
    return FirstRunSettingsText();
}

QString RefusalReason(support::ReadStatus status) {
    switch (status) {
        case support::ReadStatus::NotRegular:
            return QStringLiteral("is not a file (a folder, FIFO or device)");
        case support::ReadStatus::TooLarge:
            return QStringLiteral("is too large for a settings file");
        case support::ReadStatus::Unreadable:
            return QStringLiteral("cannot be read");
        case support::ReadStatus::Missing:
            return QStringLiteral("is a link that leads to no file");
        case support::ReadStatus::Ok:
            break;
    }
    return QStringLiteral("holds no usable dwell timing and dwell size");
}

bool CopyMissingFiles(const QString& from, const QString& to) {
    bool ok = true;
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    const QDir source(from);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = source.relativeFilePath(file);
        // The catalogues are read where they are installed; a copy would only go stale.
        if (relative.startsWith(QLatin1String(kCataloguesFolder)))
            continue;
        const QString target = QDir(to).filePath(relative);
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
        } else if (a == QLatin1String("--lang")) {
            value(o.language);
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

QString ResolveGazeSource(const QString& source, const QString& startFolder) {
    const QLatin1String replay(kReplayPrefix);
    if (source.startsWith(replay)) {
        const QString path = source.mid(replay.size());
        if (path.isEmpty() || QDir::isAbsolutePath(path))
            return source;
        return replay + QDir::cleanPath(QDir(startFolder).absoluteFilePath(path));
    }
    const QLatin1String camera(kCameraPrefix);
    if (source.startsWith(camera)) {
        // A camera's number stays as given ("camera:2" is /dev/video2 to the tracker library);
        // a video named relative to where the user stood is made absolute when it is there.
        const QString name = source.mid(camera.size());
        const bool number = !name.isEmpty() &&
                            std::all_of(name.begin(), name.end(), [](QChar c) { return c.isDigit(); });
        if (name.isEmpty() || number || QDir::isAbsolutePath(name))
            return source;
        const QString path = QDir::cleanPath(QDir(startFolder).absoluteFilePath(name));
        return QFileInfo::exists(path) ? camera + path : source;
    }
    return source;
}

SettingsRepair RepairGazeSettings(const QString& shipped) {
    const std::string path(kGazeSettingsPath);
    const std::string bad = path + kBadSuffix;
    const QString shown = QString::fromStdString(path);
    SettingsRepair repair;
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0) {
        repair.outcome = support::WriteFileAtomically(path, FirstRunSettingsBytes(shipped)) == support::WriteStatus::Ok
                             ? SettingsRepair::Created
                             : SettingsRepair::Usable;
        return repair;
    }
    const support::FileBytes file = support::ReadRegularFile(path, IniDocument::kMaxFileBytes);
    if (file.status == support::ReadStatus::Ok) {
        IniDocument doc;
        doc.setReportsRefusedLines(false);
        support::StringLineSource text(std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()));
        doc.read(text);
        if (IsUsableGazeTuning(GazeTuningOf(doc)))
            return repair;
    }
    const QString reason = RefusalReason(file.status);
    // The previous bad file gives way; a folder of that name (a bad folder kept before) is only
    // replaced when empty, which rename does by itself.
    struct stat old {};
    if (::lstat(bad.c_str(), &old) == 0 && !S_ISDIR(old.st_mode))
        ::unlink(bad.c_str());
    if (::rename(path.c_str(), bad.c_str()) != 0) {
        repair.outcome = SettingsRepair::Unreplaceable;
        repair.message = QStringLiteral("lumora: the gaze settings file %1 %2 and cannot be moved aside (%3)")
                             .arg(shown, reason, QString::fromLocal8Bit(std::strerror(errno)));
        return repair;
    }
    const support::WriteStatus written = support::WriteFileAtomically(path, FirstRunSettingsBytes(shipped));
    repair.outcome = SettingsRepair::Replaced;
    repair.message = QStringLiteral("lumora: the gaze settings file %1 %2; it is kept as %3 and ")
                         .arg(shown, reason, QString::fromStdString(bad)) +
                     (written == support::WriteStatus::Ok ? QStringLiteral("the first-run settings are used")
                                                          : QStringLiteral("the first-run settings could not be written"));
    return repair;
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
    FolderContext context;
    context.current = QDir::currentPath();
    // The tracker library reads its source when the gaze thread starts it, by then in the
    // working folder: a path the user gave must keep meaning what it meant where they typed it.
    const QString source =
        options.gazeSource.isEmpty() ? qEnvironmentVariable(kGazeSourceVariable) : options.gazeSource;
    const QString resolved = ResolveGazeSource(source, context.current);
    if (!resolved.isEmpty() && (resolved != source || !options.gazeSource.isEmpty()))
        qputenv(kGazeSourceVariable, resolved.toLocal8Bit());

    context.xdgDataHome = qEnvironmentVariable("XDG_DATA_HOME");
    context.home = QDir::homePath();
    context.programDir = applicationDirPath();
    const QString folder = ChooseWorkingFolder(options.workDir, context);
    const QString shipped = FindShippedFiles(context.programDir);
    if (!PrepareWorkingFolder(folder, shipped) || !QDir::setCurrent(folder)) {
        std::fprintf(stderr, "lumora: cannot work in %s\n", qPrintable(folder));
        return 1;
    }
    const SettingsRepair repair = RepairGazeSettings(shipped);
    if (!repair.message.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(repair.message));

    // Before the first window: every caption is translated as its widget is made.
    languages::Translations translations;
    const QString language = languages::ChooseLanguage(options.language, languages::CurrentEnvironment());
    translations.install(QStringLiteral("lumora"), language, languages::CatalogueFolders(context.programDir));

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
