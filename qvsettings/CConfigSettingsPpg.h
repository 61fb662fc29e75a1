#pragma once
// "Save & Restore" page: backs the whole settings record up to a file of the user's choosing
// (with a dated default name), restores it from such a file, and opens the program information.

#include <QString>
#include <ctime>

#include "CBRLPropPage.h"
#include "qvfileio.h"

class ISettingsLibrary;

class CConfigSettingsPpg : public CBRLPropPage {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 121;
    static constexpr unsigned kIdBackup = 1182;
    static constexpr unsigned kIdRevert = 1181;
    static constexpr unsigned kIdInformation = 1253;

    explicit CConfigSettingsPpg(QWidget* parent = nullptr);

    // The sheet's record and library (not owned), and the folder the file dialogs start in.
    void SetRecord(QvSettingsRecord* record) { m_pRecord = record; }
    void SetLibrary(ISettingsLibrary* library) { m_pLibrary = library; }
    void SetStartDir(const QString& startDir) { m_strStartDir = startDir; }

    void LoadFromSettings() override;
    void StoreControl(unsigned nID) override;

    // The default backup file: startDir + "/QVSettings_On_" + full month name + "_%2d_%4d" of the
    // day and year + ".qv". The day is padded with a space to two characters.
    static QString DefaultBackupName(const QString& startDir, const std::tm& when);
    // The file dialogs' filters.
    static const char* const kBackupFilter;
    static const char* const kRevertFilter;

    // Writes the record to a file the user picks; one that cannot be written is reported.
    void OnBackup();
    void OnRevert();
    void OnInformation();

protected:
    void CreateControls() override;
    bool OnPageCommand(unsigned id, unsigned code) override;

private:
    QString FolderPrefix() const;

    QvSettingsRecord* m_pRecord = nullptr;
    ISettingsLibrary* m_pLibrary = nullptr;
    QString m_strStartDir;
};
