#pragma once
// "About QvSettings" box, reachable from the sheet's About button.

#include <QDialog>
#include <QIcon>

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent);

    // The program's icon (drawn, so the program needs no image files).
    static QIcon ProgramIcon();
};
