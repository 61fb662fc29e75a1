#include "CCalConstPpg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>

#include "CBRLFloatField.h"
#include "CScreenWnd.h"

namespace {
const char* const kColourFormat = "%3d %3d %3d";
constexpr unsigned kColourIds[4] = {CCalConstPpg::kIdPass1Foreground, CCalConstPpg::kIdPass1Background,
                                    CCalConstPpg::kIdPass2Foreground, CCalConstPpg::kIdPass2Background};
// The preview sits inside its frame with this margin on every side.
constexpr int kPreviewMargin = 2;
constexpr int kByteMask = 0xFF;

QColor ToQColor(int32_t colour) {
    return QColor(colour & kByteMask, (colour >> 8) & kByteMask, (colour >> 16) & kByteMask);
}
}  // namespace

CCalConstPpg::CCalConstPpg(QWidget* parent) : CBRLBlockPage(kTemplateId, tr("Calibration"), parent) {
    vSetCalConstDefaults(&m_defaults, QV_FILE_KIND_TRACKER);
}

QString CCalConstPpg::FormatColour(int32_t colour) {
    return QString::asprintf(kColourFormat, colour & kByteMask, (colour >> 8) & kByteMask, (colour >> 16) & kByteMask);
}

std::array<int, 3> CCalConstPpg::ParseColourNumbers(const QString& text) {
    std::array<int, 3> rgb{0, 0, 0};
    // The field widths of the format bound every number to three characters, so nothing can
    // overflow; numbers that are not there stay 0.
    std::sscanf(text.toLatin1().constData(), kColourFormat, &rgb[0], &rgb[1], &rgb[2]);
    return rgb;
}

int32_t CCalConstPpg::ColourFromNumbers(const std::array<int, 3>& rgb) {
    // Each number enters through its low byte only; masking (rather than the C remainder) keeps a
    // negative number from borrowing from the next colour component.
    return (rgb[0] & kByteMask) | ((rgb[1] & kByteMask) << 8) | ((rgb[2] & kByteMask) << 16);
}

int CCalConstPpg::Resolution() const {
    // A hand-edited file may hold any number here; it must never index outside the three sets.
    return m_nResolution >= 0 && m_nResolution < QV_NUM_CAL_RES ? m_nResolution : 0;
}

int CCalConstPpg::PositionCount() const {
    if (!m_pBlock) {
        return 0;
    }
    return std::clamp(m_pBlock->calRes[Resolution()].iNumCalPoints - 1, 0, QV_MAX_CAL_TARGETS);
}

