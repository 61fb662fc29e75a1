#include "dialogs/SaveHelpDlg.h"

#include <QCoreApplication>

#include "dialogs/HelpTexts.h"

namespace lumora {

const char* const SaveHelpDlg::kText = kSaveHelpText;

SaveHelpDlg::SaveHelpDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent)
    : HelpDlg(screen, sound, QCoreApplication::translate("HelpTexts", kText), QString::fromLatin1(kSound), parent) {
    setWindowTitle(tr("Save Help"));
}

}  // namespace lumora
