// The main window, offscreen, driven by posted gaze messages and button choices as the gaze
// thread and the buttons send them. No gaze thread runs.
#include "app/MainDlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <thread>
#include <functional>
#include <memory>
#include <vector>

#include "dialogs/AboutDlg.h"
#include "canvas/CPaintDlg.h"
#include "LumoraGuiTest.h"
#include "dialogs/ExitDlg.h"
#include "buttons/LumoraButton.h"
#include "app/QtGazeMessageSink.h"
#include "dialogs/SaveDlg.h"
#include "app/SoundPlayer.h"
#include "ScriptedSoundPlayer.h"

using namespace lumora;
using lumora::test::Pump;

namespace {

// Watches the messages that reach the canvas without taking them from it.
class CanvasRecorder : public QObject {
public:
    struct Message {
        unsigned msg;
        std::uintptr_t wParam;
        std::intptr_t lParam;
    };
    explicit CanvasRecorder(QObject* canvas) { canvas->installEventFilter(this); }
    const std::vector<Message>& messages() const { return m_messages; }
    void clearMessages() { m_messages.clear(); }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == LumoraMessageEvent::eventType()) {
            const auto* m = static_cast<const LumoraMessageEvent*>(e);
            m_messages.push_back({m->msg(), m->wParam(), m->lParam()});
        }
        return false;
    }

private:
    std::vector<Message> m_messages;
};

class MainTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto sound = std::make_unique<ScriptedSoundPlayer>();
        m_sounds = sound.get();
        SetSoundPlayer(std::move(sound));
        m_dlg = std::make_unique<MainDlg>(QRect(0, 0, 1024, 768), false);
        m_recorder = std::make_unique<CanvasRecorder>(m_dlg->canvas());
        m_dlg->show();
        Pump();
        m_recorder->clearMessages();
    }
    void TearDown() override {
        m_recorder.reset();
        m_dlg.reset();
        SetSoundPlayer(nullptr);
    }

    static QPoint Centre(const QWidget* w) { return w->mapToGlobal(QPoint(w->width() / 2, w->height() / 2)); }

    void gazeAt(const QPoint& p, int times) {
        for (int i = 0; i < times; ++i) {
            PostLumoraMessage(m_dlg.get(), WM_GAZE_POINT, 1, MakePointLParam(p.x(), p.y()));
            Pump();
        }
    }
    void gazeAt(int id, int times) { gazeAt(Centre(m_dlg->button(id)), times); }
    void choose(std::uintptr_t value, int group) {
        PostLumoraMessage(m_dlg.get(), WM_BUTTON_CHOSEN, value, group);
        Pump();
    }
    int canvasGot(unsigned msg) const {
        int n = 0;
        for (const auto& m : m_recorder->messages())
            n += m.msg == msg;
        return n;
    }
    std::vector<QString> shownPalette() const {
        std::vector<QString> names;
        for (LumoraButton* b : m_dlg->gazeTargets())
            if (b->isVisible() && (b->group() == kGroupColor || b->group() == kGroupStamp))
                names.push_back(b->objectName());
        return names;
    }
    QString slotName(int slot) const {
        const QRect place = m_dlg->layout().paletteSlot(slot);
        for (LumoraButton* b : m_dlg->gazeTargets())
            if (b->isVisible() && b->geometry() == place)
                return b->objectName();
        return {};
    }

    std::unique_ptr<MainDlg> m_dlg;
    std::unique_ptr<CanvasRecorder> m_recorder;
    ScriptedSoundPlayer* m_sounds = nullptr;
};

}  // namespace

// ---- Layout --------------------------------------------------------------------------------

TEST(MainLayoutTest, ScreenOf1024By768) {
    const MainLayout l = MainLayout::ForScreen(1024, 768);
    EXPECT_EQ(l.m, 10);
    EXPECT_DOUBLE_EQ(l.w, 91.136);
    EXPECT_EQ(l.h, 76);
    EXPECT_EQ(l.paletteSlot(0), QRect(212, 682, 91, 76));
    EXPECT_EQ(l.canvasRect(), QRect(111, 10, 802, 634));
}

