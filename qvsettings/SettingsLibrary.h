#pragma once
// The sheet's four whole-record calls into the settings file library, behind an interface so
// that tests can count and inspect them. A failed read leaves defaults. The library's write
// result is 0 both on success and when the file cannot be created, so callers check that the
// file can be written before they write (SettingsSaver) and take a non-zero result as a failure.

#include <QString>

#include "qvfileio.h"

class ISettingsLibrary {
public:
    virtual ~ISettingsLibrary() = default;
    // Fills the record from the current language's tracker settings file.
    virtual void Read(QvSettingsRecord* record) = 0;
    // Writes the whole record to the current language's tracker settings file. Non-zero when
    // writing, syncing or renaming failed; 0 on success or when the file could not be created.
    virtual int32_t Write(QvSettingsRecord* record) = 0;
    // Writes the whole record to path (a backup); the result as for Write.
    virtual int32_t WriteTo(QvSettingsRecord* record, const QString& path) = 0;
    // Replaces the record from path (a revert).
    virtual void ReadFrom(QvSettingsRecord* record, const QString& path) = 0;
    // The file Write writes for the record's language, relative to the current folder, in the
    // platform's form ("QVSettings/Settings_US.qv").
    virtual QString FileName(const QvSettingsRecord& record) = 0;
};

// Calls libqvfileio.
class QvFileIoLibrary : public ISettingsLibrary {
public:
    void Read(QvSettingsRecord* record) override;
    int32_t Write(QvSettingsRecord* record) override;
    int32_t WriteTo(QvSettingsRecord* record, const QString& path) override;
    void ReadFrom(QvSettingsRecord* record, const QString& path) override;
    QString FileName(const QvSettingsRecord& record) override;
};
