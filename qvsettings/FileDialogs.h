#pragma once
// The save and open dialogs of the editor, behind an interface so that tests can answer them.

#include <QString>

class QWidget;

struct FileDialogRequest {
    QString initialPath;       // folder and file name the dialog starts with
    QString filter;            // Qt filter string, entries separated by ";;"
    QString defaultExtension;  // added to a typed name without one (save only); empty for none
};

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // Returns the full chosen path, or an empty string when the user cancelled. The save dialog
    // asks before overwriting; the open dialog accepts only existing files.
    virtual QString GetSaveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString GetOpenFileName(QWidget* parent, const FileDialogRequest& request) = 0;
};

class QtFileDialogs : public IFileDialogs {
public:
    QString GetSaveFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString GetOpenFileName(QWidget* parent, const FileDialogRequest& request) override;
};

// Never null; nullptr installs the Qt implementation again. Not owned.
IFileDialogs& FileDialogs();
void SetFileDialogs(IFileDialogs* dialogs);