TEST(MainLayoutTest, TenColumnsAndElevenMarginsFillTheWidth) {
    for (const auto& [W, H] : {std::pair{1024, 768}, {1920, 1080}, {1280, 1024}, {800, 600}}) {
        const MainLayout l = MainLayout::ForScreen(W, H);
        EXPECT_NEAR(10 * l.w + 11 * l.m, W, W % 100 * 0.11 + 1e-9) << W;
        // The right arrow stays left of the Dot button's column.
        EXPECT_LE(l.buttonAt(8 * l.w + 9 * l.m, 0).right(), static_cast<int>(W - l.m - l.w)) << W;
    }
}

TEST(MainLayoutTest, PalettesOfFewerThanSevenDoNotRotate) {
    std::vector<int> six{0, 1, 2, 3, 4, 5};
    EXPECT_FALSE(RotatePalette(six, true));
    EXPECT_FALSE(RotatePalette(six, false));
    EXPECT_EQ(six, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    std::vector<int> seven{0, 1, 2, 3, 4, 5, 6};
    EXPECT_TRUE(RotatePalette(seven, true));
    EXPECT_EQ(seven, (std::vector<int>{1, 2, 3, 4, 5, 6, 0}));
    EXPECT_TRUE(RotatePalette(seven, false));
    EXPECT_TRUE(RotatePalette(seven, false));
    EXPECT_EQ(seven, (std::vector<int>{6, 0, 1, 2, 3, 4, 5}));
}

TEST_F(MainTest, ButtonsStandWhereTheLayoutPutsThem) {
    EXPECT_EQ(m_dlg->gazeTargets().size(), 62u);
    EXPECT_EQ(m_dlg->colorPalette().size(), 10u);
    EXPECT_EQ(m_dlg->stampPalette().size(), 38u);
    EXPECT_EQ(m_dlg->button(IDC_LINE)->geometry(), QRect(10, 96, 91, 76));
    EXPECT_EQ(m_dlg->button(IDC_SAVE)->geometry(), QRect(922, 192, 91, 76));
    EXPECT_EQ(m_dlg->button(IDC_SETTINGS)->geometry().topLeft(), QPoint(10, 682));
    EXPECT_EQ(m_dlg->button(IDC_DOT)->geometry().topLeft(), QPoint(922, 682));
    EXPECT_EQ(m_dlg->button(IDC_ARROW_LEFT)->geometry().topLeft(), QPoint(111, 682));
    EXPECT_EQ(m_dlg->button(IDC_ARROW_RIGHT)->geometry().topLeft(), QPoint(819, 682));
    EXPECT_EQ(static_cast<QWidget*>(m_dlg->canvas())->geometry(), QRect(111, 10, 802, 634));
    EXPECT_EQ(shownPalette(), (std::vector<QString>{"Black", "Red", "Orange", "Yellow", "Green", "Blue"}));
    EXPECT_EQ(slotName(0), "Black");
    EXPECT_EQ(m_dlg->paletteMode(), kGroupShapeTool);
    EXPECT_EQ(m_dlg->button(IDC_ARROW_LEFT)->imageName(), "Lumora/Images/left_small.bmp");
    EXPECT_EQ(m_dlg->button(IDC_ARROW_RIGHT)->imageName(), "Lumora/Images/right_small.bmp");
}

// ---- Gaze points ---------------------------------------------------------------------------

TEST_F(MainTest, GazePointGoesToTheCanvasAndEveryButtonAndMovesTheCursor) {
    const QPoint p = Centre(m_dlg->button(IDC_UNDO));
    PostLumoraMessage(m_dlg.get(), WM_GAZE_POINT, 1, MakePointLParam(p.x(), p.y()));
    Pump();
    ASSERT_EQ(canvasGot(WM_GAZE_POINT), 1);
    EXPECT_EQ(m_recorder->messages().back().wParam, 1u);
    EXPECT_EQ(m_recorder->messages().back().lParam, MakePointLParam(p.x(), p.y()));
    EXPECT_EQ(m_dlg->button(IDC_UNDO)->dwellCount(), 1);
    EXPECT_EQ(m_dlg->gazeCursor().rect(), QRect(p.x() - 7, p.y() - 7, 15, 15));
    // Between the buttons the cursor shows in the window's own picture.
    gazeAt(QPoint(60, 680 - 7 + 1), 1);
    EXPECT_EQ(m_dlg->picture().pixel(60, 674) & 0xFFFFFF, ColorRefToQRgb(kColorGazeCursor) & 0xFFFFFF);
    gazeAt(QPoint(500, 300), 1);
    EXPECT_EQ(m_dlg->picture().pixel(60, 674) & 0xFFFFFF, ColorRefToQRgb(kColorBackground) & 0xFFFFFF);
}

TEST_F(MainTest, HeldGazeChoosesAButtonAt35AndAgainAt110) {
    gazeAt(IDC_UNDO, 34);
    EXPECT_EQ(canvasGot(WM_UNDO), 0);
    gazeAt(IDC_UNDO, 1);
    EXPECT_EQ(canvasGot(WM_UNDO), 1);
    EXPECT_TRUE(m_sounds->log().contains("async Lumora/Sounds/CLICK.WAV"));
    gazeAt(IDC_UNDO, 75);
    EXPECT_EQ(canvasGot(WM_UNDO), 2);
}

TEST_F(MainTest, DwellAndFixationEndGoToTheCanvasUnlessPaused) {
    PostLumoraMessage(m_dlg.get(), WM_GAZE_DWELL, 1, MakePointLParam(400, 300));
    PostLumoraMessage(m_dlg.get(), WM_GAZE_FIXATION_END, 1, MakePointLParam(400, 300));
    Pump();
    EXPECT_EQ(canvasGot(WM_GAZE_DWELL), 1);
    EXPECT_EQ(canvasGot(WM_GAZE_FIXATION_END), 1);
    choose(0, kGroupDot);
    PostLumoraMessage(m_dlg.get(), WM_GAZE_DWELL, 1, MakePointLParam(400, 300));
    PostLumoraMessage(m_dlg.get(), WM_GAZE_FIXATION_END, 1, MakePointLParam(400, 300));
    Pump();
    EXPECT_EQ(canvasGot(WM_GAZE_DWELL), 1);
    EXPECT_EQ(canvasGot(WM_GAZE_FIXATION_END), 1);
}

TEST_F(MainTest, WhilePausedOnlyTheDotButtonListens) {
    gazeAt(IDC_DOT, 35);
    ASSERT_TRUE(m_dlg->gazePaused());
    EXPECT_EQ(m_dlg->dotButton()->caption(), "Dot On");
    EXPECT_TRUE(m_dlg->dotButton()->showsDot());
    m_recorder->clearMessages();

    gazeAt(IDC_UNDO, 40);
    EXPECT_EQ(m_recorder->messages().size(), 0u);
    EXPECT_EQ(m_dlg->button(IDC_UNDO)->dwellCount(), 0);
    EXPECT_EQ(m_dlg->dotButton()->dwellCount(), 0);  // it saw the points elsewhere

    gazeAt(IDC_DOT, 34);
    EXPECT_TRUE(m_dlg->gazePaused());
    gazeAt(IDC_DOT, 1);
    EXPECT_FALSE(m_dlg->gazePaused());
    EXPECT_EQ(m_dlg->dotButton()->caption(), "Dot Off");
    EXPECT_FALSE(m_dlg->dotButton()->showsDot());
    gazeAt(IDC_UNDO, 35);
    EXPECT_EQ(canvasGot(WM_UNDO), 1);
}

TEST_F(MainTest, MouseClickActsAsTheGazeChoiceAndLeavesTheCount) {
    gazeAt(IDC_UNDO, 10);
    QTest::mouseClick(m_dlg->button(IDC_UNDO), Qt::LeftButton);
    Pump();
    EXPECT_EQ(canvasGot(WM_UNDO), 1);
    EXPECT_EQ(m_dlg->button(IDC_UNDO)->dwellCount(), 10);
}

// ---- Choices -------------------------------------------------------------------------------

TEST_F(MainTest, PaletteRotatesBothWays) {
    choose(0, kGroupRotateLeft);  // the right arrow
    EXPECT_EQ(slotName(0), "Red");
    EXPECT_EQ(slotName(5), "Purple");
    EXPECT_EQ(m_dlg->colorPalette().back()->objectName(), "Black");
    choose(0, kGroupRotateRight);  // the left arrow
    choose(0, kGroupRotateRight);
    EXPECT_EQ(slotName(0), "White");
    EXPECT_EQ(slotName(1), "Black");
    EXPECT_EQ(shownPalette().size(), 6u);
    // The arrows' mouse commands rotate directly.
    QTest::mouseClick(m_dlg->button(IDC_ARROW_RIGHT), Qt::LeftButton);
    Pump();
    EXPECT_EQ(slotName(0), "Black");
    EXPECT_EQ(m_sounds->log().count("async Lumora/Sounds/CLICK.WAV"), 4);
}

TEST_F(MainTest, StampsAndShapesSwapThePalettesKeepingTheirOrder) {
    choose(0, kGroupRotateLeft);
    gazeAt(IDC_STAMPS, 35);
    EXPECT_EQ(m_dlg->paletteMode(), kGroupStampTool);
    EXPECT_EQ(shownPalette(), (std::vector<QString>{"Flower", "Heart", "Bulb", "Music", "Star", "Snowflake"}));
    EXPECT_FALSE(static_cast<LM_ShapeButton*>(m_dlg->button(IDC_LINE))->isSelected());
    EXPECT_EQ(canvasGot(WM_BUTTON_CHOSEN), 1);
    choose(0, kGroupRotateRight);
    EXPECT_EQ(slotName(0), "=");
    gazeAt(IDC_STAMPS, 75);  // chosen again: laid out again in its current order
    EXPECT_EQ(slotName(0), "=");

    gazeAt(IDC_CIRCLE, 35);
    EXPECT_EQ(m_dlg->paletteMode(), kGroupShapeTool);
    EXPECT_EQ(slotName(0), "Red");
    EXPECT_TRUE(static_cast<LM_ShapeButton*>(m_dlg->button(IDC_CIRCLE))->isSelected());
    EXPECT_FALSE(static_cast<LM_ShapeButton*>(m_dlg->button(IDC_LINE))->isSelected());
    const auto& last = m_recorder->messages().back();
    EXPECT_EQ(last.msg, WM_CHANGE_ATTRIBUTE);
    EXPECT_EQ(last.wParam, 0u);
    EXPECT_EQ(last.lParam, kGroupFill);
}

TEST_F(MainTest, ChoosingTheSelectedShapeAgainSendsTheFillToggle) {
    gazeAt(IDC_LINE, 35);  // selected at start
    auto* line = static_cast<LM_ShapeButton*>(m_dlg->button(IDC_LINE));
    EXPECT_TRUE(line->fill());
    EXPECT_EQ(m_recorder->messages().back().wParam, 1u);
    EXPECT_EQ(m_recorder->messages().back().lParam, kGroupFill);
    gazeAt(IDC_LINE, 75);
    EXPECT_FALSE(line->fill());
    EXPECT_EQ(m_recorder->messages().back().wParam, 0u);
}

TEST_F(MainTest, ColourAndStampChoicesReachTheCanvasAndTheButtons) {
    gazeAt(Centre(m_dlg->colorPalette()[1]), 35);  // Red
    const ColorRef red = MakeColorRef(200, 55, 55);
    ASSERT_FALSE(m_recorder->messages().empty());
    EXPECT_EQ(m_recorder->messages().back().msg, WM_CHANGE_ATTRIBUTE);
    EXPECT_EQ(m_recorder->messages().back().wParam, red);
    EXPECT_EQ(m_recorder->messages().back().lParam, kGroupColor);
    EXPECT_TRUE(m_dlg->colorPalette()[1]->isSelected());
    EXPECT_FALSE(m_dlg->colorPalette()[0]->isSelected());
    EXPECT_EQ(static_cast<LM_ShapeButton*>(m_dlg->button(IDC_CIRCLE))->currentColor(), red);

    choose(0, kGroupStampTool);
    gazeAt(Centre(m_dlg->stampPalette()[1]), 35);  // Heart
    EXPECT_EQ(m_recorder->messages().back().msg, WM_CHANGE_ATTRIBUTE);
    EXPECT_EQ(m_recorder->messages().back().wParam, 170u);
    EXPECT_EQ(m_recorder->messages().back().lParam, kGroupStamp);
}

TEST_F(MainTest, GridChoiceTogglesTheCanvasGridAndSwapsTheCaption) {
    EXPECT_EQ(m_dlg->gridButton()->caption(), "Grid On");
    gazeAt(IDC_GRID, 35);
    EXPECT_EQ(m_dlg->gridButton()->caption(), "Grid Off");
    EXPECT_EQ(canvasGot(WM_TOGGLE_GRID), 1);
    EXPECT_EQ(m_recorder->messages().back().lParam, kGroupGrid);
    choose(0, kGroupGrid);
    EXPECT_EQ(m_dlg->gridButton()->caption(), "Grid On");
}

TEST_F(MainTest, TrackerReadyShowsTheGreetingAndTheFirstChoiceClosesIt) {
    PostLumoraMessage(m_dlg.get(), WM_TRACKER_READY, 0, 0);
    Pump();
    EXPECT_TRUE(m_dlg->aboutDlg()->isVisible());
    EXPECT_TRUE(m_dlg->aboutDlg()->timerRunning());
    EXPECT_EQ(m_dlg->aboutDlg()->geometry(), AboutDlg::Placement(QSize(1024, 768)));
    choose(0, kGroupUndo);
    EXPECT_FALSE(m_dlg->aboutDlg()->isVisible());
    EXPECT_FALSE(m_dlg->aboutDlg()->timerRunning());
    EXPECT_EQ(canvasGot(WM_UNDO), 1);
    choose(0, kGroupUndo);  // a second choice finds it closed and goes on
    EXPECT_EQ(canvasGot(WM_UNDO), 2);
}

TEST_F(MainTest, GreetingPlacement) {
    EXPECT_EQ(AboutDlg::Placement(QSize(1024, 768)), QRect(141, 40, 738, 576));
    EXPECT_EQ(AboutDlg::Placement(QSize(1920, 1080)), QRect(425, 162, 1110, 612));
}

// ---- Exit ----------------------------------------------------------------------------------

TEST_F(MainTest, ExitConfirmedByGazeEndsTheProgramEvenWithoutAGazeThread) {
    bool closed = false;
    QObject::connect(m_dlg.get(), &MainDlg::closed, [&] { closed = true; });
    ExitDlg* exit = m_dlg->exitDlg();
    test::WhenVisible(exit, [&] {
        EXPECT_EQ(exit->geometry(), QRect(341, 256, 341, 192));
        // Main-window buttons cannot be chosen while the question is open.
        gazeAt(IDC_UNDO, 35);
        EXPECT_EQ(canvasGot(WM_UNDO), 0);
        gazeAt(Centre(exit->exitButton()), 35);
    });
    QTimer::singleShot(10000, exit, [exit] { exit->reject(); });  // never hang the run
    choose(0, kGroupExit);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(m_dlg->isVisible());
    EXPECT_FALSE(m_dlg->gazeShared().gazeRunning.load());
    // The canvas is suspended around the question.
    int suspends = 0;
    for (const auto& m : m_recorder->messages())
        suspends += m.msg == WM_BUTTON_CHOSEN && m.wParam == 0 && m.lParam == kGroupSuspend;
    EXPECT_EQ(suspends, 2);
}

TEST_F(MainTest, DontExitKeepsTheProgramRunning) {
    bool closed = false;
    QObject::connect(m_dlg.get(), &MainDlg::closed, [&] { closed = true; });
    ExitDlg* exit = m_dlg->exitDlg();
    test::WhenVisible(exit, [&] { QTest::mouseClick(exit->stayButton(), Qt::LeftButton); });
    QTimer::singleShot(10000, exit, [exit] { exit->reject(); });
    choose(0, kGroupExit);
    EXPECT_FALSE(closed);
    EXPECT_TRUE(m_dlg->isVisible());
    EXPECT_FALSE(exit->isVisible());
}

// ---- Gaze floods and dialogs chosen twice ---------------------------------------------------

namespace {

// Counts the gaze points that reach a window.
class PointCounter : public QObject {
public:
    explicit PointCounter(QObject* window) { window->installEventFilter(this); }
    int points = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == LumoraMessageEvent::eventType() &&
            static_cast<const LumoraMessageEvent*>(e)->msg() == WM_GAZE_POINT)
            ++points;
        return false;
    }
};

