#pragma once
// The editor's own test fixture: its application (the shared offscreen one, with the editor's
// Enter-key filter and the profile in the test's scratch folder), and stand-ins for what only
// the editor has: its message-box and file-dialog interfaces and its settings library. The
// general GUI helpers (waiting for dialogs, clicks, typing) are the shared test support's.

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <ostream>

#include "FileDialogs.h"
#include "OffscreenApp.h"
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

using testsupport::ClickButton;
using testsupport::ShowActive;
using testsupport::TypeInto;
using testsupport::WhenDialogOpens;
using testsupport::WhenModalOpens;

// The tracker settings file of language 0 ("US"), as the library writes it.
QString TrackerSettingsFile();
