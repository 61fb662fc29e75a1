#include "dialogs/SaveHelpDlg.h"

#include "dialogs/HelpTexts.h"

namespace lumora {

const char* const SaveHelpDlg::kText = kSaveHelpText;

SaveHelpDlg::SaveHelpDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent)
    : HelpDlg(screen, sound, QString::fromLatin1(kText), QString::fromLatin1(kSound), parent) {
    setWindowTitle(QStringLiteral("Save Help"));
}

}  // namespace lumora
