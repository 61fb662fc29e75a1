// The application of a GUI test program: one QApplication on Qt's offscreen platform, made on
// first use and left to the process's exit (it must outlive every static of the program and of
// Qt). Also the helpers that let a test wait, inside the event loop, for the windows its actions
// open. GUI thread only.
#pragma once

#include <QApplication>
#include <QSize>
#include <QString>
#include <functional>
#include <ostream>

class QObject;
class QWidget;

namespace testsupport {

// The program's application, made on the first call with `screen` as the one screen's size
// (96 dpi, device pixel ratio 1); an empty size keeps the platform's own screen. Later calls
// return the same application whatever they ask for.
QApplication& OffscreenApp(QSize screen = QSize());

// Delivers what is pending: posted events, and the events those post in turn, a few rounds deep.
void Pump();

// Calls fn once, from the event loop, as soon as window is visible (for a nested exec()).
void WhenVisible(QWidget* window, std::function<void()> fn);
// Calls fn once, from the event loop, as soon as the window find() returns exists and is visible
// (a window made only when it is needed). context: what the polling belongs to.
void WhenShown(QObject* context, std::function<QWidget*()> find, std::function<void()> fn);
// Offers every modal widget to action, from inside its modal loop, until action returns true.
void WhenModalOpens(std::function<bool(QWidget*)> action);
// Runs action on the next modal dialog of type T that opens (from inside its exec), e.g. to
// press its Cancel button.
template <class T>
void WhenDialogOpens(std::function<void(T*)> action) {
    WhenModalOpens([action](QWidget* w) {
        T* dialog = qobject_cast<T*>(w);
        if (dialog)
            action(dialog);
        return dialog != nullptr;
    });
}

// Shows window and makes it the active window, so that focus changes send real focus events.
bool ShowActive(QWidget* window);
// Clicks a button, check box or radio button on its indicator (a stretched check box takes
// clicks only on its box and text).
void ClickButton(QWidget* button);
// Types text into widget as a user would (keyboard events), after selecting what is there.
void TypeInto(QWidget* widget, const QString& text);

}  // namespace testsupport

// Lets test failures print QStrings readably (found by GoogleTest through the argument's type).
void PrintTo(const QString& text, std::ostream* out);
