// The settings command: what the main window does for its Settings button (and a mouse click on
// it). Hands the gaze tuning values in force to the settings dialog, suspends the canvas, runs
// the dialog modally and resumes the canvas. After OK the chosen values are in force at once:
// the dwell timing through minimum_fix_samples, which the gaze thread reads at every sample; the
// colour sequence through the canvas's yellow step; the dwell size is stored and logged now but
// reaches the fixation detector at the next program start. The three settings lines go to the
// gaze data file. OK or Cancel, the settings file is then rewritten with the values in force.
//
// User-interface thread only. Every object given must outlive the command.
#pragma once

#include <QObject>
#include <functional>

#include "GazeShared.h"
#include "GazeTuning.h"
#include "IniDocument.h"

namespace lumora {

class SettingsDlg;

class SettingsCommand {
public:
    // Told the colour sequence in force after every OK (the canvas's setYellowStep).
    using YellowListener = std::function<void(bool yellow)>;

    // canvas receives the suspend and resume messages (none: nobody is told).
    SettingsCommand(SettingsDlg& dialog, GazeTuning& tuning, IniDocument& settings, GazeShared& shared, QObject* canvas,
                    YellowListener yellow = {});

    // The whole command; returns the dialog's result (SettingsDlg::kOk or kCancel).
    int run();

    // Its steps, in order.
    void handValuesToDialog();
    void apply();          // after OK
    bool storeSettings();  // after either; false when the file could not be written

private:
    SettingsDlg& m_dialog;
    GazeTuning& m_tuning;
    IniDocument& m_settings;
    GazeShared& m_shared;
    QObject* m_canvas;
    YellowListener m_yellow;
};

}  // namespace lumora
