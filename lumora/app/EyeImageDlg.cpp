#include "app/EyeImageDlg.h"

namespace lumora {

EyeImageDlg::EyeImageDlg(const QSize& screen, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_screen(screen, QImage::Format_RGB32) {
    setAttribute(Qt::WA_TranslucentBackground);
    m_screen.fill(Qt::black);
}

}  // namespace lumora