// Collects Qt's warnings while it lives.
class WarningCatcher {
public:
    WarningCatcher() {
        Caught().clear();
        m_previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtWarningMsg)
                Caught() << text;
        });
    }
    ~WarningCatcher() { qInstallMessageHandler(m_previous); }
    static QStringList& Caught() {
        static QStringList caught;
        return caught;
    }

private:
    QtMessageHandler m_previous;
};

}  // namespace

TEST_F(MainTest, AGazeFloodLeavesOnePointPendingAndTheExitSequenceAfterItWorks) {
    bool closed = false;
    QObject::connect(m_dlg.get(), &MainDlg::closed, [&] { closed = true; });
    PointCounter counter(m_dlg.get());
    QtGazeMessageSink sink(m_dlg.get());
    const QPoint onCanvas = Centre(m_dlg->canvas());
    // Far more samples than the window takes while it is busy elsewhere.
    constexpr int kFlood = 20000;
    std::thread gaze([&] {
        for (int i = 0; i < kFlood; ++i)
            sink.post(WM_GAZE_POINT, 1, MakePointLParam(onCanvas.x() + i % 40, onCanvas.y()));
    });
    gaze.join();
    Pump();
    EXPECT_EQ(counter.points, 1);

    // Then the person looks at Exit and at "Exit" in the question, with the window keeping up.
    const auto look = [&](const QPoint& p, int samples) {
        for (int i = 0; i < samples; ++i) {
            sink.post(WM_GAZE_POINT, 1, MakePointLParam(p.x(), p.y()));
            Pump();
        }
    };
    ExitDlg* exit = m_dlg->exitDlg();
    test::WhenVisible(exit, [&] { look(Centre(exit->exitButton()), LumoraButton::kFireCount); });
    QTimer::singleShot(10000, exit, [exit] { exit->reject(); });  // never hang the run
    look(Centre(m_dlg->button(IDC_EXIT)), LumoraButton::kFireCount);
    Pump();
    EXPECT_TRUE(closed);
}

