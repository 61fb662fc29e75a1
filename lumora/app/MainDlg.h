// MainDlg: Lumora's main window for the whole run. It covers the primary screen, holds the ring
// of 62 gaze buttons around the drawing canvas, reads the gaze settings, starts the gaze thread
// and is the hub of the program's window messages: gaze events from the gaze thread go to the
// open dialogs, the canvas and every button; button choices come back here and are dispatched
// by group code.
//
// User-interface thread only; the gaze thread reaches it only through posted messages.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <thread>
#include <vector>

#include "app/PointerHider.h"
#include "canvas/GazeCursor.h"
#include "GazeShared.h"
#include "GazeTuning.h"
#include "IniDocument.h"
#include "app/MessageRegistry.h"

class QDialog;

namespace lumora {

class LumoraButton;
class LM_UtilityButton;
class ExitDlg;
class MessageDlg;
class SaveDlg;
class OpenDlg;
class SettingsDlg;
class AboutDlg;
class EyeImageDlg;
class CPaintDlg;
class GazeThread;

// The main window's geometry from the screen size, with the layout's own arithmetic: margin
// m = W / 100 (integer division), button width w = 0.089 W, button height h = H / 10 (integer
// division). Positions are computed in floating point and truncated toward zero.
struct MainLayout {
    int W = 0;
    int H = 0;
    double m = 0;
    double w = 0;
    double h = 0;

    static MainLayout ForScreen(int width, int height);

    // A button of size w x h (truncated) at (x, y) (truncated).
    QRect buttonAt(double x, double y) const;
    // Palette slot i (0 to 5) of the bottom row between the two arrows.
    QRect paletteSlot(int i) const;
    // Where the drawing canvas stands, in the main window's (= screen) pixels.
    QRect canvasRect() const;
};

// Where a button of the main window stands: x = xw w + xm m + xW W, y = yh h + ym m + yH H.
struct ButtonPlace {
    double xw, xm, xW;
    double yh, ym, yH;
    QRect in(const MainLayout& l) const {
        return l.buttonAt(xw * l.w + xm * l.m + xW * l.W, yh * l.h + ym * l.m + yH * l.H);
    }
};

// The palette arrows' rotation: toward the front (left: the first item goes to the end) or
// toward the back (right: the last item comes first). A palette of fewer than 7 items fits its
// six slots and stays as it is; returns whether it rotated.
template <class T>
bool RotatePalette(std::vector<T>& items, bool left) {
    constexpr std::size_t kFewestRotated = 7;
    if (items.size() < kFewestRotated)
        return false;
    if (left)
        std::rotate(items.begin(), items.begin() + 1, items.end());
    else
        std::rotate(items.rbegin(), items.rbegin() + 1, items.rend());
    return true;
}

// Control ids of the main window's buttons.
enum MainButtonId : int {
    IDC_LINE = 1004,
    IDC_CIRCLE = 1005,
    IDC_GRID = 1006,
    IDC_SAVE = 1007,
    IDC_OPEN = 1008,
    IDC_UNDO = 1009,
    IDC_EXIT = 1010,
    IDC_RECTANGLE = 1011,
    IDC_DOT = 1012,
    IDC_ARROW_LEFT = 1018,
    IDC_ARROW_RIGHT = 1019,
    IDC_STAMPS = 1024,
    IDC_SETTINGS = 1027,
    IDC_NEW = 1052,
};

class MainDlg : public QWidget {
    Q_OBJECT
public:
    // The palettes the bottom row can show (the groups that show them).
    static constexpr int kColorPalette = kGroupShapeTool;
    static constexpr int kStampPalette = kGroupStampTool;
    static constexpr int kPaletteSlots = 6;

    // screen: the rectangle the window covers (the primary screen in the program). With
    // startGaze false no gaze thread runs: gaze comes only from posted messages (tests).
    explicit MainDlg(const QRect& screen, bool startGaze = true, QWidget* parent = nullptr);
    ~MainDlg() override;

