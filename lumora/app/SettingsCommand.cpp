#include "app/SettingsCommand.h"

#include "dialogs/MessageDlg.h"
#include "app/MessageRegistry.h"
#include "dialogs/SettingsDlg.h"

namespace lumora {

SettingsCommand::SettingsCommand(SettingsDlg& dialog, GazeTuning& tuning, IniDocument& settings, GazeShared& shared,
                                 QObject* canvas, YellowListener yellow)
    : m_dialog(dialog),
      m_tuning(tuning),
      m_settings(settings),
      m_shared(shared),
      m_canvas(canvas),
      m_yellow(std::move(yellow)) {}

void SettingsCommand::handValuesToDialog() {
    // Truncated toward zero: a hand-edited 450.9 shows as 450 and matches no button.
    const int ms = static_cast<int>(m_tuning.fMinFixMs);
    m_dialog.setDwellTimingShown(ms);
    m_dialog.setDwellTimingChosen(ms);
    m_dialog.setColorSequence(m_tuning.Yellow ? SettingsDlg::kGreenYellowRed : SettingsDlg::kGreenRed);
    m_dialog.setDwellSize(m_tuning.GazeDev);
}

void SettingsCommand::apply() {
    m_tuning.fMinFixMs = static_cast<float>(m_dialog.dwellTimingChosen());
    m_shared.minimum_fix_samples.store(MinimumFixSamples(m_shared.iSamplePerSec.load(), m_tuning.fMinFixMs));
    m_tuning.Yellow = m_dialog.colorSequence() != SettingsDlg::kGreenRed;
    m_tuning.GazeDev = m_dialog.dwellSize();
    if (m_yellow)
        m_yellow(m_tuning.Yellow);
    WriteGazeSettingsLines(m_shared.dataFile, m_tuning);
}

support::WriteStatus SettingsCommand::storeSettings() {
    return StoreGazeTuning(m_settings, m_tuning);
}

void SettingsCommand::tellIfNotStored(support::WriteStatus status) {
    const QString text = MessageDlg::NotSavedText("settings", status);
    if (!text.isEmpty() && m_teller)
        m_teller(text);
}

int SettingsCommand::run() {
    handValuesToDialog();
    PostLumoraMessage(m_canvas, WM_BUTTON_CHOSEN, 0, kGroupSuspend);
    const int result = m_dialog.exec();
    if (result == SettingsDlg::kOk)
        apply();
    // Stored, and a failure told, before the canvas resumes: the message is a dialog like the
    // others, and dwells while it shows must not draw.
    tellIfNotStored(storeSettings());
    PostLumoraMessage(m_canvas, WM_BUTTON_CHOSEN, 0, kGroupSuspend);
    return result;
}

}  // namespace lumora