TEST_F(MainTest, ADialogChosenAgainWhileADialogRunsIsLeftAlone) {
    WarningCatcher warnings;
    SaveDlg* save = m_dlg->saveDlg();
    ExitDlg* exit = m_dlg->exitDlg();
    bool exitAsked = false;
    test::WhenVisible(exit, [&] {
        exitAsked = true;
        exit->reject();
    });
    test::WhenVisible(save, [&] {
        // The choices queued behind the first (a button that fired twice in a flood) arrive
        // while the dialog runs.
        Pump();
        EXPECT_TRUE(save->isVisible());
        save->done(SaveDlg::kCancel);
    });
    QTimer::singleShot(10000, save, [save] { save->reject(); });
    for (const int group : {kGroupSave, kGroupSave, kGroupNew, kGroupExit, kGroupOpen, kGroupSettings})
        PostLumoraMessage(m_dlg.get(), WM_BUTTON_CHOSEN, 0, group);
    Pump();
    EXPECT_FALSE(exitAsked);
    // One dialog: suspended once, resumed once.
    int suspends = 0;
    for (const auto& m : m_recorder->messages())
        suspends += m.msg == WM_BUTTON_CHOSEN && m.lParam == kGroupSuspend;
    EXPECT_EQ(suspends, 2);
    for (const QString& w : WarningCatcher::Caught())
        EXPECT_FALSE(w.contains(QStringLiteral("Recursive"))) << qPrintable(w);
    // Once it is closed, the same choice opens it again.
    test::WhenVisible(save, [&] { save->done(SaveDlg::kCancel); });
    choose(0, kGroupSave);
    suspends = 0;
    for (const auto& m : m_recorder->messages())
        suspends += m.msg == WM_BUTTON_CHOSEN && m.lParam == kGroupSuspend;
    EXPECT_EQ(suspends, 4);
}

