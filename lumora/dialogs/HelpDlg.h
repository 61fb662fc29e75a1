// HelpDlg: a help window that shows a help text and can speak it from a sound file, with the
// gaze buttons "Play", "Stop" and "Close" along its top. OpenHelpDlg and SaveHelpDlg differ
// only in their text and sound.
//
// Its owner (the open or save dialog) shows it over itself and, while it is visible, forwards
// every gaze point to it. It is modal while shown, but does not block its owner's exec(): the
// owner's buttons and the mouse wait until it is closed, so a glance back at the owner never
// chooses anything behind the help. The gaze marker is a 7 x 7 blue square drawn straight
// onto the window's picture, the pixels under it saved and put back as it moves.
//
// User-interface thread only.
#pragma once

#include <QDialog>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>

#include "app/MessageRegistry.h"

namespace lumora {

class LM_UtilityButton;
class SoundPlayer;

class HelpDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMarkerSize = 7;
    // The text's white panel: from (kPanelLeft, kPanelTop) to (width - kPanelInset, height -
    // kPanelInset); the text is inset a further kTextInset at the left and top.
    static constexpr int kPanelLeft = 20;
    static constexpr int kPanelTop = 120;
    static constexpr int kPanelInset = 20;
    static constexpr int kTextInset = 10;
    static constexpr int kTextHeight = 25;
    static constexpr int kTextWidth = 9;

    // screen: the main window's size; the window stands centred on it.
    HelpDlg(const QSize& screen, SoundPlayer& sound, QString text, QString soundFile, QWidget* parent);
    ~HelpDlg() override;

    const QString& text() const { return m_text; }
    const QString& soundFile() const { return m_soundFile; }
    QRect markerRect() const { return m_marker; }
    const QImage& picture() const { return m_picture; }
    LM_UtilityButton* playButton() const { return m_play; }
    LM_UtilityButton* stopButton() const { return m_stop; }
    LM_UtilityButton* closeButton() const { return m_close; }

    // Shows the window (drawn afresh, marker at the top-left corner) and brings it to the top.
    void showHelp();

    // One window message: gaze points and the buttons' choices.
    void handleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);
    // The three actions, by the buttons' codes (GROUP_PLAY_HELP, GROUP_STOP_HELP, GROUP_CANCEL).
    void act(int group);

    // Where the window stands on a screen of that size.
    static QRect Placement(const QSize& screen);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void drawPicture();
    void gazePoint(std::uintptr_t wParam, std::intptr_t lParam);

    SoundPlayer& m_sound;
    QSize m_screen;
    QString m_text;
    QString m_soundFile;
    LM_UtilityButton* m_play;
    LM_UtilityButton* m_stop;
    LM_UtilityButton* m_close;
    QImage m_picture;
    QImage m_underMarker;
    QRect m_marker;
};

}  // namespace lumora
