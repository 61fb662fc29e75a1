#pragma once
// The settings editor's property sheet, "Quorvane Eye-Tracker Settings": the one settings record
// of the program, its pages, and the OK / Cancel / Apply rules. The record is read when the
// sheet is built and written on Apply and on OK; a write that does not succeed is reported and
// keeps the sheet open with its edits.

#include <QDialog>
#include <QList>

#include "qvfileio.h"

class CBRLPropPage;
class CCalConstPpg;
class CConfigSettingsPpg;
class CHardwarePpg;
class CImageProcPpg;
class CSystemHardware;
class ISettingsLibrary;
class QPushButton;
class QTabWidget;

class CQvSettingsDlg : public QDialog {
    Q_OBJECT
public:
    // The file whose presence in the current folder, when the sheet is built, adds the maker's
    // "System Hardware" page.
    static const char* const kMakerMarkerFile;
    static const char* const kCancelQuestion;

    // Reads the record through library (not owned, must outlive the sheet). startDir is the
    // folder the backup and revert dialogs start in.
    CQvSettingsDlg(ISettingsLibrary& library, const QString& startDir, QWidget* parent = nullptr);

    QvSettingsRecord settings{};

    bool IsMakerMode() const { return m_pSystemHardware != nullptr; }
    QTabWidget* Tabs() const { return m_tabs; }
    QList<CBRLPropPage*> Pages() const { return m_pages; }
    CBRLPropPage* CurrentPage() const;
    CConfigSettingsPpg* ConfigPage() const { return m_pConfig; }
    CImageProcPpg* ImageProcPage() const { return m_pImageProc; }
    CHardwarePpg* HardwarePage() const { return m_pHardware; }
    CSystemHardware* SystemHardwarePage() const { return m_pSystemHardware; }
    CCalConstPpg* CalConstPage() const { return m_pCalConst; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* ApplyButton() const { return m_apply; }
    QPushButton* AboutButton() const { return m_about; }

    // Apply is enabled while some page has been modified since the sheet opened or the last Apply.
    bool IsApplyEnabled() const;

    // The buttons' commands. Apply and OK first take the edit of the focused field, then write;
    // OK closes the sheet only when the write succeeded.
    void OnApply();
    void OnOK();
    void OnAbout();
    // Cancel, Escape and closing the window: asks first while Apply is enabled.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void AddPage(CBRLPropPage* page);
    void OnPageChanged(int index);
    void UpdateApplyState();
    // Writes the record to the current language's settings file; false (after telling the user
    // why) when it was not saved.
    bool Save();
    // Lets the field that has the focus store its edit, as leaving it for the button would.
    void TakeFocus(QPushButton* button);

    ISettingsLibrary& m_library;
    CConfigSettingsPpg* m_pConfig = nullptr;
    CImageProcPpg* m_pImageProc = nullptr;
    CHardwarePpg* m_pHardware = nullptr;
    CSystemHardware* m_pSystemHardware = nullptr;
    CCalConstPpg* m_pCalConst = nullptr;
    QList<CBRLPropPage*> m_pages;
    QTabWidget* m_tabs = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_apply = nullptr;
    QPushButton* m_about = nullptr;
    CBRLPropPage* m_pActive = nullptr;
};

// The program: builds the sheet in the current folder and shows it modally until it is closed
// (OK writes the record first). Returns the process exit code.
int RunQvSettings(ISettingsLibrary& library);
