#include "dialogs/DeleteDlg.h"

namespace lumora {

QRect DeleteDlg::Placement(const QSize& s) {
    return QRect(s.width() / 3, s.height() / 3, 5 * s.width() / 12 - 2 * Margin(s), s.height() / 4);
}

DeleteDlg::DeleteDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent)
    : QuestionDlg(screen, sound, parent, "Delete", kQuestion, Placement(screen), {GROUP_DELETE, "Delete"},
                  {GROUP_CANCEL, "Cancel"}) {}

}  // namespace lumora
