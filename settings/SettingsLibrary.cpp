#include "SettingsLibrary.h"

#include <string>

void QvFileIoLibrary::Read(QvSettingsRecord* record) {
    vReadQvSettings(record);
}

void QvFileIoLibrary::Write(QvSettingsRecord* record) {
    vWriteQvSettings(record);
}

void QvFileIoLibrary::WriteTo(QvSettingsRecord* record, const QString& path) {
    const std::u16string name = path.toStdU16String();
    vWriteQvSettingsHelper(record, name.c_str());
}

void QvFileIoLibrary::ReadFrom(QvSettingsRecord* record, const QString& path) {
    const std::u16string name = path.toStdU16String();
    vReadQvSettingsHelper(record, name.c_str());
}