    const MainLayout& layout() const { return m_layout; }
    // Where the window puts the button of that name before any palette rotation: a command
    // button by its caption at start ("Rectangle", "Save"), a colour or stamp by its name
    // ("Blue", "Flower"; a stamp's slot once the stamp palette shows). Empty for a name it does
    // not have and for palette items beyond the six shown slots.
    static QRect PlaceAtStart(const MainLayout& layout, const QString& name);
    LumoraButton* button(int id) const;
    LM_UtilityButton* gridButton() const { return m_grid; }
    LM_UtilityButton* dotButton() const { return m_dot; }
    const std::vector<LumoraButton*>& gazeTargets() const { return m_gazeTargets; }
    const std::vector<LumoraButton*>& colorPalette() const { return m_colorPalette; }
    const std::vector<LumoraButton*>& stampPalette() const { return m_stampPalette; }
    int paletteMode() const { return m_paletteMode; }
    bool gazePaused() const { return m_gazePaused; }
    CPaintDlg* canvas() const { return m_canvas; }
    // The greeting shown when the tracker is ready, until its own timer or the first choice.
    AboutDlg* aboutDlg() const { return m_aboutDlg.get(); }
    ExitDlg* exitDlg() const { return m_exitDlg.get(); }
    SaveDlg* saveDlg() const { return m_saveDlg.get(); }
    OpenDlg* openDlg() const { return m_openDlg.get(); }
    SettingsDlg* settingsDlg() const { return m_settingsDlg.get(); }
    // The message shown last (or showing now) by tellUser(); null before the first.
    MessageDlg* messageDlg() const { return m_messageDlg.get(); }
    EyeImageDlg* eyeImageDlg() const { return m_eyeImage.get(); }
    GazeShared& gazeShared() { return m_shared; }
    const GazeTuning& tuning() const { return m_tuning; }
    const QImage& picture() const { return m_picture; }
    // True once the gaze thread's body has returned (and when none was started).
    bool gazeThreadEnded() const { return m_gazeEnded.load(); }
    const GazeCursor& gazeCursor() const { return m_cursor; }

    // Shows the window full screen and keeps it so: whatever changes its state later (a window
    // manager's shortcut, a minimise) is undone. The program's way of showing it.
    void showCoveringScreen();

    // One window message, as the event loop delivers it.
    void handleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);
    // A mouse click on the button of that id.
    void command(int id);
    // Rotates the shown palette: toward the front (left) or toward the back (right). Palettes of
    // fewer than seven items stay as they are.
    void rotatePalette(bool left);
    // Shows the user a message with one OK button, modally, and returns once it is chosen; gaze
    // points reach it meanwhile. Called while the canvas is suspended (around a dialog).
    void tellUser(const QString& text);

signals:
    // The window has closed and the gaze thread has ended: the program may end.
    void closed();

protected:
    bool event(QEvent* e) override;
    // One of Lumora's messages, from event().
    void message(const LumoraMessageEvent& m);
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void createButtons();
    void readGazeSettings();
    void startGazeThread();
    void stopGazeThread();

    void gazePoint(std::uintptr_t wParam, std::intptr_t lParam);
    void buttonChosen(std::uintptr_t wParam, int group);
    void showPalette(int mode);
    void placePalette(const std::vector<LumoraButton*>& items, bool shown);
    void broadcast(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);
    void closeAboutWindow();
    void showAboutWindow();
    // Open, Save and New: the canvas is suspended around the modal dialog.
    int runAroundCanvas(QDialog& dialog, bool newDrawing = false);
    void runSettings();
    void confirmExit();
    void onGazeThreadEnded();
    // Whether one of this window's modal dialogs is running; a choice that would open another
    // is then left alone.
    bool dialogRunning() const;
    // Puts the window back over the whole screen once the event that moved it is done with.
    void coverScreenAgain();

    QRect m_screen;
    MainLayout m_layout;
    bool m_startGaze;
    bool m_coverScreen = false;

    // Child dialogs. The eye image surface comes first: it is taken before any window exists.
    std::unique_ptr<EyeImageDlg> m_eyeImage;
    std::unique_ptr<SaveDlg> m_saveDlg;
    std::unique_ptr<OpenDlg> m_openDlg;
    std::unique_ptr<SettingsDlg> m_settingsDlg;
    std::unique_ptr<AboutDlg> m_aboutDlg;
    std::unique_ptr<ExitDlg> m_exitDlg;
    std::unique_ptr<MessageDlg> m_messageDlg;

    IniDocument m_settings;
    GazeTuning m_tuning;
    bool m_gazePaused = false;
    int m_paletteMode = kColorPalette;

    CPaintDlg* m_canvas = nullptr;
    GazeCursor m_cursor;
    QImage m_picture;
    QImage m_save;

    std::vector<std::pair<int, LumoraButton*>> m_buttonsById;
    LM_UtilityButton* m_grid = nullptr;
    LM_UtilityButton* m_dot = nullptr;
    std::vector<LumoraButton*> m_gazeTargets;
    std::vector<LumoraButton*> m_colorPalette;
    std::vector<LumoraButton*> m_stampPalette;

    PointerHider m_pointer{*this};
    // The arrow pictures' file names, sent in WM_SET_BUTTON_IMAGE.
    QString m_leftArrowImage;
    QString m_rightArrowImage;

    // The gaze thread: shared state, the posting sink, and the thread that runs its body, which
    // tells this window when the body has returned (it may return early without WM_CLOSE).
    GazeShared m_shared;
    std::unique_ptr<GazeMessageSink> m_sink;
    std::unique_ptr<GazeThread> m_gaze;
    std::thread m_gazeThread;
    std::atomic<bool> m_gazeEnded{true};
    bool m_exitConfirmed = false;
};

}  // namespace lumora
