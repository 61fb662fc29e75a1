// EyeImageDlg: holds the whole-screen drawing surface on which the tracker library paints the
// camera's eye image. One object lives for the whole program; its window is never shown. The
// surface is taken when the object is made and is as large as the screen.
//
// The gaze thread hands surface() to the tracker library (GazeThread::setEyeImageSurface). The
// library writes into it from the gaze thread; the user-interface thread does not read it.
#pragma once

#include <QDialog>
#include <QImage>
#include <QSize>

namespace lumora {

class EyeImageDlg : public QDialog {
    Q_OBJECT
public:
    // screen: the screen's size in pixels.
    explicit EyeImageDlg(const QSize& screen, QWidget* parent = nullptr);

    // The surface as the tracker library takes it: the address of the screen-sized image.
    void* surface() { return &m_screen; }
    const QImage& screenImage() const { return m_screen; }

private:
    QImage m_screen;
};

}  // namespace lumora
