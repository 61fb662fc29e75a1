#include "CHardwarePpg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "CBRLFloatField.h"
#include "Profile.h"

namespace {
const char* const kProfileSection = "Preferences";
const char* const kProfileUnitsKey = "Units";
const char* const kDepthFormat = "%9.3f";
constexpr float kUnitScales[] = {0.03937008f, 1.0f, 0.1f};
constexpr int kUnitCount = 3;
}  // namespace

CHardwarePpg::CHardwarePpg(QWidget* parent) : CBRLBlockPage(kTemplateId, tr("Video Hardware"), parent) {
    vSetHardwareDefaults(&m_defaults, 1);
}

float CHardwarePpg::ScaleOfUnit(int unit) {
    return kUnitScales[ValidUnit(unit)];
}

int CHardwarePpg::ValidUnit(int unit) {
    return unit >= 0 && unit < kUnitCount ? unit : kInches;
}

void CHardwarePpg::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(tr("Quorvane System Monitor Dimensons"), this);
    auto* grid = new QGridLayout(group);
    auto addField = [&](int row, unsigned id, unsigned labelId, const char* label) {
        auto* text = new QLabel(tr(label), group);
        auto* field = new CBRLFloatField(group);
        text->setBuddy(field);
        RegisterControl(labelId, text);
        RegisterControl(id, field);
        grid->addWidget(text, row, 0);
        grid->addWidget(field, row, 1);
        return field;
    };
    m_width = addField(0, kIdWidth, kIdWidthLabel, QT_TRANSLATE_NOOP("CHardwarePpg", "Width"));
    m_height = addField(1, kIdHeight, kIdHeightLabel, QT_TRANSLATE_NOOP("CHardwarePpg", "Height"));
    m_horizDepth =
        addField(2, kIdHorizDepth, kIdHorizDepthLabel, QT_TRANSLATE_NOOP("CHardwarePpg", "Horizontal Depth"));
    m_vertDepth = addField(3, kIdVertDepth, kIdVertDepthLabel, QT_TRANSLATE_NOOP("CHardwarePpg", "Vertical Depth"));
    grid->addWidget(new QLabel(tr("Dimensions are in:"), group), 0, 2);
    const char* unitNames[kUnitCount] = {QT_TRANSLATE_NOOP("CHardwarePpg", "Inches"),
                                         QT_TRANSLATE_NOOP("CHardwarePpg", "Millimeters"),
                                         QT_TRANSLATE_NOOP("CHardwarePpg", "Centimeters")};
    const unsigned unitIds[kUnitCount] = {kIdInches, kIdMillimetres, kIdCentimetres};
    for (int unit = 0; unit < kUnitCount; ++unit) {
        m_units[unit] = new QRadioButton(tr(unitNames[unit]), group);
        RegisterControl(unitIds[unit], m_units[unit]);
        grid->addWidget(m_units[unit], unit + 1, 2);
    }
    layout->addWidget(group);
    layout->addStretch();
    AddStandardButtons(layout);
}

bool CHardwarePpg::OnInitDialog() {
    CBRLPropPage::OnInitDialog();
    m_horizDepth->SetFormat(kDepthFormat);
    m_vertDepth->SetFormat(kDepthFormat);
    m_nUnits =
        ValidUnit(GetProfileInt(QString::fromLatin1(kProfileSection), QString::fromLatin1(kProfileUnitsKey), kInches));
    UpdateData(false);
    ApplyUnitScale();
    return true;
}

void CHardwarePpg::ApplyUnitScale() {
    const float scale = ScaleOfUnit(m_nUnits);
    for (CBRLFloatField* field : {m_width, m_height, m_horizDepth, m_vertDepth}) {
        field->SetScale(scale);
    }
}

CBRLFloatField* CHardwarePpg::Field(unsigned id) const {
    switch (id) {
        case kIdWidth:
            return m_width;
        case kIdHeight:
            return m_height;
        case kIdHorizDepth:
            return m_horizDepth;
        case kIdVertDepth:
            return m_vertDepth;
        default:
            return nullptr;
    }
}

void CHardwarePpg::DoDataExchange(bool saveAndValidate) {
    if (!m_units[0]) {
        return;
    }
    if (saveAndValidate) {
        for (int unit = 0; unit < kUnitCount; ++unit) {
            if (m_units[unit]->isChecked()) {
                m_nUnits = unit;
            }
        }
    } else {
        m_units[ValidUnit(m_nUnits)]->setChecked(true);
    }
}

void CHardwarePpg::LoadFromSettings() {
    if (!m_pBlock || !m_width) {
        return;
    }
    m_width->SetValueAndDefault(m_pBlock->fMonitorWidth, m_defaults.fMonitorWidth);
    m_height->SetValueAndDefault(m_pBlock->fMonitorHeight, m_defaults.fMonitorHeight);
    m_horizDepth->SetValueAndDefault(m_pBlock->fHorizDepth, m_defaults.fHorizDepth);
    m_vertDepth->SetValueAndDefault(m_pBlock->fVertDepth, m_defaults.fVertDepth);
    UpdateData(false);
}

void CHardwarePpg::StoreControl(unsigned nID) {
    if (!m_pBlock || !m_width) {
        return;
    }
    bool modified = false;
    switch (nID) {
        case kIdWidth:
            modified = StoreField(*m_width, m_pBlock->fMonitorWidth);
            break;
        case kIdHeight:
            modified = StoreField(*m_height, m_pBlock->fMonitorHeight);
            break;
        case kIdHorizDepth:
            modified = StoreField(*m_horizDepth, m_pBlock->fHorizDepth);
            break;
        case kIdVertDepth:
            modified = StoreField(*m_vertDepth, m_pBlock->fVertDepth);
            break;
        case kIdInches:
        case kIdMillimetres:
        case kIdCentimetres:
            UpdateData(true);
            ApplyUnitScale();
            WriteProfileInt(QString::fromLatin1(kProfileSection), QString::fromLatin1(kProfileUnitsKey), m_nUnits);
            modified = true;
            break;
        default:
            break;
    }
    if (modified) {
        SetModified(true);
        RepaintPage(false);
    }
}

bool CHardwarePpg::OnPageCommand(unsigned id, unsigned code) {
    if (id == kIdSetDefaultsButton && code == kCodeClicked) {
        if (ConfirmDefaults() && m_pBlock) {
            vSetHardwareDefaults(m_pBlock, 0);
            LoadFromSettings();
            SetModified(true);
            RepaintPage(true);
        }
        return true;
    }
    return CBRLPropPage::OnPageCommand(id, code);
}

bool CHardwarePpg::IsControlNonDefault(unsigned id) const {
    switch (id) {
        case kIdWidth:
        case kIdWidthLabel:
            return m_width->IsNonDefault();
        case kIdHeight:
        case kIdHeightLabel:
            return m_height->IsNonDefault();
        case kIdHorizDepth:
        case kIdHorizDepthLabel:
            return m_horizDepth->IsNonDefault();
        case kIdVertDepth:
        case kIdVertDepthLabel:
            return m_vertDepth->IsNonDefault();
        default:
            return false;
    }
}
