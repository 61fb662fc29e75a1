// The save dialog's help window: how to save or leave without saving, and where drawings go,
// written and spoken ("Lumora/Sounds/saveHelp.WAV").
#pragma once

#include "dialogs/HelpDlg.h"

namespace lumora {

class SaveHelpDlg : public HelpDlg {
    Q_OBJECT
public:
    static const char* const kText;
    static constexpr const char* kSound = "Lumora/Sounds/saveHelp.WAV";

    SaveHelpDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent);
};

}  // namespace lumora
