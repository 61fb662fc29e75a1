#include "SettingsSaver.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "MessageBoxes.h"
#include "SettingsLibrary.h"

const char* const SettingsSaver::kFailureCaption = QT_TRANSLATE_NOOP("SettingsSaver", "Settings not saved");

namespace {
const char* const kNotSavedText = QT_TRANSLATE_NOOP("SettingsSaver", "The settings could not be saved to %1.\n%2");
const char* const kNoName = QT_TRANSLATE_NOOP("SettingsSaver", "No file name was given.");
const char* const kIsFolder = QT_TRANSLATE_NOOP("SettingsSaver", "It is a folder, not a file.");
const char* const kNotRegular = QT_TRANSLATE_NOOP("SettingsSaver", "It is not a regular file.");
const char* const kReadOnly = QT_TRANSLATE_NOOP("SettingsSaver", "The file is read-only.");
const char* const kReadOnlyDisk = QT_TRANSLATE_NOOP("SettingsSaver", "The file is on a read-only disk.");
const char* const kNoPermission = QT_TRANSLATE_NOOP("SettingsSaver", "You may not change the file.");
const char* const kDanglingLink = QT_TRANSLATE_NOOP("SettingsSaver", "It is a link to a file that does not exist.");
const char* const kUnreachable = QT_TRANSLATE_NOOP("SettingsSaver", "The file cannot be reached: %1.");
const char* const kNoFolder = QT_TRANSLATE_NOOP("SettingsSaver", "The folder %1 does not exist.");
const char* const kFolderTakesNoFiles =
    QT_TRANSLATE_NOOP("SettingsSaver", "New files cannot be created in the folder %1.");
const char* const kFolderInTheWay =
    QT_TRANSLATE_NOOP("SettingsSaver", "The folder %1 could not be created: a file of that name is in its place.");
const char* const kFolderNotCreated = QT_TRANSLATE_NOOP("SettingsSaver", "The folder %1 could not be created: %2.");
const char* const kWriteFailed = QT_TRANSLATE_NOOP("SettingsSaver", "Writing the file failed; the disk may be full.");

constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;
// As any new folder: what the user's file-creation mask allows.
constexpr mode_t kNewFolderMode = 0777;

QString FolderOf(const QString& path) {
    return QFileInfo(path).path();
}

QString Text(const char* text) {
    return QCoreApplication::translate("SettingsSaver", text);
}

QString SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

bool IsFolder(const QByteArray& path) {
    struct stat st {};
    return ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}
}  // namespace

SettingsSaver::SettingsSaver(ISettingsLibrary& library, QWidget* parent) : m_library(library), m_pParent(parent) {}

bool SettingsSaver::SaveCurrent(QvSettingsRecord* record) {
    return Save(record, m_library.FileName(*record), true);
}

bool SettingsSaver::SaveTo(QvSettingsRecord* record, const QString& path) {
    return Save(record, path, false);
}

bool SettingsSaver::Save(QvSettingsRecord* record, const QString& path, bool current) {
    QString reason = current ? MakeFolderFor(path) : QString();
    if (reason.isEmpty()) {
        reason = WhyNotWritable(path);
    }
    if (reason.isEmpty()) {
        const int32_t result = current ? m_library.Write(record) : m_library.WriteTo(record, path);
        if (result == 0) {
            return true;
        }
        reason = Text(kWriteFailed);
    }
    Report(path, reason);
    return false;
}

void SettingsSaver::Report(const QString& path, const QString& reason) const {
    MessageBoxRequest request;
    request.text = Text(kNotSavedText).arg(path, reason);
    request.caption = Text(kFailureCaption);
    request.buttons = MsgButtons::Ok;
    request.icon = MsgIcon::Exclamation;
    MessageBoxes().Ask(m_pParent, request);
}

QString SettingsSaver::WhyNotWritable(const QString& path) {
    if (path.isEmpty()) {
        return Text(kNoName);
    }
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::stat(native.constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            return Text(kIsFolder);
        }
        if (!S_ISREG(st.st_mode)) {
            return Text(kNotRegular);
        }
        // Root could write it, but a file whose owner took every write bit away stays as it is,
        // and the library leaves it alone without saying so.
        if ((st.st_mode & kAnyWriteBit) == 0) {
            return Text(kReadOnly);
        }
        if (::faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) != 0) {
            return Text(errno == EROFS ? kReadOnlyDisk : kNoPermission);
        }
        return {};
    }
    const int error = errno;
    struct stat link {};
    if (error == ELOOP || (error == ENOENT && ::lstat(native.constData(), &link) == 0)) {
        return Text(kDanglingLink);
    }
    if (error != ENOENT && error != ENOTDIR) {
        return Text(kUnreachable).arg(SystemError(error));
    }
    const QString folder = FolderOf(path);
    const QByteArray nativeFolder = QFile::encodeName(folder);
    if (!IsFolder(nativeFolder)) {
        return Text(kNoFolder).arg(folder);
    }
    if (::faccessat(AT_FDCWD, nativeFolder.constData(), W_OK | X_OK, AT_EACCESS) != 0) {
        return Text(kFolderTakesNoFiles).arg(folder);
    }
    return {};
}

QString SettingsSaver::MakeFolderFor(const QString& path) {
    const QString folder = FolderOf(path);
    const QByteArray native = QFile::encodeName(folder);
    if (IsFolder(native) || ::mkdir(native.constData(), kNewFolderMode) == 0) {
        return {};
    }
    const int error = errno;
    if (error == EEXIST) {
        return Text(kFolderInTheWay).arg(folder);
    }
    return Text(kFolderNotCreated).arg(folder, SystemError(error));
}
