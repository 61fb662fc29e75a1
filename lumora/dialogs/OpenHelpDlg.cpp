#include "dialogs/OpenHelpDlg.h"

#include <QCoreApplication>

#include "dialogs/HelpTexts.h"

namespace lumora {

const char* const OpenHelpDlg::kText = kOpenHelpText;

OpenHelpDlg::OpenHelpDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent)
    : HelpDlg(screen, sound, QCoreApplication::translate("HelpTexts", kText), QString::fromLatin1(kSound), parent) {
    setWindowTitle(tr("Open Help"));
}

}  // namespace lumora