TEST(MainWindowCover, MovedOrResizedItCoversTheScreenAgain) {
    test::App();
    SetSoundPlayer(std::make_unique<ScriptedSoundPlayer>());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    {
        MainDlg main(screen, false);
        main.showCoveringScreen();
        Pump();
        ASSERT_EQ(main.geometry(), screen);
        struct Step {
            const char* what;
            std::function<void()> displace;
        };
        const Step steps[] = {
            {"moved", [&] { main.move(100, 50); }},
            {"resized", [&] { main.resize(640, 480); }},
            {"both", [&] { main.setGeometry(30, 40, 500, 400); }},
            {"made normal", [&] { main.showNormal(); }},
            {"minimised", [&] { main.showMinimized(); }},
        };
        for (const Step& step : steps) {
            step.displace();
            Pump();
            EXPECT_EQ(main.geometry(), screen) << step.what;
            EXPECT_EQ(main.windowState(), Qt::WindowFullScreen) << step.what;
        }
    }
    SetSoundPlayer(nullptr);
}

TEST_F(MainTest, CloseFromTheGazeThreadEndsTheProgram) {
    bool closed = false;
    QObject::connect(m_dlg.get(), &MainDlg::closed, [&] { closed = true; });
    PostLumoraMessage(m_dlg.get(), WM_CLOSE, 0, 0);
    Pump();
    EXPECT_TRUE(closed);
}
