#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "CEnterKeyFilter.h"

namespace {
int g_argc = 1;
char g_arg0[] = "qvsettings_test";
char* g_argv[] = {g_arg0, nullptr};

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        m_app = std::make_unique<QApplication>(g_argc, g_argv);
        const QString scratch = QDir::currentPath();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch + QStringLiteral("/profile"));
        m_app->installEventFilter(&m_enterFilter);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
    CEnterKeyFilter m_enterFilter;
};

const bool g_registered = (::testing::AddGlobalTestEnvironment(new QtEnvironment), true);
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

void WhenModalOpens(std::function<bool(QWidget*)> action) {
    // Polls from inside the modal loop until the wanted dialog is up, then acts once.
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && action(modal)) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

QString TrackerSettingsFile() {
    return QStringLiteral("QVSettings/Settings_US.qv");
}

void TypeInto(QWidget* widget, const QString& text) {
    widget->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_Delete);
    QTest::keyClicks(widget, text);
}

bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

void ClickButton(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
