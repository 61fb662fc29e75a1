#include "ExitDlg.h"

#include <QPainter>
#include <algorithm>

#include "LumoraButton.h"

namespace lumora {

QRect ExitDlg::Placement(const QSize& s) {
    return QRect(s.width() / 3, s.height() / 3, s.width() / 3, s.height() / 4);
}

QRect ExitDlg::ExitButtonPlace(const QSize& s) {
    const int w = Placement(s).width();
    return QRect(w / 2 - 3 * Margin(s) - ButtonWidth(s), ButtonHeight(s), ButtonWidth(s), ButtonHeight(s));
}

QRect ExitDlg::StayButtonPlace(const QSize& s) {
    const int w = Placement(s).width();
    return QRect(w / 2 + 3 * Margin(s), ButtonHeight(s), ButtonWidth(s), ButtonHeight(s));
}

ExitDlg::ExitDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent) : GazeDialog(screen, sound, parent) {
    setWindowTitle(QStringLiteral("Exit Lumora"));
    m_exit = addButton(new LM_UtilityButton(GROUP_EXIT, QStringLiteral("Exit"), QStringLiteral("Exit"), this));
    m_stay =
        addButton(new LM_UtilityButton(GROUP_CANCEL, QStringLiteral("Don't Exit"), QStringLiteral("Don't Exit"), this));
    m_exit->setGeometry(ExitButtonPlace(screen));
    m_stay->setGeometry(StayButtonPlace(screen));
}

void ExitDlg::showEvent(QShowEvent* e) {
    // Placed and drawn afresh at each opening: the cursor must not linger from the last one.
    place(Placement(screenSize()));
    redrawPicture();
    GazeDialog::showEvent(e);
}

void ExitDlg::drawContent(QImage& picture) {
    QPainter p(&picture);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, ButtonHeight(screenSize()) / 4));
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, picture.width(), ButtonHeight(screenSize())), Qt::AlignCenter | Qt::TextWordWrap,
               QString::fromLatin1(kQuestion));
}

void ExitDlg::buttonChosen(std::uintptr_t, int group) {
    // The button has played its click already.
    if (group == GROUP_EXIT)
        done(kConfirmed);
    else if (group == GROUP_CANCEL)
        done(kCancelled);
}

}  // namespace lumora
