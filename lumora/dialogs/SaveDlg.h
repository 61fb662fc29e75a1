// SaveDlg: "Do you want to save your drawing?" Shows a picture of the drawing at one seventh of
// its size and the time-stamped name it will be saved under; "Save" asks the main window to save
// it (WM_DRAWING_FILE with DRAWING_FILE_SAVE and the name) and closes with OK, "No Save" closes
// with OK without saving, "Cancel" closes with Cancel. "Help" shows the save help window, which
// then takes the gaze points as well.
//
// Run modally by the main window for its Save and New buttons, suspended canvas around it.
// Each opening takes a fresh name and snapshot.
#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QFont>
#include <QString>
#include <functional>
#include <memory>

#include "dialogs/GazeDialog.h"

namespace lumora {

class LM_UtilityButton;
class SaveHelpDlg;

class SaveDlg : public GazeDialog {
    Q_OBJECT
public:
    // English; shown translated.
    static constexpr const char* kQuestion = QT_TRANSLATE_NOOP("lumora::SaveDlg", "Do you want to save your drawing?");
    static constexpr const char* kDrawingsFolder = "Lumora/Drawings";
    static constexpr const char* kNamePrefix = "Lumora/Drawings/Lumora";
    static constexpr const char* kNameTimeFormat = "yyyy-MM-dd_HHmmss";
    static constexpr const char* kNameSuffix = ".bmp";
    static constexpr ColorRef kNameColor = MakeColorRef(0xAA, 0xAA, 0xAA);
    static constexpr int kNameFontHeight = 16;
    static constexpr int kNameTop = 30;
    // The question stands in the band above the name, in the same size.
    static constexpr int kQuestionFontHeight = 16;
    static constexpr int kSnapshotTop = 60;
    static constexpr int kSnapshotScale = 7;
    // The snapshot's source rectangle: from (1, 1), (W - 200) x (H - 171).
    static constexpr int kSnapshotWidthLess = 200;
    static constexpr int kSnapshotHeightLess = 171;

    // The drawing as a save takes it (background and every finished shape).
    using SnapshotSource = std::function<QImage()>;
    using Clock = std::function<QDateTime()>;

    // screen: the main window's size. parent: the main window, which receives WM_DRAWING_FILE.
    SaveDlg(const QSize& screen, SoundPlayer& sound, SnapshotSource snapshot, QWidget* parent);
    ~SaveDlg() override;

    // The local time that names a new drawing (the current time by default).
    void setClock(Clock clock) { m_clock = std::move(clock); }

    const QString& fileName() const { return m_fileName; }
    // Whether the last opening ended with "Save" (a WM_DRAWING_FILE has been posted for it).
    bool saveChosen() const { return m_saveChosen; }
    const QImage& snapshot() const { return m_snapshot; }
    LM_UtilityButton* saveButton() const { return m_save; }
    LM_UtilityButton* noSaveButton() const { return m_noSave; }
    LM_UtilityButton* cancelButton() const { return m_cancel; }
    LM_UtilityButton* helpButton() const { return m_help; }
    SaveHelpDlg* helpWindow() const { return m_helpDlg.get(); }

    // "Lumora/Drawings/Lumora" + the time + ".bmp". When a drawing of that name exists already
    // (two saves within one second), "_1", "_2", ... comes before ".bmp": such a name still
    // sorts after the plain one and before the next second's. Past "_9" the number is led by one
    // "z" per extra digit ("_z10", "_zz100"), which keeps that order.
    static QString NewFileName(const QDateTime& localTime);

    // Where the dialog and its buttons stand.
    static QRect Placement(const QSize& screen);
    static QRect SaveButtonPlace(const QSize& screen);
    static QRect NoSaveButtonPlace(const QSize& screen);
    static QRect CancelButtonPlace(const QSize& screen);
    static QRect HelpButtonPlace(const QSize& screen);
    // Where the snapshot's seventh lands in the dialog.
    static QRect SnapshotPlace(const QSize& screen);
    // The fonts of the question and of a name, and where each is drawn in the dialog: the
    // question centred in the band above the name, the name from kNameTop down by its font's
    // full height (descenders and underscores included). Each font is of its pixel height
    // above, made smaller only as far as needed for the text to fit the dialog's width.
    static QFont QuestionFont(const QSize& screen);
    static QFont NameFont(const QSize& screen, const QString& name);
    static QRect QuestionPlace(const QSize& screen);
    static QRect NamePlace(const QSize& screen);

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* e) override;
    void drawContent(QImage& picture) override;
    void gazePoint(std::uintptr_t wParam, std::intptr_t lParam) override;
    void buttonChosen(std::uintptr_t value, int group) override;

private:
    void showHelp();

    SnapshotSource m_snapshotSource;
    Clock m_clock;
    QString m_fileName;
    bool m_saveChosen = false;
    QImage m_snapshot;
    LM_UtilityButton* m_save;
    LM_UtilityButton* m_noSave;
    LM_UtilityButton* m_cancel;
    LM_UtilityButton* m_help;
    std::unique_ptr<SaveHelpDlg> m_helpDlg;
};

}  // namespace lumora
