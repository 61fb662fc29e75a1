// The open dialog's help window: how to choose, open or leave without opening a drawing,
// written and spoken ("Lumora/Sounds/openHelp.WAV").
#pragma once

#include "dialogs/HelpDlg.h"

namespace lumora {

class OpenHelpDlg : public HelpDlg {
    Q_OBJECT
public:
    static const char* const kText;
    static constexpr const char* kSound = "Lumora/Sounds/openHelp.WAV";

    OpenHelpDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent);
};

}  // namespace lumora
