// Lumora's private window messages: their numbers, the group codes a gaze button sends, the
// point and colour encodings, and the one Qt event that carries a message to a window.
//
// The gaze thread's four messages and WM_CLOSE come from gaze/include/GazeMessages.h (no Qt there);
// the rest are the windows' own. The gaze thread posts through QtGazeMessageSink. Every message is posted (PostLumoraMessage), never sent,
// except WM_BUTTON_TEXT, which the main window delivers directly (SendLumoraMessage).
#pragma once

#include <QtGui/qrgb.h>

#include <QColor>
#include <QEvent>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <memory>

#include "GazeMessages.h"

class QObject;

namespace lumora {

// ---- Messages (wParam, lParam as listed) -------------------------------------------------

// A gaze button chose: (button value, group code). From the main window also a selection
// broadcast, and (0, GROUP_SUSPEND) before and after each modal dialog.
constexpr unsigned WM_BUTTON_CHOSEN = 0x8106;
// (0, 0): swap the Grid or Dot button's caption. Delivered directly, not posted.
constexpr unsigned WM_BUTTON_TEXT = 0x8107;
// (DRAWING_FILE_OPEN or DRAWING_FILE_SAVE, 0) with the path as the event's text: open or save a
// drawing.
constexpr unsigned WM_DRAWING_FILE = 0x8108;
// (0, 0) with the bitmap file's name as the event's text: give a button its picture.
constexpr unsigned WM_SET_BUTTON_IMAGE = 0x8109;
// (button value, GROUP_GRID): grid on or off.
constexpr unsigned WM_TOGGLE_GRID = 0x8110;
// (0, 0): undo the last drawing step.
constexpr unsigned WM_UNDO = 0x8111;
// (stamp picture number, colour or fill flag; GROUP_STAMP, GROUP_COLOR or GROUP_FILL).
constexpr unsigned WM_CHANGE_ATTRIBUTE = 0x8112;
// No message uses 0x8105.

// wParam of WM_DRAWING_FILE (the same numbers as the Open and Save groups).
constexpr std::uintptr_t kDrawingFileOpen = 5;
constexpr std::uintptr_t kDrawingFileSave = 8;

// ---- Group codes: lParam of WM_BUTTON_CHOSEN ----------------------------------------------
// The same codes name the actions of the main window and the dialogs.

constexpr int kGroupSuspend = 0;                    // suspend or resume the canvas (wParam 0)
constexpr int kGroupSequenceGreenRed = 1;         // cursor colour sequence green-red
constexpr int kGroupSequenceGreenYellowRed = 2;  // cursor colour sequence green-yellow-red
constexpr int kGroupUndo = 4;
constexpr int kGroupOpen = 5;
constexpr int kGroupHelp = 6;
constexpr int kGroupCancel = 7;
constexpr int kGroupSave = 8;
constexpr int kGroupGrid = 9;
constexpr int kGroupExit = 10;
constexpr int kGroupSettings = 11;
constexpr int kGroupDot = 12;                        // pause or resume gaze
constexpr int kGroupStampTool = 13;                 // stamp tool and stamp palette
constexpr int kGroupStamp = 14;                      // wParam: the stamp's picture number
constexpr int kGroupColor = 18;                      // wParam: the colour (ColorRef)
constexpr int kGroupShapeTool = 19;                 // wParam: SHAPE_LINE, SHAPE_RECTANGLE, SHAPE_CIRCLE
constexpr int kGroupFill = 20;                       // wParam: the fill flag, 0 or 1
constexpr int kGroupDwellSizeQuarter = 25;         // a quarter of an inch
constexpr int kGroupDwellSizeHalf = 50;            // half an inch
constexpr int kGroupDwellSizeThreeQuarters = 75;  // three quarters of an inch
constexpr int kGroupDelete = 51;                     // delete, or confirm a deletion
constexpr int kGroupPreviousPages = 52;
constexpr int kGroupNextPages = 53;
constexpr int kGroupRotateRight = 54;  // the left arrow: rotate the palette to the right
constexpr int kGroupRotateLeft = 55;   // the right arrow: rotate the palette to the left
constexpr int kGroupPlayHelp = 61;     // play a spoken help text
constexpr int kGroupStopHelp = 62;     // stop it
constexpr int kGroupNew = 81;           // new drawing
constexpr int kGroupDontSave = 82;
constexpr int kGroupOk = 100;
constexpr int kGroupDwell300Ms = 300;
constexpr int kGroupDwell400Ms = 400;
constexpr int kGroupDwell500Ms = 500;
constexpr int kGroupDwell600Ms = 600;

// wParam of GROUP_SHAPE_TOOL: the shape kinds of the shape buttons.
constexpr int kShapeLine = 1;
constexpr int kShapeRectangle = 2;
constexpr int kShapeCircle = 3;

// ---- Point encoding ----------------------------------------------------------------------
// MakePointLParam, PointLParamX and PointLParamY come from gaze/include/GazeMessages.h. The halves are
// read as unsigned: a point left of or above the screen arrives with 32768 or more.
inline QPoint PointFromLParam(std::intptr_t lParam) {
    return QPoint(static_cast<int>(PointLParamX(lParam)), static_cast<int>(PointLParamY(lParam)));
}
inline std::intptr_t PointLParam(const QPoint& p) {
    return MakePointLParam(p.x(), p.y());
}

// ---- Colour encoding: 0x00BBGGRR, red in the low byte -------------------------------------
using ColorRef = std::uint32_t;

constexpr ColorRef MakeColorRef(int red, int green, int blue) {
    return static_cast<ColorRef>(red & 0xFF) | (static_cast<ColorRef>(green & 0xFF) << 8) |
           (static_cast<ColorRef>(blue & 0xFF) << 16);
}
constexpr int ColorRefRed(ColorRef c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int ColorRefGreen(ColorRef c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int ColorRefBlue(ColorRef c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// QRgb is 0xAARRGGBB; the alpha of the result is always opaque, the high byte of a ColorRef
// is ignored.
constexpr QRgb ColorRefToQRgb(ColorRef c) {
    return qRgb(ColorRefRed(c), ColorRefGreen(c), ColorRefBlue(c));
}
constexpr ColorRef ColorRefFromQRgb(QRgb rgb) {
    return MakeColorRef(qRed(rgb), qGreen(rgb), qBlue(rgb));
}
inline QColor ColorRefToQColor(ColorRef c) {
    return QColor(ColorRefRed(c), ColorRefGreen(c), ColorRefBlue(c));
}
inline ColorRef ColorRefFromQColor(const QColor& c) {
    return MakeColorRef(c.red(), c.green(), c.blue());
}

// The program-wide dialog background and the gaze cursor's blue.
constexpr ColorRef kColorBackground = MakeColorRef(214, 211, 206);  // 0xCED3D6
constexpr ColorRef kColorGazeCursor = MakeColorRef(65, 65, 139);   // 0x8B4141
constexpr ColorRef kColorWhite = MakeColorRef(255, 255, 255);
constexpr ColorRef kColorBlack = MakeColorRef(0, 0, 0);

// ---- The event -----------------------------------------------------------------------------

class PendingGazePoint;

// One window message. All messages share one registered event type, so a window's event()
// checks type() == LumoraMessageEvent::eventType() and then switches on msg().
class LumoraMessageEvent : public QEvent {
public:
    LumoraMessageEvent(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);
    // A message with a text (WM_DRAWING_FILE's path, WM_SET_BUTTON_IMAGE's picture file): the
    // event holds its own copy, so the sender may change or drop its string once it has posted.
    LumoraMessageEvent(unsigned msg, std::uintptr_t wParam, QString text);
    // A gaze point its sender may still replace while the event is queued (QtGazeMessageSink):
    // the parameters are fixed at the receiver's first look at wParam() or lParam(), and the
    // sender is told when the event is destroyed.
    LumoraMessageEvent(unsigned msg, std::shared_ptr<PendingGazePoint> pending);
    ~LumoraMessageEvent() override;
    LumoraMessageEvent(const LumoraMessageEvent&) = delete;
    LumoraMessageEvent& operator=(const LumoraMessageEvent&) = delete;

    // Registered with Qt on first use; the same value for the whole run.
    static QEvent::Type eventType();

    unsigned msg() const { return m_msg; }
    std::uintptr_t wParam() const {
        settle();
        return m_wParam;
    }
    std::intptr_t lParam() const {
        settle();
        return m_lParam;
    }

    // Whether the message carries a text, and the text (empty for every other message).
    bool hasText() const { return m_hasText; }
    const QString& text() const { return m_text; }

    // A plain message with the same parameters and text (a pending point is fixed first).
    LumoraMessageEvent* clone() const override;

private:
    void settle() const;

    unsigned m_msg;
    // Fixed from the pending point on first use; the event lives on one thread from then on.
    mutable std::uintptr_t m_wParam = 0;
    mutable std::intptr_t m_lParam = 0;
    mutable bool m_settled = true;
    std::shared_ptr<PendingGazePoint> m_pending;
    bool m_hasText = false;
    QString m_text;
};

// The plumbing every window's event() shares: a LumoraMessageEvent goes to handle (called with
// the event) and counts as taken; for any other event it returns false and the window passes
// the event on to its base class:
//     return DeliverLumoraMessage(e, [this](const LumoraMessageEvent& m) { ... }) || QWidget::event(e);
template <typename Handle>
bool DeliverLumoraMessage(QEvent* e, Handle&& handle) {
    if (e->type() != LumoraMessageEvent::eventType())
        return false;
    handle(*static_cast<const LumoraMessageEvent*>(e));
    return true;
}

// Queues the message for the target's thread and returns at once; safe from any thread.
// A null target is ignored. Messages still queued for a target that is destroyed are dropped.
void PostLumoraMessage(QObject* target, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);
// The same for a message that carries a text (lParam 0); the text travels in the event.
void PostLumoraText(QObject* target, unsigned msg, std::uintptr_t wParam, const QString& text);

// Delivers the message to the target now, on the calling thread (which must be the target's).
// Returns whether the target accepted it. Only WM_BUTTON_TEXT travels this way.
bool SendLumoraMessage(QObject* target, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

}  // namespace lumora
