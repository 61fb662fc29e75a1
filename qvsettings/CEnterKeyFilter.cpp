#include "CEnterKeyFilter.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
// Set on every control that a page has registered.
const char* const kBoundProperty = "qvBoundControl";
}  // namespace

int CEnterKeyFilter::ReplacementKey(const QObject* target) {
    if (!target || !target->property(kBoundProperty).toBool()) {
        return 0;
    }
    if (qobject_cast<const QLineEdit*>(target)) {
        return Qt::Key_Tab;
    }
    if (qobject_cast<const QAbstractButton*>(target)) {
        return Qt::Key_Space;
    }
    if (qobject_cast<const QComboBox*>(target)) {
        return Qt::Key_Down;
    }
    return 0;
}

bool CEnterKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (const int replacement = ReplacementKey(watched)) {
                const QString text = replacement == Qt::Key_Space ? QStringLiteral(" ") : QString();
                QCoreApplication::postEvent(watched,
                                            new QKeyEvent(QEvent::KeyPress, replacement, Qt::NoModifier, text));
                // A button is pressed when the space bar is released.
                QCoreApplication::postEvent(watched,
                                            new QKeyEvent(QEvent::KeyRelease, replacement, Qt::NoModifier, text));
                return true;
            }
        }
    } else if (event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && ReplacementKey(watched) != 0) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
