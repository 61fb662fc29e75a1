// AboutDlg: the greeting the main window shows when the tracker is ready: the program's name and
// version, its logo, how to start drawing, the credits. Modeless; it takes no gaze, so a glance
// at it never chooses anything. It closes itself after ten seconds, and the main window closes
// it at the first button choice.
#pragma once

#include <QDialog>
#include <QImage>
#include <QSize>
#include <QTimer>

namespace lumora {

class AboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kShownMs = 10000;
    // Screens up to this width take the smaller placement.
    static constexpr int kSmallScreenWidth = 1024;
    static constexpr const char* kLogo = "Lumora/Images/LumoraLogo.bmp";
    static constexpr const char* kPartnerLogo = "Lumora/Images/VelLogo.bmp";
    static constexpr int kLogoWidth = 194;
    static constexpr int kLogoHeight = 99;
    static constexpr int kPartnerLogoWidth = 343;
    static constexpr int kPartnerLogoHeight = 65;

    // screen: the main window's size.
    AboutDlg(const QSize& screen, QWidget* parent);

    // Places the window, loads the logos, starts the ten-second timer and shows the window.
    void showGreeting();
    bool timerRunning() const { return m_timer.isActive(); }
    const QImage& logo() const { return m_logo; }
    const QImage& partnerLogo() const { return m_partnerLogo; }

    // Where the window stands on a screen of that size.
    static QRect Placement(const QSize& screen);

protected:
    void paintEvent(QPaintEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    QSize m_screen;
    QTimer m_timer;
    QImage m_logo;
    QImage m_partnerLogo;
};

}  // namespace lumora
