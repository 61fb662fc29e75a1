#include "CQvSettingsDlg.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "CAboutDlg.h"
#include "CCalConstPpg.h"
#include "CConfigSettingsPpg.h"
#include "CHardwarePpg.h"
#include "CImageProcPpg.h"
#include "CSystemHardware.h"
#include "MessageBoxes.h"
#include "SettingsLibrary.h"
#include "SettingsSaver.h"

const char* const CQvSettingsDlg::kMakerMarkerFile = "IAmFactoryService.txt";
const char* const CQvSettingsDlg::kCancelQuestion = QT_TRANSLATE_NOOP(
    "CQvSettingsDlg",
    "Are you sure that you want to CANCEL?\nThis will cancel ALL edits since you started or hit Apply\nHit YES to "
    "exit without saving\nHit NO to return to the program");

namespace {
const char* const kCaption = QT_TRANSLATE_NOOP("CQvSettingsDlg", "Quorvane Eye-Tracker Settings");
const char* const kCancelCaption = QT_TRANSLATE_NOOP("CQvSettingsDlg", "Are you sure");
// Any language outside the valid indexes makes the library use the current language.
constexpr int32_t kCurrentLanguage = -1;
}  // namespace

CQvSettingsDlg::CQvSettingsDlg(ISettingsLibrary& library, const QString& startDir, QWidget* parent)
    : QDialog(parent), m_library(library) {
    setWindowTitle(tr(kCaption));
    setWindowIcon(CAboutDlg::ProgramIcon());

    settings.language = kCurrentLanguage;
    m_library.Read(&settings);

    m_pConfig = new CConfigSettingsPpg;
    m_pConfig->SetRecord(&settings);
    m_pConfig->SetLibrary(&m_library);
    m_pConfig->SetStartDir(startDir);
    m_pImageProc = new CImageProcPpg;
    m_pImageProc->SetBlock(&settings.imageProc);
    m_pHardware = new CHardwarePpg;
    m_pHardware->SetBlock(&settings.hardware);
    m_pCalConst = new CCalConstPpg;
    m_pCalConst->SetBlock(&settings.calibration);
    m_pCalConst->SetImageProcBlock(&settings.imageProc);

    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_tabs->setUsesScrollButtons(false);  // every tab stays in sight, none behind an arrow
    layout->addWidget(m_tabs);
    AddPage(m_pConfig);
    AddPage(m_pImageProc);
    AddPage(m_pCalConst);
    AddPage(m_pHardware);
    // Only existence counts; the marker's content is never read.
    if (QFileInfo::exists(QString::fromLatin1(kMakerMarkerFile))) {
        m_pSystemHardware = new CSystemHardware;
        m_pSystemHardware->SetBlock(&settings.hardware);
        AddPage(m_pSystemHardware);
    }
    m_tabs->setCurrentIndex(0);

    auto* buttons = new QHBoxLayout;
    m_about = new QPushButton(tr("&About QvSettings..."), this);
    m_ok = new QPushButton(tr("OK"), this);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_apply = new QPushButton(tr("&Apply"), this);
    m_ok->setDefault(true);
    m_apply->setEnabled(false);
    buttons->addWidget(m_about);
    buttons->addStretch();
    for (QPushButton* button : {m_ok, m_cancel, m_apply}) {
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &CQvSettingsDlg::OnOK);
    connect(m_cancel, &QPushButton::clicked, this, &CQvSettingsDlg::reject);
    connect(m_apply, &QPushButton::clicked, this, &CQvSettingsDlg::OnApply);
    connect(m_about, &QPushButton::clicked, this, &CQvSettingsDlg::OnAbout);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CQvSettingsDlg::OnPageChanged);
}

void CQvSettingsDlg::AddPage(CBRLPropPage* page) {
    m_pages.append(page);
    // Every page is built now, so that the sheet is sized for the largest one and never jumps;
    // loading and the page-ready flag still follow the activations.
    page->EnsureCreated();
    QString title = page->Caption();
    m_tabs->addTab(page, title.replace(QLatin1Char('&'), QStringLiteral("&&")));
    connect(page, &CBRLPropPage::modifiedChanged, this, &CQvSettingsDlg::UpdateApplyState);
}

CBRLPropPage* CQvSettingsDlg::CurrentPage() const {
    return qobject_cast<CBRLPropPage*>(m_tabs->currentWidget());
}

void CQvSettingsDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_pActive) {
        OnPageChanged(m_tabs->currentIndex());
    }
}

void CQvSettingsDlg::OnPageChanged(int index) {
    if (m_pActive) {
        m_pActive->OnKillActive();
    }
    m_pActive = qobject_cast<CBRLPropPage*>(m_tabs->widget(index));
    if (m_pActive) {
        m_pActive->OnSetActive();
    }
}

bool CQvSettingsDlg::IsApplyEnabled() const {
    return m_apply->isEnabled();
}

void CQvSettingsDlg::UpdateApplyState() {
    bool modified = false;
    for (const CBRLPropPage* page : m_pages) {
        modified = modified || page->IsModified();
    }
    m_apply->setEnabled(modified);
}

void CQvSettingsDlg::TakeFocus(QPushButton* button) {
    if (focusWidget() != button) {
        button->setFocus(Qt::OtherFocusReason);
    }
}

bool CQvSettingsDlg::Save() {
    return SettingsSaver(m_library, this).SaveCurrent(&settings);
}

void CQvSettingsDlg::OnApply() {
    TakeFocus(m_apply);
    if (m_pActive) {
        m_pActive->OnKillActive();
    }
    // Unsaved edits keep Apply enabled, so that Cancel still asks before throwing them away.
    if (!Save()) {
        return;
    }
    for (CBRLPropPage* page : m_pages) {
        page->SetModified(false);
    }
}

void CQvSettingsDlg::OnOK() {
    TakeFocus(m_ok);
    if (m_pActive) {
        m_pActive->OnKillActive();
    }
    // Written before the sheet closes, so that a write that fails leaves the user the edits and
    // the choice of what to do about them.
    if (Save()) {
        accept();
    }
}

void CQvSettingsDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CQvSettingsDlg::reject() {
    if (IsApplyEnabled()) {
        MessageBoxRequest request;
        request.text = tr(kCancelQuestion);
        request.caption = tr(kCancelCaption);
        request.buttons = MsgButtons::YesNo;
        request.icon = MsgIcon::Exclamation;
        request.defaultAnswer = MsgAnswer::No;
        if (MessageBoxes().Ask(this, request) != MsgAnswer::Yes) {
            return;
        }
    }
    QDialog::reject();
}

int RunQvSettings(ISettingsLibrary& library) {
    const QString startDir = QDir::currentPath();
    CQvSettingsDlg sheet(library, startDir);
    g_bPagesReady = false;
    sheet.exec();  // OK has written the settings before closing
    return 0;
}
