#pragma once
// Base of every page of the settings sheet. A page edits one block of the sheet's settings record
// in place: it loads the block into its controls each time it is activated, stores a control
// into the block when the focus leaves it or it is clicked, marks itself modified (which enables
// the sheet's Apply button), highlights values that differ from the defaults and resets its
// block to the defaults after a confirmation.
//
// Controls carry the numeric ids of the page's dialog layout; the page sees every user action on
// them as a command (id, notification code), as the pages of the original dialogs did.

#include <QHash>
#include <QPalette>
#include <QString>
#include <QWidget>

class QAbstractButton;
class QBoxLayout;

// True once a page has been activated and loaded; until then a field losing the focus stores
// nothing. Only the UI thread touches it.
extern bool g_bPagesReady;

class CBRLPropPage : public QWidget {
    Q_OBJECT
public:
    // Notification codes of the commands a page receives.
    static constexpr unsigned kCodeClicked = 0;             // button click or menu command
    static constexpr unsigned kCodeComboSelChange = 1;      // user picked another combo item
    static constexpr unsigned kCodeComboKillFocus = 4;      // combo box lost the focus
    static constexpr unsigned kCodeEditKillFocus = 0x200;   // edit field lost the focus
    static constexpr unsigned kIdHighlightButton = 1095;    // on every tracker page
    static constexpr unsigned kIdSetDefaultsButton = 1096;  // on every tracker page
    static constexpr unsigned kIdNone = 0;                  // StoreControl(0): the page is left

    CBRLPropPage(unsigned templateId, const QString& caption, QWidget* parent = nullptr);

    unsigned TemplateId() const { return m_templateId; }
    const QString& Caption() const { return m_caption; }

    // Copies the block into the page's fields and controls.
    virtual void LoadFromSettings() {}
    // Copies the control nID into the block; 0 means no particular control (the page is left).
    virtual void StoreControl(unsigned nID) { (void)nID; }

    // Called by the sheet: creation at the first activation, activation, deactivation.
    void EnsureCreated();
    bool IsCreated() const { return m_bCreated; }
    virtual void OnSetActive();
    virtual void OnKillActive();

    // Every user action on a control of the page arrives here.
    void OnCommand(unsigned id, unsigned code);

    bool IsModified() const { return m_bModified; }
    void SetModified(bool modified = true);

    bool IsHighlighting() const { return m_bHighlight; }
    // Whether the control id is painted as differing from the defaults (only while highlighting).
    bool IsPaintedNonDefault(unsigned id) const { return m_bHighlight && IsControlNonDefault(id); }
    // Repaints the page: recomputes the colours of every control, then asks for a repaint.
    void RepaintPage(bool erase);

    QWidget* Control(unsigned id) const { return m_controls.value(id); }

    // The three texts of the highlight button, shared for tests.
    static const char* const kHighlightCaption;
    static const char* const kHideHighlightCaption;

signals:
    void modifiedChanged(bool modified);

protected:
    // Builds the page's widgets (registering each control with its id). Called once.
    virtual void CreateControls() = 0;
    // Dialog initialisation, after CreateControls: loads the page. Returns true.
    virtual bool OnInitDialog();
    // Moves the page's check, radio and combo state between the controls and its own members.
    virtual void DoDataExchange(bool saveAndValidate) { (void)saveAndValidate; }
    void UpdateData(bool saveAndValidate) { DoDataExchange(saveAndValidate); }
    // The page's own command handlers, after the common routing. Returns true when handled.
    virtual bool OnPageCommand(unsigned id, unsigned code);
    // Whether the control (or label) id shows a value that differs from the page's defaults.
    virtual bool IsControlNonDefault(unsigned id) const {
        (void)id;
        return false;
    }
    // Extra colouring after the highlight decision (labels that preview colours, for instance).
    virtual void ColourControl(unsigned id, QWidget* control, QPalette& palette) {
        (void)id;
        (void)control;
        (void)palette;
    }

    // Registers a control under its id: its clicks, combo selections and focus losses become
    // commands. Buttons never act as default buttons: Enter is handled by the program's filter.
    void RegisterControl(unsigned id, QWidget* control);
    // Adds the "Set Values to Defaults on this Page" and highlight buttons to layout.
    void AddStandardButtons(QBoxLayout* layout);
    // Shows the defaults warning; true when the user pressed OK.
    virtual bool ConfirmDefaults();
    // Copies what was typed into a validated field to its block member; a field whose text was
    // not edited leaves the member untouched. Returns whether the field was edited.
    template <class Field, class Value>
    static bool StoreField(Field& field, Value& member) {
        bool modified = false;
        const auto value = field.GetValue(&modified);
        if (modified) {
            member = value;
        }
        return modified;
    }

    bool eventFilter(QObject* watched, QEvent* event) override;

    bool m_bHighlight = false;

private:
    void OnHighlightToggle();

    unsigned m_templateId;
    QString m_caption;
    bool m_bCreated = false;
    bool m_bModified = false;
    QHash<unsigned, QWidget*> m_controls;
    QHash<const QObject*, unsigned> m_ids;
    QHash<unsigned, QPalette> m_basePalettes;
};

// A page bound to one block type of the settings record, with the page-local copy of the
// block's defaults that the highlight compares against.
template <class Block>
class CBRLBlockPage : public CBRLPropPage {
public:
    using CBRLPropPage::CBRLPropPage;
    // Points the page at its block inside the sheet's record (not owned). Must be set before
    // the page is first shown.
    void SetBlock(Block* block) { m_pBlock = block; }
    Block* GetBlock() const { return m_pBlock; }
    const Block& PageDefaults() const { return m_defaults; }

protected:
    Block* m_pBlock = nullptr;
    Block m_defaults{};
};
