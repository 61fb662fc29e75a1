#pragma once
// "System Hardware" page (maker mode only): the camera and lens constants of the hardware block,
// the block the "Video Hardware" page also edits. Its Set-Defaults resets the monitor values too.

#include <QMap>

#include "CBRLPropPage.h"
#include "qvfileio.h"

class CBRLField;
class CBRLFloatField;
class CBRLIntField;
class QCheckBox;

class CSystemHardware : public CBRLBlockPage<HardwareSettings> {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 156;
    static constexpr unsigned kIdProgressive = 1260;
    static constexpr unsigned kIdCameraWidthPixels = 1233;
    static constexpr unsigned kIdCameraHeightPixels = 1261;
    static constexpr unsigned kIdCameraWidthMm = 1234;
    static constexpr unsigned kIdCameraHeightMm = 1262;
    static constexpr unsigned kIdFrameRate = 1263;
    static constexpr unsigned kIdLensLength = 1264;
    static constexpr unsigned kIdNodalSeparation = 1265;
    static constexpr unsigned kIdFixedExtension = 1266;
    static constexpr unsigned kIdExtensionTravel = 1267;
    static constexpr unsigned kIdApertureDiameter = 1268;
    static constexpr unsigned kIdVisionSystems = 1269;
    static constexpr unsigned kIdCalibrationEyes = 1270;

    explicit CSystemHardware(QWidget* parent = nullptr);

    void LoadFromSettings() override;
    void StoreControl(unsigned nID) override;

    CBRLIntField* IntField(unsigned id) const { return m_intFields.value(id); }
    CBRLFloatField* FloatField(unsigned id) const { return m_floatFields.value(id); }

protected:
    void CreateControls() override;
    bool OnInitDialog() override;
    void DoDataExchange(bool saveAndValidate) override;
    bool OnPageCommand(unsigned id, unsigned code) override;
    bool IsControlNonDefault(unsigned id) const override;

private:
    int m_bProgressive = 0;
    QCheckBox* m_progressive = nullptr;
    QMap<unsigned, CBRLIntField*> m_intFields;
    QMap<unsigned, CBRLFloatField*> m_floatFields;
};
