#include "FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {
IFileDialogs* g_pFileDialogs = nullptr;

QString RunDialog(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    if (!request.defaultExtension.isEmpty()) {
        dialog.setDefaultSuffix(request.defaultExtension);
    }
    // A wildcard name only chooses the folder; the filter already shows the matching files.
    const QFileInfo initial(request.initialPath);
    dialog.setDirectory(initial.absolutePath());
    if (!initial.fileName().contains(QLatin1Char('*'))) {
        dialog.selectFile(initial.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}
}  // namespace

QString QtFileDialogs::GetSaveFileName(QWidget* parent, const FileDialogRequest& request) {
    return RunDialog(parent, request, QFileDialog::AcceptSave);
}

QString QtFileDialogs::GetOpenFileName(QWidget* parent, const FileDialogRequest& request) {
    return RunDialog(parent, request, QFileDialog::AcceptOpen);
}

IFileDialogs& FileDialogs() {
    static QtFileDialogs qtDialogs;
    return g_pFileDialogs ? *g_pFileDialogs : qtDialogs;
}

void SetFileDialogs(IFileDialogs* dialogs) {
    g_pFileDialogs = dialogs;
}
