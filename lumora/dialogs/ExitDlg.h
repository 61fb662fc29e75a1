// The exit confirmation: "Are you sure you want to Exit Lumora?" with the gaze buttons "Exit"
// (closes with kConfirmed) and "Don't Exit" (closes with kCancelled). Run modally by the main
// window, which forwards gaze points to it while it is shown.
#pragma once

#include <QCoreApplication>

#include "dialogs/QuestionDlg.h"

namespace lumora {

class ExitDlg : public QuestionDlg {
    Q_OBJECT
public:
    // exec() results.
    static constexpr int kConfirmed = kOk;
    static constexpr int kCancelled = kCancel;

    // English; shown translated.
    static constexpr const char* kQuestion =
        QT_TRANSLATE_NOOP("lumora::ExitDlg", "Are you sure you want to Exit Lumora?");

    // screen: the size of the screen the main window covers, which places and sizes the dialog.
    // sound must outlive the dialog.
    ExitDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent);

    LM_UtilityButton* exitButton() const { return goOnButton(); }
    LM_UtilityButton* stayButton() const { return turnBackButton(); }

    // The dialog's place on the screen and the two buttons' places in the dialog.
    static QRect Placement(const QSize& screen);
    static QRect ExitButtonPlace(const QSize& screen) { return GoOnButtonPlace(screen, Placement(screen).width()); }
    static QRect StayButtonPlace(const QSize& screen) { return TurnBackButtonPlace(screen, Placement(screen).width()); }
};

}  // namespace lumora
