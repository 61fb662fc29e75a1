#pragma once
// "Calibration" page: the calibration type, the target positions of each type (with a preview),
// the diagnostic and acceptance switches, the background choice and the four calibration colours.

#include <QString>
#include <array>

#include "CBRLPropPage.h"
#include "qvfileio.h"

class CBRLFloatField;
class CScreenWnd;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class CCalConstPpg : public CBRLBlockPage<CalConstSettings> {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 106;
    static constexpr unsigned kIdResolution = 1089;
    static constexpr unsigned kIdPosition = 1090;
    static constexpr unsigned kIdNumPoints = 1091;
    static constexpr unsigned kIdX = 1092;
    static constexpr unsigned kIdY = 1093;
    static constexpr unsigned kIdPreviewFrame = 1094;
    static constexpr unsigned kIdCoordinatesLabel = 1125;
    static constexpr unsigned kIdShowMessages = 1161;
    static constexpr unsigned kIdBypass = 1162;
    static constexpr unsigned kIdResolutionLabel = 1165;
    static constexpr unsigned kIdPass1Foreground = 1175;
    static constexpr unsigned kIdPass1Background = 1176;
    static constexpr unsigned kIdPass2Foreground = 1177;
    static constexpr unsigned kIdPass2Background = 1178;
    static constexpr unsigned kIdDarkRadio = 1237;
    static constexpr unsigned kIdBrightRadio = 1189;
    static constexpr unsigned kIdPass1ForegroundLabel = 1228;
    static constexpr unsigned kIdPass1BackgroundLabel = 1229;
    static constexpr unsigned kIdPass2ForegroundLabel = 1230;
    static constexpr unsigned kIdPass2BackgroundLabel = 1231;
    static constexpr unsigned kIdTwoCycleNote = 1248;
    static constexpr int kPreviewChildId = 8192;

    explicit CCalConstPpg(QWidget* parent = nullptr);

    // The record's image-processing block (not owned): its pupil compensation switch replaces
    // the background choice by the two-cycle note.
    void SetImageProcBlock(const ImageProcSettings* block) { m_pImageProc = block; }

    void LoadFromSettings() override;
    void StoreControl(unsigned nID) override;

    // The calibration resolution shown (always a valid index), the target position shown and the
    // number of target positions of that resolution.
    int Resolution() const;
    int ShownPosition() const { return m_nPosition; }
    int PositionCount() const;

    // A colour edit's text: three numbers (red, green, blue) as "%3d %3d %3d". Reading keeps each
    // number's low byte; numbers that are missing count as 0.
    static QString FormatColour(int32_t colour);
    static std::array<int, 3> ParseColourNumbers(const QString& text);
    static int32_t ColourFromNumbers(const std::array<int, 3>& rgb);

    CScreenWnd* Preview() const { return m_screen; }
    CBRLFloatField* XField() const { return m_x; }
    CBRLFloatField* YField() const { return m_y; }

protected:
    void CreateControls() override;
    bool OnInitDialog() override;
    void DoDataExchange(bool saveAndValidate) override;
    bool OnPageCommand(unsigned id, unsigned code) override;
    bool IsControlNonDefault(unsigned id) const override;
    void ColourControl(unsigned id, QWidget* control, QPalette& palette) override;

private:
    void RebuildPositionList();
    void RepaintWithPreview();
    int32_t* ColourMember(unsigned id) const;
    static int ColourIndex(unsigned id);

    const ImageProcSettings* m_pImageProc = nullptr;
    int m_nResolution = 0;
    int m_nPosition = 0;
    int m_bShowMessages = 0;
    int m_bBypass = 0;
    int m_nBright = 0;
    QString m_strColours[4];
    QString m_strNumPoints;

    QComboBox* m_resolution = nullptr;
    QComboBox* m_position = nullptr;
    QLineEdit* m_numPoints = nullptr;
    CBRLFloatField* m_x = nullptr;
    CBRLFloatField* m_y = nullptr;
    QCheckBox* m_showMessages = nullptr;
    QCheckBox* m_bypass = nullptr;
    QRadioButton* m_dark = nullptr;
    QRadioButton* m_bright = nullptr;
    QLabel* m_twoCycleNote = nullptr;
    QLineEdit* m_colours[4] = {};
    CScreenWnd* m_screen = nullptr;
};
