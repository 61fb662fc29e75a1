// The delete confirmation: "Are you sure you want to Delete the drawing?" with the gaze buttons
// "Delete" (closes with kOk) and "Cancel" (kCancel). Run modally by the open dialog, which
// forwards gaze points to it while it is shown.
#pragma once

#include <QCoreApplication>

#include "dialogs/QuestionDlg.h"

namespace lumora {

class DeleteDlg : public QuestionDlg {
    Q_OBJECT
public:
    // English; shown translated.
    static constexpr const char* kQuestion =
        QT_TRANSLATE_NOOP("lumora::DeleteDlg", "Are you sure you want to Delete the drawing?");

    // screen: the main window's size. parent: the open dialog (placement is in screen pixels).
    DeleteDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent);

    LM_UtilityButton* deleteButton() const { return goOnButton(); }
    LM_UtilityButton* cancelButton() const { return turnBackButton(); }

    // The dialog's place on the screen and its buttons' places in the dialog.
    static QRect Placement(const QSize& screen);
    static QRect DeleteButtonPlace(const QSize& screen) { return GoOnButtonPlace(screen, Placement(screen).width()); }
    static QRect CancelButtonPlace(const QSize& screen) {
        return TurnBackButtonPlace(screen, Placement(screen).width());
    }
};

}  // namespace lumora
