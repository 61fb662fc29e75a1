// What Lumora's GUI tests share: the application on a 1920 x 1080 offscreen screen (made before
// the first test), gaze points posted as the main window forwards them, a stand-in main window
// that records what the dialogs post to it, a scripted sound player installed for a test, and
// a folder of the running case's own. GUI thread only.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "OffscreenApp.h"
#include "ScratchDir.h"
#include "ScriptedSoundPlayer.h"
#include "app/MessageRegistry.h"
#include "app/SoundPlayer.h"
#include "buttons/LumoraButton.h"

namespace lumora::test {

using testsupport::Pump;
using testsupport::WhenShown;
using testsupport::WhenVisible;

inline const QSize kScreen(1920, 1080);

inline QApplication& App() {
    return testsupport::OffscreenApp(kScreen);
}

// Every test program that includes this has its application before its first test.
class AppEnvironment : public ::testing::Environment {
public:
    void SetUp() override { App(); }
};
[[maybe_unused]] inline const ::testing::Environment* const kAppEnvironment =
    ::testing::AddGlobalTestEnvironment(new AppEnvironment);

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

struct Message {
    unsigned msg;
    std::uintptr_t wParam;
    std::intptr_t lParam;
};

// Makes the application first when a fixture member comes before any SetUp().
struct AppFirst {
    AppFirst() { App(); }
};

// Stands in for the main window: records every message the dialogs post to it, and the text
// of the string a WM_DRAWING_FILE carried at delivery.
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
    ScriptedSound(const ScriptedSound&) = delete;
    ScriptedSound& operator=(const ScriptedSound&) = delete;
    ScriptedSoundPlayer& player() { return *m_player; }

private:
    ScriptedSoundPlayer* m_player;
};

// Moves into a fresh folder of the running case's own (a testsupport::ScratchDir), so that
// cases run side by side never share "Lumora/..." files. The case stays there: its windows may
// write after the test body, so the folder is left only when the next case enters its own.
inline void EnterOwnFolder() {
    static std::optional<testsupport::ScratchDir> own;
    own.reset();
    own.emplace();
}

// The working folder's drawings folder, emptied.
inline QString FreshDrawingsFolder() {
    QDir("Lumora/Drawings").removeRecursively();
    QDir().mkpath("Lumora/Drawings");
    return QStringLiteral("Lumora/Drawings");
}

}  // namespace lumora::test
