// The delete confirmation: "Are you sure you want to Delete the drawing?" with the gaze buttons
// "Delete" and "Cancel". Run modally by the open dialog, which forwards gaze points to it while
// it is shown.
#pragma once

#include "GazeDialog.h"

namespace lumora {

class LM_UtilityButton;

class DeleteDlg : public GazeDialog {
    Q_OBJECT
public:
    static constexpr const char* kQuestion = "Are you sure you want to Delete the drawing?";

    // screen: the main window's size. parent: the open dialog (placement is in screen pixels).
    DeleteDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent);

    LM_UtilityButton* deleteButton() const { return m_delete; }
    LM_UtilityButton* cancelButton() const { return m_cancel; }

    // The dialog's place on the screen and its buttons' places in the dialog.
    static QRect Placement(const QSize& screen);
    static QRect DeleteButtonPlace(const QSize& screen);
    static QRect CancelButtonPlace(const QSize& screen);

protected:
    void showEvent(QShowEvent* e) override;
    void drawContent(QImage& picture) override;
    void buttonChosen(std::uintptr_t value, int group) override;

private:
    LM_UtilityButton* m_delete;
    LM_UtilityButton* m_cancel;
};

}  // namespace lumora
