// MessageDlg: tells the user something went wrong and waits until it has been read: the text
// across the top and one gaze button, "OK", below it, chosen by dwelling like every other
// button. Used where a failure would otherwise pass unseen (a drawing or the settings that
// could not be written, a drawing that could not be deleted).
//
// Placed like the confirmation questions, a third of the screen down and a quarter of its height
// high, but wider (half the screen, centred), and run modally by its owner, which forwards gaze
// points to it while it is shown. exec() always returns kOk: there is nothing to decide, so
// Escape and a window close count as OK too.
//
// User-interface thread only.
#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QString>

#include "AtomicFile.h"
#include "dialogs/GazeDialog.h"

namespace lumora {

class LM_UtilityButton;

class MessageDlg : public GazeDialog {
    Q_OBJECT
public:
    static constexpr const char* kOkCaption = QT_TRANSLATE_NOOP("lumora::MessageDlg", "OK");  // shown translated

    // screen: the size of the screen the main window covers; sound must outlive the dialog;
    // parent: the window that runs it (placement is in screen pixels all the same).
    MessageDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent, const QString& text);

    const QString& text() const { return m_text; }
    LM_UtilityButton* okButton() const { return m_ok; }

    // The dialog's place on the screen, the OK button's place in it, and the area above the
    // button that the text is fitted into.
    static QRect Placement(const QSize& screen);
    static QRect OkButtonPlace(const QSize& screen);
    static QRect TextArea(const QSize& screen);
    // The font the text is drawn in: the questions' size, made smaller only as far as needed for
    // the whole text, wrapped at word boundaries, to fit the area.
    static QFont TextFont(const QSize& screen, const QString& text);
    static constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap;

    // What to tell the user, in the program's language, when something (what: "drawing",
    // "settings") was not written: "The drawing could not be saved: the disk is full." for a full
    // disk, "...: the folder cannot be written." for any other failure. Empty when it was written.
    static QString NotSavedText(const char* what, support::WriteStatus status);

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* e) override;
    void drawContent(QImage& picture) override;
    void buttonChosen(std::uintptr_t value, int group) override;

private:
    QString m_text;
    LM_UtilityButton* m_ok;
};

}  // namespace lumora
