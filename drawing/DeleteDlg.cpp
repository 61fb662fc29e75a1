#include "DeleteDlg.h"

#include <QPainter>

#include "LumoraButton.h"

namespace lumora {

QRect DeleteDlg::Placement(const QSize& s) {
    return QRect(s.width() / 3, s.height() / 3, 5 * s.width() / 12 - 2 * Margin(s), s.height() / 4);
}

QRect DeleteDlg::DeleteButtonPlace(const QSize& s) {
    const int w = Placement(s).width();
    return QRect(w / 2 - 3 * Margin(s) - ButtonWidth(s), ButtonHeight(s), ButtonWidth(s), ButtonHeight(s));
}

QRect DeleteDlg::CancelButtonPlace(const QSize& s) {
    const int w = Placement(s).width();
    return QRect(w / 2 + 3 * Margin(s), ButtonHeight(s), ButtonWidth(s), ButtonHeight(s));
}

DeleteDlg::DeleteDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent) : GazeDialog(screen, sound, parent) {
    setWindowTitle(QStringLiteral("Delete"));
    m_delete = addButton(new LM_UtilityButton(GROUP_DELETE, QStringLiteral("Delete"), QStringLiteral("Delete"), this));
    m_cancel = addButton(new LM_UtilityButton(GROUP_CANCEL, QStringLiteral("Cancel"), QStringLiteral("Cancel"), this));
    m_delete->setGeometry(DeleteButtonPlace(screen));
    m_cancel->setGeometry(CancelButtonPlace(screen));
}

void DeleteDlg::showEvent(QShowEvent* e) {
    place(Placement(screenSize()));
    redrawPicture();
    GazeDialog::showEvent(e);
}

void DeleteDlg::drawContent(QImage& picture) {
    QPainter p(&picture);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, ButtonHeight(screenSize()) / 4));
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, picture.width(), ButtonHeight(screenSize())), Qt::AlignCenter | Qt::TextWordWrap,
               QString::fromLatin1(kQuestion));
}

void DeleteDlg::buttonChosen(std::uintptr_t, int group) {
    // The button has played its click already.
    if (group == GROUP_DELETE)
        done(kOk);
    else if (group == GROUP_CANCEL)
        done(kCancel);
}

}  // namespace lumora
