#pragma once
// The sheet's four whole-record calls into the settings file library, behind an interface so
// that tests can count and inspect them. The library's results are not used: a failed read
// leaves defaults, a failed write is not reported.

#include <QString>

#include "qvfileio.h"

class ISettingsLibrary {
public:
    virtual ~ISettingsLibrary() = default;
    // Fills the record from the current language's tracker settings file.
    virtual void Read(QvSettingsRecord* record) = 0;
    // Writes the whole record to the current language's tracker settings file.
    virtual void Write(QvSettingsRecord* record) = 0;
    // Writes the whole record to path (a backup).
    virtual void WriteTo(QvSettingsRecord* record, const QString& path) = 0;
    // Replaces the record from path (a revert).
    virtual void ReadFrom(QvSettingsRecord* record, const QString& path) = 0;
};

// Calls libqvfileio.
class QvFileIoLibrary : public ISettingsLibrary {
public:
    void Read(QvSettingsRecord* record) override;
    void Write(QvSettingsRecord* record) override;
    void WriteTo(QvSettingsRecord* record, const QString& path) override;
    void ReadFrom(QvSettingsRecord* record, const QString& path) override;
};
