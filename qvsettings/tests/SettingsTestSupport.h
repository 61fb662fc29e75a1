#pragma once
// Shared by the editor's tests: a QApplication for the whole test program (offscreen), the
// profile in the test's scratch folder, and scripted answers for message boxes, file dialogs
// and modal dialogs.

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <ostream>

#include "FileDialogs.h"
#include "MessageBoxes.h"
#include "SettingsLibrary.h"

class QWidget;

// Answers every question from a queue (OK when the queue is empty) and keeps what was asked.
class ScriptedMessageBoxes : public IMessageBoxes {
public:
    ScriptedMessageBoxes() { SetMessageBoxes(this); }
    ~ScriptedMessageBoxes() override { SetMessageBoxes(nullptr); }
    MsgAnswer Ask(QWidget* parent, const MessageBoxRequest& request) override;

    std::deque<MsgAnswer> answers;
    QList<MessageBoxRequest> asked;
};

// Answers file dialogs with a queue of paths (an empty path is a cancel).
class ScriptedFileDialogs : public IFileDialogs {
public:
    ScriptedFileDialogs() { SetFileDialogs(this); }
    ~ScriptedFileDialogs() override { SetFileDialogs(nullptr); }
    QString GetSaveFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString GetOpenFileName(QWidget* parent, const FileDialogRequest& request) override;

    std::deque<QString> paths;
    QList<FileDialogRequest> saveRequests;
    QList<FileDialogRequest> openRequests;
};

// The real library, with every call counted.
class CountingLibrary : public QvFileIoLibrary {
public:
    void Read(QvSettingsRecord* record) override;
    int32_t Write(QvSettingsRecord* record) override;
    int32_t WriteTo(QvSettingsRecord* record, const QString& path) override;
    void ReadFrom(QvSettingsRecord* record, const QString& path) override;

    // When not 0, writes answer this without writing, as a write that failed on a full disk.
    int32_t failWritesWith = 0;
    int reads = 0;
    int writes = 0;
    QStringList writtenTo;
    QStringList readFrom;
};

// Runs action on the next modal dialog of type T that opens (from inside its exec), e.g. to
// press its Cancel button.
template <class T>
void WhenDialogOpens(std::function<void(T*)> action);
// Offers every modal widget to action until it returns true.
void WhenModalOpens(std::function<bool(QWidget*)> action);

// The tracker settings file of language 0 ("US"), as the library writes it.
QString TrackerSettingsFile();

// Types text into widget as a user would (keyboard events), after selecting what is there.
void TypeInto(QWidget* widget, const QString& text);

template <class T>
void WhenDialogOpens(std::function<void(T*)> action) {
    WhenModalOpens([action](QWidget* w) {
        T* dialog = qobject_cast<T*>(w);
        if (dialog) {
            action(dialog);
        }
        return dialog != nullptr;
    });
}

// Clicks a button, check box or radio button on its indicator (a stretched check box takes clicks
// only on its box and text).
void ClickButton(QWidget* button);

// Lets test failures print QStrings readably.
void PrintTo(const QString& text, std::ostream* out);

// Shows window and makes it the active window, so that focus changes send real focus events.
bool ShowActive(QWidget* window);
