#include "CSystemHardware.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "CBRLFloatField.h"
#include "CBRLIntField.h"

namespace {
const char* const kCameraFormat = "%7.2f";

struct IntFieldSpec {
    unsigned id;
    const char* label;
    int32_t HardwareSettings::*member;
    int min;
    int max;
    const char* name;
};

struct FloatFieldSpec {
    unsigned id;
    const char* label;
    float HardwareSettings::*member;
};

const IntFieldSpec kIntFields[] = {
    {CSystemHardware::kIdCameraWidthPixels, QT_TRANSLATE_NOOP("CSystemHardware", "W x"),
     &HardwareSettings::iCameraHorizPixels, 320, 10000, QT_TRANSLATE_NOOP("CSystemHardware", "Camera Width Pixels")},
    {CSystemHardware::kIdCameraHeightPixels, QT_TRANSLATE_NOOP("CSystemHardware", "H pixels"),
     &HardwareSettings::iCameraVertPixels, 240, 10000, QT_TRANSLATE_NOOP("CSystemHardware", "Camera Height Pixels")},
    {CSystemHardware::kIdFrameRate, QT_TRANSLATE_NOOP("CSystemHardware", "Frame Rate (Hz)"),
     &HardwareSettings::iCameraFieldRate, 25, 10000, QT_TRANSLATE_NOOP("CSystemHardware", "Camera Frame Rate")},
    {CSystemHardware::kIdVisionSystems, QT_TRANSLATE_NOOP("CSystemHardware", "Vision Systems"),
     &HardwareSettings::iNumVisionSystems, 1, 10, QT_TRANSLATE_NOOP("CSystemHardware", "Vision Systems")},
    {CSystemHardware::kIdCalibrationEyes, QT_TRANSLATE_NOOP("CSystemHardware", "Calibration Eyes"),
     &HardwareSettings::iNumEyesToCalibrate, 1, 2, QT_TRANSLATE_NOOP("CSystemHardware", "Calibration Eyes")},
};

const FloatFieldSpec kFloatFields[] = {
    {CSystemHardware::kIdCameraWidthMm, QT_TRANSLATE_NOOP("CSystemHardware", "W x"),
     &HardwareSettings::fCameraHorizSensor},
    {CSystemHardware::kIdCameraHeightMm, QT_TRANSLATE_NOOP("CSystemHardware", "H mm"),
     &HardwareSettings::fCameraVertSensor},
    {CSystemHardware::kIdLensLength, QT_TRANSLATE_NOOP("CSystemHardware", "Lens Length (mm)"),
     &HardwareSettings::fLensFocalLength},
    {CSystemHardware::kIdNodalSeparation, QT_TRANSLATE_NOOP("CSystemHardware", "Nodal Separation (mm)"),
     &HardwareSettings::fLensNodalSeparation},
    {CSystemHardware::kIdFixedExtension, QT_TRANSLATE_NOOP("CSystemHardware", "Fixed Extension (mm)"),
     &HardwareSettings::fFixedLensExtension},
    {CSystemHardware::kIdExtensionTravel, QT_TRANSLATE_NOOP("CSystemHardware", "Extension Travel (mm)"),
     &HardwareSettings::fLensExtensionTravel},
    {CSystemHardware::kIdApertureDiameter, QT_TRANSLATE_NOOP("CSystemHardware", "Aperture Diameter (mm)"),
     &HardwareSettings::fLensApertureDiameter},
};
}  // namespace

CSystemHardware::CSystemHardware(QWidget* parent) : CBRLBlockPage(kTemplateId, tr("System Hardware"), parent) {
    vSetHardwareDefaults(&m_defaults, 1);
}

