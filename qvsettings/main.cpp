// QvSettings: the Quorvane eye tracker's settings editor.

#include <QApplication>

#include "CEnterKeyFilter.h"
#include "CQvSettingsDlg.h"
#include "SettingsLibrary.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Brelnic"));
    QCoreApplication::setApplicationName(QStringLiteral("QvSettings"));
    CEnterKeyFilter enterFilter;
    app.installEventFilter(&enterFilter);
    QvFileIoLibrary library;
    return RunQvSettings(library);
}
