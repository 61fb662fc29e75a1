#include "CInfoDialog.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <ctime>

#include "qvfileio.h"

#ifndef QVSETTINGS_INSTALL_LIBDIR
#define QVSETTINGS_INSTALL_LIBDIR "/usr/local/lib/lumora"
#endif

namespace {
const char* const kMaker = "Brelnic, Inc.";
const char* const kNotice =
    QT_TRANSLATE_NOOP("CInfoDialog", "Quorvane eye-tracker software: the settings editor and its libraries.");
const char* const kProgramFile = "qvsettings";
const char* const kTrackerLibraryFile = "libqvtrack.so";
const char* const kSettingsLibraryFile = "libqvfileio.so";
const char* const kDateFormat = "%B %d, %Y";
constexpr size_t kDateCapacity = 64;

// Where the settings library this process actually loaded lies: it is present even when it was
// found through the system's library path rather than beside the program.
QString LoadedSettingsLibrary() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&vReadQvSettings), &info) != 0 && info.dli_fname) {
        const QFileInfo file(QString::fromLocal8Bit(info.dli_fname));
        // A versioned file name (libqvfileio.so.1) is the same library.
        if (file.fileName().startsWith(QLatin1String(kSettingsLibraryFile))) {
            return file.absoluteFilePath();
        }
    }
    return {};
}

QString FormatDate(const QDateTime& modified) {
    const std::time_t seconds = static_cast<std::time_t>(modified.toSecsSinceEpoch());
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[kDateCapacity] = {};
    std::strftime(text, sizeof text, kDateFormat, &local);
    return QString::fromLocal8Bit(text);
}
}  // namespace

CInfoDialog::CInfoDialog(QWidget* parent) : CInfoDialog(DefaultSearchDirs(), parent) {}

CInfoDialog::CInfoDialog(const QStringList& searchDirs, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("QVX Program Information"));
    auto* layout = new QVBoxLayout(this);
    m_report = new QPlainTextEdit(this);
    m_report->setObjectName(QString::number(kIdReport));
    m_report->setReadOnly(true);
    m_report->setUndoRedoEnabled(false);
    m_report->setMinimumSize(420, 260);
    layout->addWidget(m_report);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    BuildReport(searchDirs);
}

QStringList CInfoDialog::ReportedFiles() {
    return {QString::fromLatin1(kProgramFile), QString::fromLatin1(kTrackerLibraryFile),
            QString::fromLatin1(kSettingsLibraryFile)};
}

QStringList CInfoDialog::DefaultSearchDirs() {
    // The program's folder is kept in a string of this dialog's own: the backup and revert
    // dialogs keep starting in the folder the program was started from.
    const QString programDir = QCoreApplication::applicationDirPath();
    // The libraries lie in lib/ of the build tree and in the suite's private lib/lumora once
    // installed.
    return {programDir, QDir::cleanPath(programDir + QStringLiteral("/../lib")),
            QDir::cleanPath(programDir + QStringLiteral("/../lib/lumora")),
            QString::fromLatin1(QVSETTINGS_INSTALL_LIBDIR)};
}

QStringList CInfoDialog::ReportLines(const QStringList& searchDirs) {
    QStringList lines{QString::fromLatin1(kMaker), QCoreApplication::translate("CInfoDialog", kNotice)};
    const QString loadedLibrary = LoadedSettingsLibrary();
    for (const QString& name : ReportedFiles()) {
        lines << QString();
        QFileInfo found;
        for (const QString& dir : searchDirs) {
            const QFileInfo candidate(QDir(dir).filePath(name));
            if (candidate.isFile()) {
                found = candidate;
                break;
            }
        }
        if (!found.exists() && name == QLatin1String(kSettingsLibraryFile) && !loadedLibrary.isEmpty()) {
            found = QFileInfo(loadedLibrary);
        }
        if (found.isFile()) {
            lines << name + tr("  information");
            lines << tr("Size is %1 bytes").arg(found.size());
            lines << tr("Last Modified on ") + FormatDate(found.lastModified());
        } else {
            lines << name + tr("  does not exist");
        }
    }
    return lines;
}

void CInfoDialog::BuildReport(const QStringList& searchDirs) {
    QString text;
    for (const QString& line : ReportLines(searchDirs)) {
        text += line + QLatin1Char('\n');
    }
    m_report->setPlainText(text);
}

QString CInfoDialog::ReportText() const {
    return m_report->toPlainText();
}
