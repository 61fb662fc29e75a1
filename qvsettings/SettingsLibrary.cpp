#include "SettingsLibrary.h"

#include <string>

namespace {
// The library's own name for the tracker settings file, in the form it was first written for.
const char16_t* const kTrackerFilePattern = u"QVSettings\\Settings_%s.qv";
}  // namespace

void QvFileIoLibrary::Read(QvSettingsRecord* record) {
    vReadQvSettings(record);
}

int32_t QvFileIoLibrary::Write(QvSettingsRecord* record) {
    return vWriteQvSettings(record);
}

int32_t QvFileIoLibrary::WriteTo(QvSettingsRecord* record, const QString& path) {
    const std::u16string name = path.toStdU16String();
    return vWriteQvSettingsHelper(record, name.c_str());
}

void QvFileIoLibrary::ReadFrom(QvSettingsRecord* record, const QString& path) {
    const std::u16string name = path.toStdU16String();
    vReadQvSettingsHelper(record, name.c_str());
}

QString QvFileIoLibrary::FileName(const QvSettingsRecord& record) {
    char16_t name[QV_MAX_PATH] = {};
    const int32_t length = CreateLanguageFileName(name, kTrackerFilePattern, record.language);
    // The library turns the separator into the platform's when it opens the file.
    return QString::fromUtf16(name, length).replace(QLatin1Char('\\'), QLatin1Char('/'));
}