void CSystemHardware::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    m_progressive = new QCheckBox(tr("Progressive Scan"), this);
    RegisterControl(kIdProgressive, m_progressive);
    layout->addWidget(m_progressive);

    auto* camera = new QGroupBox(tr("Camera Sensor Size / Frame rate"), this);
    auto* cameraGrid = new QGridLayout(camera);
    auto* lens = new QGroupBox(tr("Lens Parameters"), this);
    auto* lensGrid = new QGridLayout(lens);
    auto place = [](QGridLayout* grid, QWidget* label, QWidget* field, int row, int column) {
        grid->addWidget(label, row, column * 2);
        grid->addWidget(field, row, column * 2 + 1);
    };
    auto makeInt = [&](const IntFieldSpec& entry, QWidget* parent) {
        auto* field = new CBRLIntField(parent);
        m_intFields.insert(entry.id, field);
        RegisterControl(entry.id, field);
        return field;
    };
    auto makeFloat = [&](const FloatFieldSpec& entry, QWidget* parent) {
        auto* field = new CBRLFloatField(parent);
        m_floatFields.insert(entry.id, field);
        RegisterControl(entry.id, field);
        return field;
    };
    auto label = [](const char* text, QWidget* parent) { return new QLabel(tr(text), parent); };
    // Sensor: pixels on the first row, millimetres on the second, the frame rate below.
    place(cameraGrid, label(kIntFields[0].label, camera), makeInt(kIntFields[0], camera), 0, 0);
    place(cameraGrid, label(kIntFields[1].label, camera), makeInt(kIntFields[1], camera), 0, 1);
    place(cameraGrid, label(kFloatFields[0].label, camera), makeFloat(kFloatFields[0], camera), 1, 0);
    place(cameraGrid, label(kFloatFields[1].label, camera), makeFloat(kFloatFields[1], camera), 1, 1);
    place(cameraGrid, label(kIntFields[2].label, camera), makeInt(kIntFields[2], camera), 2, 0);
    layout->addWidget(camera);
    int row = 0;
    for (size_t i = 2; i < std::size(kFloatFields); ++i, ++row) {
        place(lensGrid, label(kFloatFields[i].label, lens), makeFloat(kFloatFields[i], lens), row, 0);
    }
    layout->addWidget(lens);
    auto* systems = new QGridLayout;
    place(systems, label(kIntFields[3].label, this), makeInt(kIntFields[3], this), 0, 0);
    place(systems, label(kIntFields[4].label, this), makeInt(kIntFields[4], this), 1, 0);
    layout->addLayout(systems);
    layout->addWidget(new QLabel(tr("Warning: Also resets the Hardware values"), this));
    layout->addStretch();
    AddStandardButtons(layout);
}

bool CSystemHardware::OnInitDialog() {
    CBRLPropPage::OnInitDialog();
    for (const IntFieldSpec& entry : kIntFields) {
        m_intFields.value(entry.id)->SetRange(entry.min, entry.max, tr(entry.name));
    }
    for (const FloatFieldSpec& entry : kFloatFields) {
        m_floatFields.value(entry.id)->SetFormat(kCameraFormat);
    }
    LoadFromSettings();  // shows the values in the page's own formats
    return true;
}

void CSystemHardware::DoDataExchange(bool saveAndValidate) {
    if (!m_progressive) {
        return;
    }
    if (saveAndValidate) {
        m_bProgressive = m_progressive->isChecked() ? 1 : 0;
    } else {
        m_progressive->setChecked(m_bProgressive != 0);
    }
}

void CSystemHardware::LoadFromSettings() {
    if (!m_pBlock || !m_progressive) {
        return;
    }
    for (const IntFieldSpec& entry : kIntFields) {
        m_intFields.value(entry.id)->SetValueAndDefault(m_pBlock->*entry.member, m_defaults.*entry.member);
    }
    for (const FloatFieldSpec& entry : kFloatFields) {
        m_floatFields.value(entry.id)->SetValueAndDefault(m_pBlock->*entry.member, m_defaults.*entry.member);
    }
    m_bProgressive = m_pBlock->bProgressive;
    UpdateData(false);
}

void CSystemHardware::StoreControl(unsigned nID) {
    if (!m_pBlock || !m_progressive) {
        return;
    }
    bool modified = false;
    if (nID == kIdProgressive) {
        UpdateData(true);
        m_pBlock->bProgressive = m_bProgressive;
        modified = true;
    }
    for (const IntFieldSpec& entry : kIntFields) {
        if (entry.id == nID) {
            modified = StoreField(*m_intFields.value(entry.id), m_pBlock->*entry.member);
        }
    }
    for (const FloatFieldSpec& entry : kFloatFields) {
        if (entry.id == nID) {
            modified = StoreField(*m_floatFields.value(entry.id), m_pBlock->*entry.member);
        }
    }
    if (modified) {
        SetModified(true);
        RepaintPage(false);
    }
}

bool CSystemHardware::OnPageCommand(unsigned id, unsigned code) {
    if (id == kIdSetDefaultsButton && code == kCodeClicked) {
        if (ConfirmDefaults() && m_pBlock) {
            vSetHardwareDefaults(m_pBlock, 1);
            LoadFromSettings();
            SetModified(true);
            RepaintPage(true);
        }
        return true;
    }
    return CBRLPropPage::OnPageCommand(id, code);
}

bool CSystemHardware::IsControlNonDefault(unsigned id) const {
    if (id == kIdProgressive) {
        return m_bProgressive != m_defaults.bProgressive;
    }
    if (const CBRLIntField* field = m_intFields.value(id)) {
        return field->IsNonDefault();
    }
    if (const CBRLFloatField* field = m_floatFields.value(id)) {
        return field->IsNonDefault();
    }
    return false;
}
