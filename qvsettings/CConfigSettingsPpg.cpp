#include "CConfigSettingsPpg.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <ctime>

#include "CInfoDialog.h"
#include "FileDialogs.h"
#include "SettingsLibrary.h"
#include "SettingsSaver.h"

const char* const CConfigSettingsPpg::kBackupFilter =
    QT_TRANSLATE_NOOP("CConfigSettingsPpg", "Quorvane settings files (*.qv);;All files (*)");
const char* const CConfigSettingsPpg::kRevertFilter =
    QT_TRANSLATE_NOOP("CConfigSettingsPpg", "Quorvane Config files (*.qv);;All files (*)");

namespace {
const char* const kBackupPrefix = "QVSettings_On_";
const char* const kBackupExtension = "qv";
const char* const kRevertPattern = "*.qv";
constexpr size_t kMonthNameCapacity = 64;
constexpr int kYearBase = 1900;
}  // namespace

CConfigSettingsPpg::CConfigSettingsPpg(QWidget* parent) : CBRLPropPage(kTemplateId, tr("Save & Restore"), parent) {}

void CConfigSettingsPpg::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    auto addText = [&](const char* text) {
        auto* label = new QLabel(tr(text), this);
        label->setWordWrap(true);
        layout->addWidget(label);
    };
    auto addButton = [&](unsigned id, const char* text) {
        auto* button = new QPushButton(tr(text), this);
        RegisterControl(id, button);
        layout->addWidget(button);
    };
    addText(QT_TRANSLATE_NOOP("CConfigSettingsPpg",
                              "You can save the settings to a back-up file before making any changes."));
    addText(QT_TRANSLATE_NOOP(
        "CConfigSettingsPpg",
        "When you click on the Backup button, you will be prompted for a file name.  This program will save all of "
        "the settings to that file."));
    addButton(kIdBackup, QT_TRANSLATE_NOOP("CConfigSettingsPpg", "Backup these settings as..."));
    addText(QT_TRANSLATE_NOOP("CConfigSettingsPpg", "You can revert to the settings that you saved earlier."));
    addText(QT_TRANSLATE_NOOP("CConfigSettingsPpg",
                              "Click on the link below to select a settings file that you have backed up."));
    addButton(kIdRevert, QT_TRANSLATE_NOOP("CConfigSettingsPpg", "Revert to settings from..."));
    layout->addStretch();
    addButton(kIdInformation, QT_TRANSLATE_NOOP("CConfigSettingsPpg", "QVX Program Information"));
}

void CConfigSettingsPpg::LoadFromSettings() {
    UpdateData(false);
}

void CConfigSettingsPpg::StoreControl(unsigned) {
    UpdateData(true);
    RepaintPage(true);
}

bool CConfigSettingsPpg::OnPageCommand(unsigned id, unsigned code) {
    if (code == kCodeClicked) {
        switch (id) {
            case kIdBackup:
                OnBackup();
                return true;
            case kIdRevert:
                OnRevert();
                return true;
            case kIdInformation:
                OnInformation();
                return true;
            default:
                break;
        }
    }
    return CBRLPropPage::OnPageCommand(id, code);
}

QString CConfigSettingsPpg::DefaultBackupName(const QString& startDir, const std::tm& when) {
    char month[kMonthNameCapacity] = {};
    std::strftime(month, sizeof month, "%B", &when);
    QString folder = startDir;
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder + QString::fromLatin1(kBackupPrefix) + QString::fromLocal8Bit(month) +
           QString::asprintf("_%2d_%4d", when.tm_mday, when.tm_year + kYearBase) + QLatin1Char('.') +
           QString::fromLatin1(kBackupExtension);
}

void CConfigSettingsPpg::OnBackup() {
    UpdateData(true);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    FileDialogRequest request;
    request.initialPath = DefaultBackupName(m_strStartDir, local);
    request.filter = tr(kBackupFilter);
    request.defaultExtension = QString::fromLatin1(kBackupExtension);
    const QString path = FileDialogs().GetSaveFileName(this, request);
    if (!path.isEmpty() && m_pRecord && m_pLibrary) {
        SettingsSaver(*m_pLibrary, this).SaveTo(m_pRecord, path);
    }
}

QString CConfigSettingsPpg::FolderPrefix() const {
    return m_strStartDir.endsWith(QLatin1Char('/')) ? m_strStartDir : m_strStartDir + QLatin1Char('/');
}

void CConfigSettingsPpg::OnRevert() {
    FileDialogRequest request;
    request.initialPath = FolderPrefix() + QString::fromLatin1(kRevertPattern);
    request.filter = tr(kRevertFilter);
    const QString path = FileDialogs().GetOpenFileName(this, request);
    if (!path.isEmpty() && m_pRecord && m_pLibrary) {
        m_pLibrary->ReadFrom(m_pRecord, path);
    }
    // Even a cancelled revert leaves Apply enabled, as the button press already did.
    SetModified(true);
    UpdateData(false);
}

void CConfigSettingsPpg::OnInformation() {
    CInfoDialog dialog;
    dialog.exec();
}