void CCalConstPpg::CreateControls() {
    auto* layout = new QGridLayout(this);

    auto* colours = new QGroupBox(tr("Calibration Colors"), this);
    auto* coloursLayout = new QVBoxLayout(colours);
    m_showMessages = new QCheckBox(tr("Display diagnostic messages"), colours);
    m_bypass = new QCheckBox(tr("Bypass acceptance regions"), colours);
    m_dark = new QRadioButton(tr("Use Dark Background"), colours);
    m_bright = new QRadioButton(tr("Use Bright Background"), colours);
    m_twoCycleNote = new QLabel(tr("Two cycle calibration for compensating non-concentric pupils"), colours);
    m_twoCycleNote->setWordWrap(true);
    m_twoCycleNote->hide();
    RegisterControl(kIdShowMessages, m_showMessages);
    RegisterControl(kIdBypass, m_bypass);
    RegisterControl(kIdDarkRadio, m_dark);
    RegisterControl(kIdBrightRadio, m_bright);
    RegisterControl(kIdTwoCycleNote, m_twoCycleNote);
    for (QWidget* w : std::initializer_list<QWidget*>{m_showMessages, m_bypass, m_dark, m_bright, m_twoCycleNote}) {
        coloursLayout->addWidget(w);
    }
    const char* groupTitles[2] = {QT_TRANSLATE_NOOP("CCalConstPpg", "Dark Background Colors (RGB)"),
                                  QT_TRANSLATE_NOOP("CCalConstPpg", "Bright background Colors (RGB)")};
    const unsigned labelIds[4] = {kIdPass1ForegroundLabel, kIdPass1BackgroundLabel, kIdPass2ForegroundLabel,
                                  kIdPass2BackgroundLabel};
    for (int group = 0; group < 2; ++group) {
        auto* box = new QGroupBox(tr(groupTitles[group]), colours);
        auto* grid = new QGridLayout(box);
        for (int row = 0; row < 2; ++row) {
            const int i = group * 2 + row;
            auto* label = new QLabel(row == 0 ? tr("Foreground") : tr("Background"), box);
            label->setAutoFillBackground(true);
            m_colours[i] = new QLineEdit(box);
            label->setBuddy(m_colours[i]);
            RegisterControl(labelIds[i], label);
            RegisterControl(kColourIds[i], m_colours[i]);
            grid->addWidget(label, row, 0);
            grid->addWidget(m_colours[i], row, 1);
        }
        coloursLayout->addWidget(box);
    }
    layout->addWidget(colours, 0, 0);

    auto* points = new QGroupBox(tr("Calibration Points"), this);
    auto* pointsGrid = new QGridLayout(points);
    auto* resolutionLabel = new QLabel(tr("Calibration Type:"), points);
    m_resolution = new QComboBox(points);
    m_resolution->addItems({tr("Normal Resolution"), tr("Low Resolution"), tr("High Resolution")});
    resolutionLabel->setBuddy(m_resolution);
    m_numPoints = new QLineEdit(points);
    m_numPoints->setReadOnly(true);
    m_position = new QComboBox(points);
    auto* coordinatesLabel = new QLabel(tr("Coordinates:"), points);
    m_x = new CBRLFloatField(points);
    m_y = new CBRLFloatField(points);
    coordinatesLabel->setBuddy(m_x);
    RegisterControl(kIdResolutionLabel, resolutionLabel);
    RegisterControl(kIdResolution, m_resolution);
    RegisterControl(kIdNumPoints, m_numPoints);
    RegisterControl(kIdPosition, m_position);
    RegisterControl(kIdCoordinatesLabel, coordinatesLabel);
    RegisterControl(kIdX, m_x);
    RegisterControl(kIdY, m_y);
    pointsGrid->addWidget(resolutionLabel, 0, 0);
    pointsGrid->addWidget(m_resolution, 0, 1, 1, 2);
    pointsGrid->addWidget(new QLabel(tr("Num Points:"), points), 1, 0);
    pointsGrid->addWidget(m_numPoints, 1, 1);
    pointsGrid->addWidget(new QLabel(tr("Point Num:"), points), 2, 0);
    pointsGrid->addWidget(m_position, 2, 1);
    pointsGrid->addWidget(coordinatesLabel, 3, 0);
    pointsGrid->addWidget(m_x, 3, 1);
    pointsGrid->addWidget(m_y, 3, 2);
    auto* frame = new QFrame(points);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setMinimumSize(160, 120);
    RegisterControl(kIdPreviewFrame, frame);
    pointsGrid->addWidget(frame, 4, 0, 1, 3);
    layout->addWidget(points, 0, 1);

    auto* buttons = new QVBoxLayout;
    AddStandardButtons(buttons);
    layout->addLayout(buttons, 1, 0, 1, 2);
}

bool CCalConstPpg::OnInitDialog() {
    // The preview fills the framed place, a little inside its frame.
    auto* frame = Control(kIdPreviewFrame);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(kPreviewMargin, kPreviewMargin, kPreviewMargin, kPreviewMargin);
    m_screen = new CScreenWnd(this, frame);
    m_screen->setObjectName(QString::number(kPreviewChildId));
    frameLayout->addWidget(m_screen);
    m_screen->SetBlock(m_pBlock);
    m_nPosition = 0;
    m_x->SetRange(0.0f, 1.0f, tr("Horizontal Position"));
    m_y->SetRange(0.0f, 1.0f, tr("Vertical Position"));
    LoadFromSettings();
    return true;
}

