#pragma once
// "Video Hardware" page: the monitor's size and the eye's depth offsets, stored in millimetres
// and shown in the unit the user picks (inches, millimetres or centimetres). The unit is kept in
// the profile ("Preferences"/"Units").

#include "CBRLPropPage.h"
#include "qvfileio.h"

class CBRLFloatField;
class QRadioButton;

class CHardwarePpg : public CBRLBlockPage<HardwareSettings> {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 117;
    static constexpr unsigned kIdWidth = 1055;
    static constexpr unsigned kIdHeight = 1056;
    static constexpr unsigned kIdVertDepth = 1057;
    static constexpr unsigned kIdHorizDepth = 1058;
    static constexpr unsigned kIdWidthLabel = 1112;
    static constexpr unsigned kIdHeightLabel = 1113;
    static constexpr unsigned kIdVertDepthLabel = 1114;
    static constexpr unsigned kIdHorizDepthLabel = 1115;
    static constexpr unsigned kIdInches = 1207;
    static constexpr unsigned kIdMillimetres = 1208;
    static constexpr unsigned kIdCentimetres = 1209;

    enum Unit { kInches = 0, kMillimetres = 1, kCentimetres = 2 };

    explicit CHardwarePpg(QWidget* parent = nullptr);

    void LoadFromSettings() override;
    void StoreControl(unsigned nID) override;

    // Display scale of a unit (shown number = millimetres x scale).
    static float ScaleOfUnit(int unit);
    // A unit read from the profile: anything but 0, 1 or 2 (a hand-edited profile) is inches.
    static int ValidUnit(int unit);
    int Units() const { return m_nUnits; }

    CBRLFloatField* Field(unsigned id) const;

protected:
    void CreateControls() override;
    bool OnInitDialog() override;
    void DoDataExchange(bool saveAndValidate) override;
    bool OnPageCommand(unsigned id, unsigned code) override;
    bool IsControlNonDefault(unsigned id) const override;

private:
    void ApplyUnitScale();

    int m_nUnits = kInches;
    CBRLFloatField* m_width = nullptr;
    CBRLFloatField* m_height = nullptr;
    CBRLFloatField* m_horizDepth = nullptr;
    CBRLFloatField* m_vertDepth = nullptr;
    QRadioButton* m_units[3] = {};
};
