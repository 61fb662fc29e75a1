// The settings command: what the main window does for its Settings button (and a mouse click on
// it). Hands the gaze tuning values in force to the settings dialog, suspends the canvas, runs
// the dialog modally and resumes the canvas. After OK the chosen values are in force at once:
// the dwell timing through minimum_fix_samples, which the gaze thread reads at every sample; the
// colour sequence through the canvas's yellow step; the dwell size is stored and logged now but
// reaches the fixation detector at the next program start. The three settings lines go to the
// gaze data file. OK or Cancel, the settings file is then rewritten with the values in force;
// when that fails the user is told (the values still hold for this run).
//
// User-interface thread only. Every object given must outlive the command.
#pragma once

#include <QObject>
#include <QString>
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
    // Shows the user a message and returns once it has been read (MainDlg::tellUser).
    using Teller = std::function<void(const QString& text)>;

    // canvas receives the suspend and resume messages (none: nobody is told).
    SettingsCommand(SettingsDlg& dialog, GazeTuning& tuning, IniDocument& settings, GazeShared& shared, QObject* canvas,
                    YellowListener yellow = {});

    // Who tells the user that the settings file could not be written (none: nobody is told).
    void setTeller(Teller teller) { m_teller = std::move(teller); }

    // The whole command; returns the dialog's result (SettingsDlg::kOk or kCancel).
    int run();

    // Its steps, in order.
    void handValuesToDialog();
    void apply();          // after OK
    support::WriteStatus storeSettings();  // after either
    // The message for a failed store; nothing for Ok.
    void tellIfNotStored(support::WriteStatus status);

private:
    SettingsDlg& m_dialog;
    GazeTuning& m_tuning;
    IniDocument& m_settings;
    GazeShared& m_shared;
    QObject* m_canvas;
    YellowListener m_yellow;
    Teller m_teller;
};

}  // namespace lumora
