// Gaze-activated buttons. Every control a Lumora user can choose is one of these: it counts the
// consecutive gaze points that fall on it, draws itself pressed in at the 30th, fires at the
// 35th (click sound, then WM_BUTTON_CHOSEN (value, group) posted to its parent window) and, while
// the gaze stays, starts over at the 75th, so a held gaze fires at points 35, 110, 185, ...
// A mouse click fires it the same way, through the owner's command handler calling activate().
//
// The owning window forwards every WM_GAZE_POINT to the button as a posted message. Drawing
// goes into the button's own picture buffer and reaches the screen by invalidation; the button
// carries its own gaze cursor, drawn into that buffer while the gaze is on it.
//
// User-interface thread only.
#pragma once

#include <QAbstractButton>
#include <QFont>
#include <QImage>
#include <QString>
#include <QTimer>
#include <cstdint>

#include "app/MessageRegistry.h"
#include "app/PointerHider.h"
#include "canvas/GazeCursor.h"

namespace lumora {

class LumoraButton : public QAbstractButton {
    Q_OBJECT
public:
    // The 3-D edge drawn round every face, in pixels; a caption stays inside it.
    static constexpr int kEdgeWidth = 2;
    // Dwell thresholds, in gaze points.
    static constexpr int kHighlightCount = 30;
    static constexpr int kFireCount = 35;
    static constexpr int kRestartCount = 75;

    // What one gaze point did to the dwell count.
    enum class Dwell {
        Counting,     // counted on, nothing to show
        Highlighted,  // reached kHighlightCount: now drawn pressed in
        Fired,        // reached kFireCount: the button acts
        Released,     // the point fell elsewhere while pressed in: count reset, look restored
        Idle,         // the point fell elsewhere; count reset, nothing to show
    };

    LumoraButton(int group, int value, QWidget* parent = nullptr);
    ~LumoraButton() override;

    int group() const { return m_group; }
    int value() const { return m_value; }
    bool isSelected() const { return m_selected; }
    bool isHighlighted() const { return m_highlighted; }
    int dwellCount() const { return m_dwellCount; }
    bool hasImage() const { return m_imageLoaded; }
    const QString& imageName() const { return m_imageName; }
    bool showsDot() const { return m_showDot; }
    bool painted() const { return !m_notYetPainted; }
    const QImage& picture() const { return m_picture; }
    const GazeCursor& gazeCursor() const { return m_cursor; }

    // The dwell count for one gaze point; onButton tells whether the point fell on this button.
    // Updates the count and the pressed-in flag only: the caller redraws and activates.
    Dwell countDwell(bool onButton);

    // One gaze point in screen pixels: finds the window under it, moves the button's cursor,
    // counts, redraws and fires as needed.
    void gazePoint(const QPoint& screenPoint);

    // Gives the button a picture from a bitmap file (relative to the working directory); a
    // missing or bad file leaves it without one.
    void setImageFile(const QString& path);

    // Plays the click and posts this button's choice to its parent window.
    virtual void activate() = 0;
    // Draws the button anew into its picture buffer and invalidates it.
    virtual void redraw();

protected:
    bool event(QEvent* e) override;
    // One of Lumora's messages, from event().
    void message(const LumoraMessageEvent& m);
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

    // A message posted to this button, other than gaze points and pictures.
    virtual void handleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);
    // The kind's own drawing over the base look, into the picture buffer.
    virtual void drawFace(QImage& picture) = 0;

    // The click sound and the parent window that receives the choice.
    QObject* playClickAndFindParent();
    void post(std::uintptr_t wParam, std::intptr_t lParam);

    void setSelected(bool selected) { m_selected = selected; }
    void setShowDot(bool show) { m_showDot = show; }
    // Moves the button's cursor to a point in its own pixels: erased from the old place, drawn
    // at the new one over the picture as it is without the cursor.
    void moveCursorTo(const QPoint& local);

    static constexpr int kPenWidth = 5;
    static constexpr ColorRef kGrey = MakeColorRef(170, 170, 170);

private:
    void firstPaint();
    void drawBase(QImage& picture) const;
    void refreshCursorSaveUnder();
    void eraseCursor();
    bool gazeIsOnThis(const QPoint& screenPoint) const;

    int m_group;
    int m_value;
    QImage m_image;
    bool m_imageLoaded = false;
    QString m_imageName;
    bool m_selected = false;
    bool m_highlighted = false;
    bool m_notYetPainted = true;
    bool m_showDot = false;
    int m_dwellCount = 0;
    GazeCursor m_cursor;
    QImage m_picture;
    QImage m_save;
    PointerHider m_pointer{*this};
};

// Line, Rectangle or Circle (value SHAPE_LINE, SHAPE_RECTANGLE, SHAPE_CIRCLE). Choosing the
// selected shape again toggles its fill.
class LM_ShapeButton : public LumoraButton {
    Q_OBJECT
public:
    explicit LM_ShapeButton(int shape, QWidget* parent = nullptr);
    ColorRef currentColor() const { return m_color; }
    bool fill() const { return m_fill; }
    void activate() override;

protected:
    void handleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override;
    void drawFace(QImage& picture) override;

private:
    ColorRef m_color = kColorBlack;
    bool m_fill = false;
};

// One paint colour; selected at start when it is black.
class LM_ColorButton : public LumoraButton {
    Q_OBJECT
public:
    explicit LM_ColorButton(ColorRef color, QWidget* parent = nullptr);
    ColorRef color() const { return m_color; }
    void activate() override;

protected:
    void handleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override;
    void drawFace(QImage& picture) override;

private:
    ColorRef m_color;
};

// One stamp picture, by its number.
class LM_StampButton : public LumoraButton {
    Q_OBJECT
public:
    explicit LM_StampButton(int pictureNumber, QWidget* parent = nullptr);
    int pictureNumber() const { return m_pictureNumber; }
    void activate() override;

protected:
    void drawFace(QImage& picture) override;

private:
    int m_pictureNumber;
};

// A command with a text caption. Two captions swap on WM_BUTTON_TEXT (the Grid and Dot buttons);
// the caption shown at start is captionB. For the Dot button (GROUP_DOT) showing captionA also
// shows the dot: the button's cursor parked at its top centre while gaze is paused.
class LM_UtilityButton : public LumoraButton {
    Q_OBJECT
public:
    LM_UtilityButton(int group, const QString& captionA, const QString& captionB, QWidget* parent = nullptr);
    const QString& caption() const { return m_caption; }
    const QString& captionA() const { return m_captionA; }
    const QString& captionB() const { return m_captionB; }
    // The font a caption is drawn in on a face of that size (the button's size): bold "Arial" a
    // third of the face high, stretched so that its average letter is a tenth of the face wide.
    // One line, centred, cut at the face's edges.
    static QFont CaptionFont(const QSize& face);
    void activate() override;
    void redraw() override;
    // The caption swap; WM_BUTTON_TEXT delivered directly does the same.
    void swapCaption();

protected:
    void handleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override;
    void drawFace(QImage& picture) override;

private:
    QString m_caption;
    QString m_captionA;
    QString m_captionB;
};

}  // namespace lumora
