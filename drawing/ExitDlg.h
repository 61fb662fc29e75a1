// The exit confirmation: "Are you sure you want to Exit Lumora?" with the gaze buttons "Exit"
// (closes with OK) and "Don't Exit" (closes with Cancel). Run modally by the main window, which
// forwards gaze points to it while it is shown; gaze, mouse and the Escape key all work.
#pragma once

#include "GazeDialog.h"

namespace lumora {

class LM_UtilityButton;

class ExitDlg : public GazeDialog {
    Q_OBJECT
public:
    // exec() results.
    static constexpr int kConfirmed = kOk;
    static constexpr int kCancelled = kCancel;

    static constexpr const char* kQuestion = "Are you sure you want to Exit Lumora?";

    // screen: the size of the screen the main window covers, which places and sizes the dialog.
    // sound must outlive the dialog.
    ExitDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent);

    LM_UtilityButton* exitButton() const { return m_exit; }
    LM_UtilityButton* stayButton() const { return m_stay; }

    // The dialog's place on the screen and the two buttons' places in the dialog.
    static QRect Placement(const QSize& screen);
    static QRect ExitButtonPlace(const QSize& screen);
    static QRect StayButtonPlace(const QSize& screen);

protected:
    void showEvent(QShowEvent* e) override;
    void drawContent(QImage& picture) override;
    void buttonChosen(std::uintptr_t value, int group) override;

private:
    LM_UtilityButton* m_exit;
    LM_UtilityButton* m_stay;
};

}  // namespace lumora
