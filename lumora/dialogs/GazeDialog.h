// GazeDialog: the frame that Lumora's gaze-driven modal dialogs share. It places itself from the
// screen size, draws into an off-screen picture filled with the dialog background, carries a
// blue GazeCursor over that picture, forwards every WM_GAZE_POINT to its gaze buttons and hands
// every WM_BUTTON_CHOSEN to the dialog's own buttonChosen(). A mouse click on a gaze button
// acts exactly like a gaze choice (the button plays the click and posts its choice).
//
// The main window forwards gaze messages to the dialog as posted LumoraMessageEvents while the
// dialog is visible; handleMessage() is the same entry point for tests. Screen points are the
// main window's client coordinates, which start at the screen's top-left corner.
//
// User-interface thread only.
#pragma once

#include <QDialog>
#include <QImage>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <vector>

#include "canvas/GazeCursor.h"
#include "app/MessageRegistry.h"

namespace lumora {

class LumoraButton;
class SoundPlayer;

class GazeDialog : public QDialog {
    Q_OBJECT
public:
    // exec() results.
    static constexpr int kOk = QDialog::Accepted;
    static constexpr int kCancel = QDialog::Rejected;

    const QSize& screenSize() const { return m_screen; }
    // Where the dialog stands, in screen (main-window) coordinates, as last placed.
    const QRect& placement() const { return m_place; }
    const GazeCursor& gazeCursor() const { return m_cursor; }
    // The picture the window shows (the cursor included).
    const QImage& picture() const { return m_picture; }
    const std::vector<LumoraButton*>& gazeButtons() const { return m_buttons; }

    // One window message, as the event loop delivers it.
    virtual void handleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

    // The layout units of every Lumora window: button width 89 W / 1000, button height H / 10,
    // margin W / 100 (integer arithmetic).
    static int ButtonWidth(const QSize& screen) { return (89 * screen.width()) / 1000; }
    static int ButtonHeight(const QSize& screen) { return screen.height() / 10; }
    static int Margin(const QSize& screen) { return screen.width() / 100; }

protected:
    GazeDialog(const QSize& screen, SoundPlayer& sound, QWidget* parent);

    // Adds a gaze button: it gets gaze points, and a mouse click activates it.
    template <class Button>
    Button* addButton(Button* button) {
        addGazeButton(button);
        return button;
    }
    void addGazeButton(LumoraButton* button);

    // Places the window at rect (screen coordinates) and makes a fresh picture of its size.
    void place(const QRect& rect);
    // Draws the dialog's own content over the background; called by redrawPicture().
    virtual void drawContent(QImage& picture) { (void)picture; }
    // Fills the picture with the background, draws the content, puts the cursor back on top
    // and repaints the window.
    void redrawPicture();

    // A gaze point: moves the cursor and forwards the point to every gaze button.
    virtual void gazePoint(std::uintptr_t wParam, std::intptr_t lParam);
    // Moves only the cursor (in dialog coordinates).
    void moveCursor(const QPoint& dialogPoint);
    // The screen point in this dialog's coordinates.
    QPoint dialogPoint(const QPoint& screenPoint) const { return screenPoint - m_place.topLeft(); }
    virtual void buttonChosen(std::uintptr_t value, int group) = 0;

    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

    SoundPlayer& m_sound;

private:
    QSize m_screen;
    QRect m_place;
    std::vector<LumoraButton*> m_buttons;
    GazeCursor m_cursor;
    bool m_cursorShown = false;
    QImage m_picture;  // what the window shows
    QImage m_clean;    // the same without the cursor
};

}  // namespace lumora
