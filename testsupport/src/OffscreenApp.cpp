#include "OffscreenApp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace testsupport {

namespace {

// Rounds of Pump(): a posted message whose handler posts again, and so on, settles in this many.
constexpr int kPumpRounds = 6;
// How often the waiting helpers look for the window they wait for, in milliseconds.
constexpr int kModalPollMs = 5;

}  // namespace

QApplication& OffscreenApp(QSize screen) {
    static int argc = 1;
    static char name[] = "gui_test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [screen] {
        if (screen.isEmpty()) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            return new QApplication(argc, argv);
        }
        // In the test's own working folder (its scratch folder, before any case moves into a
        // folder of its own), one file per process: test cases run side by side must not read
        // each other's half-written one.
        const QString config = QDir::current().filePath(
            QStringLiteral("offscreen-screen-%1.json").arg(QCoreApplication::applicationPid()));
        QFile file(config);
        file.open(QIODevice::WriteOnly);
        file.write(QStringLiteral(R"({"screens":[{"name":"A","x":0,"y":0,"width":%1,"height":%2,)"
                                  R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})")
                       .arg(screen.width())
                       .arg(screen.height())
                       .toUtf8());
        file.close();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
        auto* application = new QApplication(argc, argv);
        // The platform has read it; a run leaves nothing behind.
        QFile::remove(config);
        return application;
    }();
    return *app;
}

void Pump() {
    for (int i = 0; i < kPumpRounds; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
    }
}

void WhenVisible(QWidget* window, std::function<void()> fn) {
    auto* poll = new QTimer(window);
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, window, [poll, window, fn = std::move(fn)] {
        if (!window->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        fn();
    });
    poll->start();
}

void WhenShown(QObject* context, std::function<QWidget*()> find, std::function<void()> fn) {
    auto* poll = new QTimer(context);
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, context, [poll, find = std::move(find), fn = std::move(fn)] {
        QWidget* window = find();
        if (!window || !window->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        fn();
    });
    poll->start();
}

void WhenModalOpens(std::function<bool(QWidget*)> action) {
    // Polls from inside the modal loop until the wanted dialog is up, then acts once.
    auto* timer = new QTimer;
    timer->setInterval(kModalPollMs);
    QObject::connect(timer, &QTimer::timeout, [timer, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && action(modal)) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

void ClickButton(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

void TypeInto(QWidget* widget, const QString& text) {
    widget->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_Delete);
    QTest::keyClicks(widget, text);
}

}  // namespace testsupport

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
