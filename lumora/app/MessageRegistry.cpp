#include "app/MessageRegistry.h"

#include <QCoreApplication>
#include <QObject>
#include <tuple>

#include "app/PendingGazePoint.h"

namespace lumora {

LumoraMessageEvent::LumoraMessageEvent(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam)
    : QEvent(eventType()), m_msg(msg), m_wParam(wParam), m_lParam(lParam) {}

LumoraMessageEvent::LumoraMessageEvent(unsigned msg, std::uintptr_t wParam, QString text)
    : QEvent(eventType()), m_msg(msg), m_wParam(wParam), m_hasText(true), m_text(std::move(text)) {}

LumoraMessageEvent::LumoraMessageEvent(unsigned msg, std::shared_ptr<PendingGazePoint> pending)
    : QEvent(eventType()), m_msg(msg), m_settled(pending == nullptr), m_pending(std::move(pending)) {}

LumoraMessageEvent::~LumoraMessageEvent() {
    // Delivered or dropped: either way the sender may go on.
    if (m_pending)
        m_pending->finish();
}

void LumoraMessageEvent::settle() const {
    if (m_settled)
        return;
    std::tie(m_wParam, m_lParam) = m_pending->take();
    m_settled = true;
}

LumoraMessageEvent* LumoraMessageEvent::clone() const {
    auto* copy = new LumoraMessageEvent(m_msg, wParam(), lParam());
    copy->m_hasText = m_hasText;
    copy->m_text = m_text;
    return copy;
}

QEvent::Type LumoraMessageEvent::eventType() {
    // A function-local static is initialised once even when the gaze thread posts first.
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void PostLumoraMessage(QObject* target, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (target == nullptr) {
        return;
    }
    // postEvent takes ownership and is the one Qt call documented as safe from any thread.
    QCoreApplication::postEvent(target, new LumoraMessageEvent(msg, wParam, lParam));
}

void PostLumoraText(QObject* target, unsigned msg, std::uintptr_t wParam, const QString& text) {
    if (target == nullptr) {
        return;
    }
    QCoreApplication::postEvent(target, new LumoraMessageEvent(msg, wParam, text));
}

bool SendLumoraMessage(QObject* target, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (target == nullptr) {
        return false;
    }
    LumoraMessageEvent event(msg, wParam, lParam);
    return QCoreApplication::sendEvent(target, &event);
}

}  // namespace lumora
