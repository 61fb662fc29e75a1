#include "CImageProcPpg.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

CImageProcPpg::CImageProcPpg(QWidget* parent) : CBRLBlockPage(kTemplateId, tr("Image Proc"), parent) {
    vSetImageProcDefaults(&m_defaults);
}

void CImageProcPpg::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(tr("Image Processing Switches"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);

    auto addSwitch = [&](unsigned id, const char* caption, const QString& explanation) {
        auto* check = new QCheckBox(tr(caption), this);
        RegisterControl(id, check);
        layout->addWidget(check);
        auto* text = new QLabel(explanation, this);
        text->setWordWrap(true);
        text->setIndent(20);
        layout->addWidget(text);
        return check;
    };
    m_droopy =
        addSwitch(kIdDroopy, QT_TRANSLATE_NOOP("CImageProcPpg", "Droopy Eyelid Compensation (Normally not checked)"),
                  tr("Turn this on for a user whose eyelid covers the top of the pupil, because "
                     "of droopy eyelids or large pupils.  The eye tracking then ignores the top "
                     "edge of the pupil when it computes the pupil centre."));
    m_range = addSwitch(kIdRange, QT_TRANSLATE_NOOP("CImageProcPpg", "Focus Range Compensation (Normally checked)"),
                        tr("This function, nominally turned on, should be turned off if the user has goopy "
                           "or dry eyes, which results primarily from poor blinkreflex.  Goop on the "
                           "cornea distorts the image of the corneal reflection and interferes with the "
                           "focus range measurment."));
    m_pupil = addSwitch(
        kIdPupil, QT_TRANSLATE_NOOP("CImageProcPpg", "Pupil Non-Concentricity Compensation (Normally not checked)"),
        tr("This function, nominally turned off, is under experimental development and "
           "should be turned on only in consultation with Brelnic.  The function is "
           "intended to accommodate drifting of the pupil center within the iris, which "
           "can occur in people with ALS."));
    layout->addStretch();
    AddStandardButtons(layout);
}

void CImageProcPpg::DoDataExchange(bool saveAndValidate) {
    if (!m_droopy) {
        return;
    }
    if (saveAndValidate) {
        m_bDroopy = m_droopy->isChecked() ? 1 : 0;
        m_bRange = m_range->isChecked() ? 1 : 0;
        m_bPupil = m_pupil->isChecked() ? 1 : 0;
    } else {
        m_droopy->setChecked(m_bDroopy != 0);
        m_range->setChecked(m_bRange != 0);
        m_pupil->setChecked(m_bPupil != 0);
    }
}

void CImageProcPpg::LoadFromSettings() {
    if (!m_pBlock) {
        return;
    }
    m_bDroopy = m_pBlock->bDroopyEyelidComp;
    m_bRange = m_pBlock->bRangeComp;
    m_bPupil = m_pBlock->bPupilComp;
    UpdateData(false);
}

void CImageProcPpg::StoreControl(unsigned nID) {
    if (!m_pBlock) {
        return;
    }
    switch (nID) {
        case kIdDroopy:
            m_pBlock->bDroopyEyelidComp = m_bDroopy;
            break;
        case kIdRange:
            m_pBlock->bRangeComp = m_bRange;
            break;
        case kIdPupil:
            m_pBlock->bPupilComp = m_bPupil;
            break;
        default:
            return;
    }
    SetModified(true);
    RepaintPage(false);
}

bool CImageProcPpg::OnPageCommand(unsigned id, unsigned code) {
    if (id == kIdSetDefaultsButton && code == kCodeClicked) {
        OnSetDefaults();
        return true;
    }
    return CBRLPropPage::OnPageCommand(id, code);
}

void CImageProcPpg::OnSetDefaults() {
    if (!ConfirmDefaults() || !m_pBlock) {
        return;
    }
    g_bPagesReady = false;
    vSetImageProcDefaults(m_pBlock);
    LoadFromSettings();
    SetModified(true);
    if (m_bHighlight) {
        RepaintPage(true);
    }
    g_bPagesReady = true;
}

bool CImageProcPpg::IsControlNonDefault(unsigned id) const {
    switch (id) {
        case kIdDroopy:
            return m_bDroopy != m_defaults.bDroopyEyelidComp;
        case kIdRange:
            return m_bRange != m_defaults.bRangeComp;
        case kIdPupil:
            return m_bPupil != m_defaults.bPupilComp;
        default:
            return false;
    }
}
