#include "dialogs/ExitDlg.h"

namespace lumora {

QRect ExitDlg::Placement(const QSize& s) {
    return QRect(s.width() / 3, s.height() / 3, s.width() / 3, s.height() / 4);
}

ExitDlg::ExitDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent)
    : QuestionDlg(screen, sound, parent, tr("Exit Lumora"), tr(kQuestion), Placement(screen), {kGroupExit, tr("Exit")},
                  {kGroupCancel, tr("Don't Exit")}) {}

}  // namespace lumora
