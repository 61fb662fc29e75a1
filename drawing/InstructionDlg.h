// The instruction window: greets the user once the tracker is ready, with the program's name,
// how to start drawing, and the credits. Modeless over the main window; it closes itself after
// ten seconds, and the main window closes it at the first button choice. It takes no gaze: a
// glance at it must never choose anything.
#pragma once

#include <QDialog>
#include <QImage>
#include <QSize>
#include <QTimer>

namespace lumora {

class InstructionDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kShownMs = 10000;

    // screen: the size of the screen the main window covers. Deletes itself when closed.
    InstructionDlg(const QSize& screen, QWidget* parent);

    // Where the window stands on a screen of that size.
    static QRect Placement(const QSize& screen);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QTimer m_timer;
    QImage m_logo;
    QImage m_partnerLogo;
};

}  // namespace lumora
