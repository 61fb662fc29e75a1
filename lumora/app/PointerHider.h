// PointerHider: the mouse pointer over a gaze window shows while someone moves the mouse and
// hides once the mouse has rested for seven seconds, so that it is never in a gaze user's way
// but a helper at the mouse still sees it. The window owns one, calls start() when it is first
// shown or painted and mouseMoved() from its mouseMoveEvent(). User-interface thread only.
#pragma once

#include <QTimer>

class QWidget;

namespace lumora {

class PointerHider {
public:
    static constexpr int kHideAfterMs = 7000;

    // window must outlive the hider (a member of the window does); tests give a shorter rest.
    explicit PointerHider(QWidget& window, int hideAfterMs = kHideAfterMs);
    PointerHider(const PointerHider&) = delete;
    PointerHider& operator=(const PointerHider&) = delete;

    // Starts (or starts again) the rest after which the pointer hides.
    void start();
    // The arrow pointer, and the rest starts again.
    void mouseMoved();

    // Whether the rest is running, for tests.
    bool counting() const { return m_timer.isActive(); }

private:
    QWidget& m_window;
    QTimer m_timer;
};

}  // namespace lumora
