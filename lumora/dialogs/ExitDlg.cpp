#include "dialogs/ExitDlg.h"

namespace lumora {

QRect ExitDlg::Placement(const QSize& s) {
    return QRect(s.width() / 3, s.height() / 3, s.width() / 3, s.height() / 4);
}

ExitDlg::ExitDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent)
    : QuestionDlg(screen, sound, parent, "Exit Lumora", kQuestion, Placement(screen), {GROUP_EXIT, "Exit"},
                  {GROUP_CANCEL, "Don't Exit"}) {}

}  // namespace lumora
