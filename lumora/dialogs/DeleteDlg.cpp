#include "dialogs/DeleteDlg.h"

namespace lumora {

QRect DeleteDlg::Placement(const QSize& s) {
    return QRect(s.width() / 3, s.height() / 3, 5 * s.width() / 12 - 2 * Margin(s), s.height() / 4);
}

DeleteDlg::DeleteDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent)
    : QuestionDlg(screen, sound, parent, tr("Delete"), tr(kQuestion), Placement(screen), {kGroupDelete, tr("Delete")},
                  {kGroupCancel, tr("Cancel")}) {}

}  // namespace lumora
