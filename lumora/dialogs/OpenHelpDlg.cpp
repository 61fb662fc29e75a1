#include "dialogs/OpenHelpDlg.h"

#include "dialogs/HelpTexts.h"

namespace lumora {

const char* const OpenHelpDlg::kText = kOpenHelpText;

OpenHelpDlg::OpenHelpDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent)
    : HelpDlg(screen, sound, QString::fromLatin1(kText), QString::fromLatin1(kSound), parent) {
    setWindowTitle(QStringLiteral("Open Help"));
}

}  // namespace lumora
