#include "dialogs/QuestionDlg.h"

#include <QPainter>
#include <algorithm>

#include "buttons/LumoraButton.h"

namespace lumora {

QRect QuestionDlg::GoOnButtonPlace(const QSize& s, int dialogWidth) {
    return QRect(dialogWidth / 2 - 3 * Margin(s) - ButtonWidth(s), ButtonHeight(s), ButtonWidth(s), ButtonHeight(s));
}

QRect QuestionDlg::TurnBackButtonPlace(const QSize& s, int dialogWidth) {
    return QRect(dialogWidth / 2 + 3 * Margin(s), ButtonHeight(s), ButtonWidth(s), ButtonHeight(s));
}

QuestionDlg::QuestionDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent, const QString& title,
                         const QString& question, const QRect& placement, const Answer& goOn, const Answer& turnBack)
    : GazeDialog(screen, sound, parent),
      m_question(question),
      m_placement(placement),
      m_goOnGroup(goOn.group),
      m_turnBackGroup(turnBack.group) {
    setWindowTitle(title);
    m_goOn = addButton(new LM_UtilityButton(goOn.group, goOn.caption, goOn.caption, this));
    m_turnBack = addButton(new LM_UtilityButton(turnBack.group, turnBack.caption, turnBack.caption, this));
    m_goOn->setGeometry(GoOnButtonPlace(screen, placement.width()));
    m_turnBack->setGeometry(TurnBackButtonPlace(screen, placement.width()));
}

void QuestionDlg::showEvent(QShowEvent* e) {
    // Placed and drawn afresh at each opening: the cursor must not linger from the last one.
    place(m_placement);
    redrawPicture();
    GazeDialog::showEvent(e);
}

void QuestionDlg::drawContent(QImage& picture) {
    QPainter p(&picture);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, ButtonHeight(screenSize()) / 4));
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, picture.width(), ButtonHeight(screenSize())), Qt::AlignCenter | Qt::TextWordWrap,
               m_question);
}

void QuestionDlg::buttonChosen(std::uintptr_t, int group) {
    // The button has played its click already.
    if (group == m_goOnGroup)
        done(kOk);
    else if (group == m_turnBackGroup)
        done(kCancel);
}

}  // namespace lumora