void CCalConstPpg::DoDataExchange(bool saveAndValidate) {
    if (!m_resolution) {
        return;
    }
    if (saveAndValidate) {
        m_nResolution = m_resolution->currentIndex();
        m_nPosition = std::max(0, m_position->currentIndex());
        m_bShowMessages = m_showMessages->isChecked() ? 1 : 0;
        m_bBypass = m_bypass->isChecked() ? 1 : 0;
        m_nBright = m_bright->isChecked() ? 1 : 0;
        for (int i = 0; i < 4; ++i) {
            m_strColours[i] = m_colours[i]->text();
        }
        m_strNumPoints = m_numPoints->text();
    } else {
        m_resolution->setCurrentIndex(Resolution());
        m_position->setCurrentIndex(m_nPosition);
        m_showMessages->setChecked(m_bShowMessages != 0);
        m_bypass->setChecked(m_bBypass != 0);
        (m_nBright != 0 ? m_bright : m_dark)->setChecked(true);
        for (int i = 0; i < 4; ++i) {
            m_colours[i]->setText(m_strColours[i]);
        }
        m_numPoints->setText(m_strNumPoints);
    }
}

void CCalConstPpg::RebuildPositionList() {
    const int count = PositionCount();
    m_position->clear();
    for (int p = 1; p <= count; ++p) {
        m_position->addItem(QString::asprintf("%d", p));
    }
    m_position->setCurrentIndex(count > 0 ? 0 : -1);
    m_strNumPoints = QString::asprintf("%d", count);
    // A revert may leave fewer positions than the one shown.
    if (m_nPosition >= count) {
        m_nPosition = 0;
    }
}

void CCalConstPpg::LoadFromSettings() {
    if (!m_pBlock || !m_resolution) {
        return;
    }
    m_nResolution = m_pBlock->iCurCalRes;
    RebuildPositionList();
    const int res = Resolution();
    m_x->SetValueAndDefault(m_pBlock->calRes[res].fX[m_nPosition], m_defaults.calRes[res].fX[m_nPosition]);
    m_y->SetValueAndDefault(m_pBlock->calRes[res].fY[m_nPosition], m_defaults.calRes[res].fY[m_nPosition]);
    m_bBypass = m_pBlock->bBypassAcceptance;
    m_bShowMessages = m_pBlock->bMsgsOff == 0 ? 1 : 0;
    m_nBright = m_pBlock->bBrightBackgrounds;
    for (int i = 0; i < 4; ++i) {
        m_strColours[i] = FormatColour(*ColourMember(kColourIds[i]));
    }
    const bool twoCycle = m_pImageProc && m_pImageProc->bPupilComp != 0;
    for (QRadioButton* radio : {m_dark, m_bright}) {
        radio->setEnabled(!twoCycle);
        radio->setVisible(!twoCycle);
    }
    m_twoCycleNote->setEnabled(twoCycle);
    m_twoCycleNote->setVisible(twoCycle);
    UpdateData(false);
    RepaintWithPreview();
}

void CCalConstPpg::RepaintWithPreview() {
    RepaintPage(true);
    if (m_screen) {
        m_screen->update();
    }
}

int CCalConstPpg::ColourIndex(unsigned id) {
    for (int i = 0; i < 4; ++i) {
        if (kColourIds[i] == id) {
            return i;
        }
    }
    return -1;
}

int32_t* CCalConstPpg::ColourMember(unsigned id) const {
    switch (id) {
        case kIdPass1Foreground:
            return &m_pBlock->crPass1Foreground;
        case kIdPass1Background:
            return &m_pBlock->crPass1Background;
        case kIdPass2Foreground:
            return &m_pBlock->crPass2Foreground;
        case kIdPass2Background:
            return &m_pBlock->crPass2Background;
        default:
            return nullptr;
    }
}

