#include "app/PointerHider.h"

#include <QWidget>

namespace lumora {

PointerHider::PointerHider(QWidget& window, int hideAfterMs) : m_window(window) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(hideAfterMs);
    QObject::connect(&m_timer, &QTimer::timeout, &m_window, [this] { m_window.setCursor(Qt::BlankCursor); });
}

void PointerHider::start() {
    m_timer.start();
}

void PointerHider::mouseMoved() {
    m_window.setCursor(Qt::ArrowCursor);
    m_timer.start();
}

}  // namespace lumora
