#pragma once
// Saving the sheet's settings record to a file, and telling the user when that does not work.
// The library answers 0 both for a file it wrote and for one it could not create, so the file is
// checked here before the library is asked, and a non-zero answer afterwards is a failed write.
// The library creates no folders: the tracker settings folder ("QVSettings") is created here.
// UI thread only.

#include <QString>

#include "qvfileio.h"

class ISettingsLibrary;
class QWidget;

class SettingsSaver {
public:
    static const char* const kFailureCaption;

    // library (not owned) does the writing; parent (may be null) holds the message box. Both
    // must outlive the saver.
    SettingsSaver(ISettingsLibrary& library, QWidget* parent);

    // Writes the record to the current language's tracker settings file, creating the folder
    // the file lies in when it is missing. False, after a message box that says why, when the
    // settings were not saved.
    bool SaveCurrent(QvSettingsRecord* record);
    // Writes the record to path (a backup the user chose); creates no folder. As SaveCurrent.
    bool SaveTo(QvSettingsRecord* record, const QString& path);

    // Why no whole file can be written at path, as one sentence for the user; empty when it
    // can. An existing path must be a regular file (links followed) with a write permission bit
    // that this process may use: a file without any write bit is read-only even for root. A
    // missing file needs an existing folder that takes new files.
    static QString WhyNotWritable(const QString& path);
    // Creates the one folder that path lies in when it is missing (not the folders above it).
    // Why that failed, as one sentence; empty when the folder is there.
    static QString MakeFolderFor(const QString& path);

private:
    bool Save(QvSettingsRecord* record, const QString& path, bool current);
    void Report(const QString& path, const QString& reason) const;

    ISettingsLibrary& m_library;
    QWidget* m_pParent;
};
