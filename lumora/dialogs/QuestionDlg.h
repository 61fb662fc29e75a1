// QuestionDlg: a question answered by gaze with two buttons: one line of text across the top,
// the answer that goes on (it closes the dialog with kOk) left of the centre and the answer that
// turns back (kCancel) right of it. The exit and delete confirmations are made of it; each names
// its texts, its button groups and where it stands on the screen.
//
// Run modally by its owner, which forwards gaze points to it while it is shown; gaze, mouse and
// the Escape key all work.
#pragma once

#include "dialogs/GazeDialog.h"

namespace lumora {

class LM_UtilityButton;

class QuestionDlg : public GazeDialog {
    Q_OBJECT
public:
    LM_UtilityButton* goOnButton() const { return m_goOn; }
    LM_UtilityButton* turnBackButton() const { return m_turnBack; }
    const QString& question() const { return m_question; }

    // The two buttons' places in a dialog of that width: one button size each, three margins
    // either side of the centre, one button height down.
    static QRect GoOnButtonPlace(const QSize& screen, int dialogWidth);
    static QRect TurnBackButtonPlace(const QSize& screen, int dialogWidth);

protected:
    struct Answer {
        int group;
        QString caption;  // as shown (translated)
    };
    // placement: where the dialog stands on the screen (screen pixels). The texts as shown.
    QuestionDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent, const QString& title, const QString& question,
                const QRect& placement, const Answer& goOn, const Answer& turnBack);

    void showEvent(QShowEvent* e) override;
    void drawContent(QImage& picture) override;
    void buttonChosen(std::uintptr_t value, int group) override;

private:
    QString m_question;
    QRect m_placement;
    int m_goOnGroup;
    int m_turnBackGroup;
    LM_UtilityButton* m_goOn;
    LM_UtilityButton* m_turnBack;
};

}  // namespace lumora