void CCalConstPpg::StoreControl(unsigned nID) {
    if (!m_pBlock || !m_resolution) {
        return;
    }
    bool modified = false;
    const int res = Resolution();
    if (const int colour = ColourIndex(nID); colour >= 0) {
        UpdateData(true);
        const std::array<int, 3> rgb = ParseColourNumbers(m_strColours[colour]);
        *ColourMember(nID) = ColourFromNumbers(rgb);
        m_colours[colour]->setText(QString::asprintf(kColourFormat, rgb[0], rgb[1], rgb[2]));
        modified = true;
    } else {
        switch (nID) {
            case kIdShowMessages:
                m_pBlock->bMsgsOff = m_bShowMessages ? 0 : 1;
                modified = true;
                break;
            case kIdBypass:
                m_pBlock->bBypassAcceptance = m_bBypass;
                modified = true;
                break;
            case kIdDarkRadio:
            case kIdBrightRadio:
                m_pBlock->bBrightBackgrounds = m_nBright;
                modified = true;
                break;
            case kIdResolution:
                m_pBlock->iCurCalRes = m_nResolution;
                m_nPosition = 0;
                LoadFromSettings();
                break;
            case kIdPosition:
                LoadFromSettings();
                break;
            case kIdX:
                modified = StoreField(*m_x, m_pBlock->calRes[res].fX[m_nPosition]);
                break;
            case kIdY:
                modified = StoreField(*m_y, m_pBlock->calRes[res].fY[m_nPosition]);
                break;
            default:
                break;
        }
    }
    if (modified) {
        SetModified(true);
        RepaintWithPreview();
    }
}

bool CCalConstPpg::OnPageCommand(unsigned id, unsigned code) {
    if (id == kIdSetDefaultsButton && code == kCodeClicked) {
        if (ConfirmDefaults() && m_pBlock) {
            vSetCalConstDefaults(m_pBlock, QV_FILE_KIND_TRACKER);
            LoadFromSettings();
            SetModified(true);
        }
        return true;
    }
    return CBRLPropPage::OnPageCommand(id, code);
}

bool CCalConstPpg::IsControlNonDefault(unsigned id) const {
    if (!m_pBlock || !m_x) {
        return false;
    }
    switch (id) {
        case kIdResolution:
        case kIdResolutionLabel:
            return m_nResolution != m_defaults.iCurCalRes;
        case kIdX:
            return m_x->IsNonDefault();
        case kIdY:
            return m_y->IsNonDefault();
        case kIdCoordinatesLabel:
            return m_x->IsNonDefault() || m_y->IsNonDefault();
        case kIdShowMessages:
            // The box shows the inverse of "messages off".
            return m_bShowMessages == m_defaults.bMsgsOff;
        case kIdBypass:
            return m_bBypass != m_defaults.bBypassAcceptance;
        case kIdPass1Foreground:
            return m_pBlock->crPass1Foreground != m_defaults.crPass1Foreground;
        case kIdPass1Background:
            return m_pBlock->crPass1Background != m_defaults.crPass1Background;
        case kIdPass2Foreground:
            return m_pBlock->crPass2Foreground != m_defaults.crPass2Foreground;
        case kIdPass2Background:
            return m_pBlock->crPass2Background != m_defaults.crPass2Background;
        case kIdDarkRadio:
        case kIdBrightRadio:
            return m_nBright != m_defaults.bBrightBackgrounds;
        default:
            return false;
    }
}

void CCalConstPpg::ColourControl(unsigned id, QWidget*, QPalette& palette) {
    if (!m_pBlock) {
        return;
    }
    // The colour labels preview each pass's foreground on its background.
    int32_t foreground = 0;
    int32_t background = 0;
    if (id == kIdPass1ForegroundLabel || id == kIdPass1BackgroundLabel) {
        foreground = m_pBlock->crPass1Foreground;
        background = m_pBlock->crPass1Background;
    } else if (id == kIdPass2ForegroundLabel || id == kIdPass2BackgroundLabel) {
        foreground = m_pBlock->crPass2Foreground;
        background = m_pBlock->crPass2Background;
    } else {
        return;
    }
    palette.setColor(QPalette::WindowText, ToQColor(foreground));
    palette.setColor(QPalette::Window, ToQColor(background));
}
