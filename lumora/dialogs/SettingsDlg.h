// SettingsDlg: the dwell timing (300, 400, 500 or 600 ms), the cursor colour sequence (green-red
// or green-yellow-red) and the dwell size (a quarter, a half or three quarters of an inch), each
// chosen by looking at a picture button; the chosen button of each group shows the highlighted
// ("_sel") variant of its picture. "OK" closes with OK, "Cancel" with Cancel; the dialog itself
// changes nothing outside its own values, which the settings command hands in before and takes
// out after each run.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "dialogs/GazeDialog.h"

namespace lumora {

class LM_UtilityButton;

class SettingsDlg : public GazeDialog {
    Q_OBJECT
public:
    // The colour sequences.
    static constexpr int kGreenRed = 0;
    static constexpr int kGreenYellowRed = 1;
    // The dwell sizes in millimetres (a quarter, a half, three quarters of an inch), compared
    // bit for bit with the value in force.
    static constexpr std::uint32_t kDwellSizeQuarterBits = 0x40CB3333;        // 6.35
    static constexpr std::uint32_t kDwellSizeHalfBits = 0x414B3333;           // 12.7
    static constexpr std::uint32_t kDwellSizeThreeQuartersBits = 0x41986666;  // 19.05

    static constexpr ColorRef kLineColor = MakeColorRef(0xAA, 0xAA, 0xAA);
    static constexpr int kLineWidth = 2;

    // One choice button: its code (the group it posts), caption for the mouse, pictures.
    struct Choice {
        int code;
        const char* caption;
        const char* picture;
        const char* selectedPicture;
    };
    enum ChoiceIndex {
        Timing300,
        Timing400,
        Timing500,
        Timing600,
        SequenceGR,
        SequenceGYR,
        Size25,
        Size50,
        Size75,
        kChoiceCount
    };
    static const std::array<Choice, kChoiceCount> kChoices;

    SettingsDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent);
    ~SettingsDlg() override;

    // ---- The values, read and written by the settings command --------------------------------
    void setDwellTimingShown(int ms) { m_timingShown = ms; }
    int dwellTimingShown() const { return m_timingShown; }
    void setDwellTimingChosen(int ms) { m_timingChosen = ms; }
    int dwellTimingChosen() const { return m_timingChosen; }
    void setColorSequence(int sequence) { m_sequence = sequence; }
    int colorSequence() const { return m_sequence; }
    void setDwellSize(float mm) { m_dwellSize = mm; }
    float dwellSize() const { return m_dwellSize; }

    // The value a choice stands for, in its group's unit.
    static int TimingOf(ChoiceIndex i);
    static float DwellSizeOf(ChoiceIndex i);

    LM_UtilityButton* choiceButton(ChoiceIndex i) const { return m_choice[i]; }
    LM_UtilityButton* okButton() const { return m_ok; }
    LM_UtilityButton* cancelButton() const { return m_cancel; }
    // Whether the choice is shown highlighted (the picture last sent to it is the "_sel" one).
    bool isHighlighted(ChoiceIndex i) const { return m_highlighted[i]; }

    // Sends every choice button its picture from the values in force (opening).
    void highlightFromValues();
    // A choice made: its value taken, its group's pictures sent anew.
    void choose(ChoiceIndex i);

    static QRect Placement(const QSize& screen);

protected:
    void showEvent(QShowEvent* e) override;
    void drawContent(QImage& picture) override;
    void buttonChosen(std::uintptr_t value, int group) override;

private:
    void setHighlighted(ChoiceIndex i, bool on);
    void layOut();

    int m_timingShown = 0;
    int m_timingChosen = 0;
    int m_sequence = kGreenRed;
    float m_dwellSize = 0.0f;

    std::array<LM_UtilityButton*, kChoiceCount> m_choice{};
    std::array<bool, kChoiceCount> m_highlighted{};
    // The picture names, sent in WM_SET_BUTTON_IMAGE.
    std::array<QString, kChoiceCount> m_picture;
    std::array<QString, kChoiceCount> m_selectedPicture;
    LM_UtilityButton* m_ok;
    LM_UtilityButton* m_cancel;
};

}  // namespace lumora
