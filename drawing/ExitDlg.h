// The exit confirmation: "Are you sure you want to Exit Lumora?" with the gaze buttons "Exit"
// and "Don't Exit". Run modally by the main window, which forwards gaze points to it while it is
// shown; gaze, mouse and the window's close box all work.
#pragma once

#include <QDialog>
#include <QImage>
#include <QSize>

#include "GazeCursor.h"

namespace lumora {

class LM_UtilityButton;

class ExitDlg : public QDialog {
    Q_OBJECT
public:
    // exec() results.
    static constexpr int kConfirmed = QDialog::Accepted;
    static constexpr int kCancelled = QDialog::Rejected;

    static inline const char* const kQuestion = "Are you sure you want to Exit Lumora?";

    // screen: the size of the screen the main window covers, which places and sizes the dialog.
    ExitDlg(const QSize& screen, QWidget* parent);
    ~ExitDlg() override;

    LM_UtilityButton* exitButton() const { return m_exit; }
    LM_UtilityButton* stayButton() const { return m_stay; }
    const GazeCursor& gazeCursor() const { return m_cursor; }

    // The dialog's place on the screen and the two buttons' places in the dialog.
    static QRect Placement(const QSize& screen);
    static QRect ExitButtonPlace(const QSize& screen);
    static QRect StayButtonPlace(const QSize& screen);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void gazePoint(std::uintptr_t wParam, std::intptr_t lParam);
    void buttonChosen(int group);

    QSize m_screen;
    LM_UtilityButton* m_exit;
    LM_UtilityButton* m_stay;
    GazeCursor m_cursor;
    QImage m_picture;
    QImage m_clean;
};

}  // namespace lumora
