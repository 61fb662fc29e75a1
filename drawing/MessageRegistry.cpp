#include "MessageRegistry.h"

#include <QCoreApplication>
#include <QObject>

namespace lumora {

LumoraMessageEvent::LumoraMessageEvent(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam)
    : QEvent(eventType()), m_msg(msg), m_wParam(wParam), m_lParam(lParam) {}

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

bool SendLumoraMessage(QObject* target, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (target == nullptr) {
        return false;
    }
    LumoraMessageEvent event(msg, wParam, lParam);
    return QCoreApplication::sendEvent(target, &event);
}

void QtGazeMessageSink::post(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    PostLumoraMessage(m_target, msg, wParam, lParam);
}

}  // namespace lumora
