// What the dialog tests share: an offscreen 1920 x 1080 screen, event pumping, gaze points
// posted as the main window forwards them, and a stand-in main window that records what the
// dialogs post to it.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "buttons/LumoraButton.h"
#include "app/MessageRegistry.h"
#include "app/SoundPlayer.h"
#include "ScriptedSoundPlayer.h"

namespace lumora::test {

inline const QSize kScreen(1920, 1080);

inline QApplication& App() {
    static int argc = 1;
    static char name[] = "dialog_test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: the application must outlive every static of the program and of Qt, so
    // it is left to the process's exit.
    static QApplication* app = [] {
        // In the test's own working folder (its scratch folder, before any case moves into a
        // folder of its own), one file per process: test cases run side by side must not read
        // each other's half-written one.
        const QString config = QDir::current().filePath(
            QStringLiteral("lumora-dialog-test-screen-%1.json").arg(QCoreApplication::applicationPid()));
        QFile f(config);
        f.open(QIODevice::WriteOnly);
        f.write(
            R"({"screens":[{"name":"A","x":0,"y":0,"width":1920,"height":1080,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
        f.close();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
        auto* application = new QApplication(argc, argv);
        // The platform has read it; a run leaves nothing behind.
        QFile::remove(config);
        return application;
    }();
    return *app;
}

// Every test program that includes this has its application before its first test.
class AppEnvironment : public ::testing::Environment {
public:
    void SetUp() override { App(); }
};
[[maybe_unused]] inline const ::testing::Environment* const kAppEnvironment =
    ::testing::AddGlobalTestEnvironment(new AppEnvironment);

inline void Pump() {
    for (int i = 0; i < 6; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
    }
}

// The screen point at the centre of a widget (the main window covers the screen from (0, 0)).
inline QPoint ScreenCentre(const QWidget* w) {
    return w->mapToGlobal(w->rect().center());
}

// Posts `times` gaze points at the screen point to the window, as the main window forwards them.
inline void PostGaze(QObject* window, const QPoint& screenPoint, int times) {
    for (int i = 0; i < times; ++i)
        PostLumoraMessage(window, WM_GAZE_POINT, 1, PointLParam(screenPoint));
}

// Looks at the button until it fires once.
inline void GazeChoose(QObject* window, const LumoraButton* button) {
    PostGaze(window, ScreenCentre(button), LumoraButton::kFireCount);
}

// Calls fn once, from the event loop, as soon as the window is visible (for a nested exec()).
inline void WhenVisible(QWidget* window, std::function<void()> fn) {
    auto* poll = new QTimer(window);
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, window, [poll, window, fn = std::move(fn)] {
        if (!window->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        fn();
    });
    poll->start();
}

// Calls fn once, from the event loop, as soon as the window find() returns exists and is visible
// (a dialog made only when it is needed). context: what the polling belongs to.
inline void WhenShown(QObject* context, std::function<QWidget*()> find, std::function<void()> fn) {
    auto* poll = new QTimer(context);
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, context, [poll, find = std::move(find), fn = std::move(fn)] {
        QWidget* window = find();
        if (!window || !window->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        fn();
    });
    poll->start();
}

struct Message {
    unsigned msg;
    std::uintptr_t wParam;
    std::intptr_t lParam;
};

// Stands in for the main window: records every message the dialogs post to it, and the text
// of the string a WM_DRAWING_FILE carried at delivery.
// Makes the application first when a fixture member comes before any SetUp().
struct AppFirst {
    AppFirst() { App(); }
};

class MainWindowStandIn : private AppFirst, public QWidget {
public:
    MainWindowStandIn() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
        setGeometry(QRect(QPoint(0, 0), kScreen));
    }
    std::vector<Message> received;
    QStringList drawingFiles;

protected:
    bool event(QEvent* e) override {
        if (e->type() != LumoraMessageEvent::eventType())
            return QWidget::event(e);
        const auto* m = static_cast<const LumoraMessageEvent*>(e);
        received.push_back({m->msg(), m->wParam(), m->lParam()});
        if (m->msg() == WM_DRAWING_FILE)
            drawingFiles << QString::number(m->wParam()) + QLatin1Char(' ') + m->text();
        return true;
    }
};

// Installs a scripted sound player for the test's lifetime (the buttons use the program-wide one).
class ScriptedSound {
public:
    ScriptedSound() {
        auto player = std::make_unique<ScriptedSoundPlayer>();
        m_player = player.get();
        SetSoundPlayer(std::move(player));
    }
    ~ScriptedSound() { SetSoundPlayer(nullptr); }
    ScriptedSoundPlayer& player() { return *m_player; }

private:
    ScriptedSoundPlayer* m_player;
};

// Moves into a folder of the running test's own under the test's working folder, so that test
// cases run side by side never share "Lumora/..." files.
inline void EnterOwnFolder() {
    static const QString base = QDir::currentPath();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const QString own = base + QStringLiteral("/cases/") + QString::fromLatin1(info->test_suite_name()) +
                        QLatin1Char('.') + QString::fromLatin1(info->name());
    QDir(own).removeRecursively();
    QDir().mkpath(own);
    QDir::setCurrent(own);
}

// The working folder's drawings folder, emptied.
inline QString FreshDrawingsFolder() {
    QDir("Lumora/Drawings").removeRecursively();
    QDir().mkpath("Lumora/Drawings");
    return QStringLiteral("Lumora/Drawings");
}

}  // namespace lumora::test
