#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSettings>

#include "CEnterKeyFilter.h"

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        QApplication& app = testsupport::OffscreenApp();
        const QString scratch = QDir::currentPath();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch + QStringLiteral("/profile"));
        app.installEventFilter(&m_enterFilter);
    }
    void TearDown() override { QCoreApplication::instance()->removeEventFilter(&m_enterFilter); }

private:
    CEnterKeyFilter m_enterFilter;
};

const bool kGRegistered = (::testing::AddGlobalTestEnvironment(new QtEnvironment), true);
}  // namespace

MsgAnswer ScriptedMessageBoxes::Ask(QWidget*, const MessageBoxRequest& request) {
    asked.append(request);
    if (answers.empty()) {
        return request.buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
    }
    const MsgAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString ScriptedFileDialogs::GetSaveFileName(QWidget*, const FileDialogRequest& request) {
    saveRequests.append(request);
    if (paths.empty()) {
        return {};
    }
    const QString path = paths.front();
    paths.pop_front();
    return path;
}

QString ScriptedFileDialogs::GetOpenFileName(QWidget*, const FileDialogRequest& request) {
    openRequests.append(request);
    if (paths.empty()) {
        return {};
    }
    const QString path = paths.front();
    paths.pop_front();
    return path;
}

void CountingLibrary::Read(QvSettingsRecord* record) {
    ++reads;
    QvFileIoLibrary::Read(record);
}

int32_t CountingLibrary::Write(QvSettingsRecord* record) {
    ++writes;
    return failWritesWith != 0 ? failWritesWith : QvFileIoLibrary::Write(record);
}

int32_t CountingLibrary::WriteTo(QvSettingsRecord* record, const QString& path) {
    writtenTo.append(path);
    return failWritesWith != 0 ? failWritesWith : QvFileIoLibrary::WriteTo(record, path);
}

void CountingLibrary::ReadFrom(QvSettingsRecord* record, const QString& path) {
    readFrom.append(path);
    QvFileIoLibrary::ReadFrom(record, path);
}

QString TrackerSettingsFile() {
    return QStringLiteral("QVSettings/Settings_US.qv");
}
