#include "CameraSession.h"

#include "DemoRecording.h"
#include "app/MainDlg.h"
#include "dialogs/ExitDlg.h"
#include "dialogs/SaveDlg.h"

namespace qvtrack::headvideo {

namespace {
// A second without a face at the start (the camera finds it when it comes) and at the end.
constexpr int kAwayAtStart = 20;
constexpr int kAwayAtEnd = 60;
constexpr int kLookFrames = 40;
}  // namespace

QRect RectangleOnCanvas(const QSize& canvas) {
    return QRect(QPoint(canvas.width() * 3 / 10, canvas.height() * 35 / 100),
                 QPoint(canvas.width() * 7 / 10, canvas.height() * 75 / 100));
}

std::vector<lumora::demo::Action> RectangleSession(const QSize& screen) {
    using lumora::demo::Action;
    using lumora::ExitDlg;
    using lumora::MainDlg;
    using lumora::MainLayout;
    using lumora::SaveDlg;
    const MainLayout layout = MainLayout::ForScreen(screen.width(), screen.height());
    const QRect canvas = layout.canvasRect();
    const QRect rectangle = RectangleOnCanvas(canvas.size()).translated(canvas.topLeft());
    const auto button = [&layout](const char* name) { return MainDlg::PlaceAtStart(layout, QString::fromLatin1(name)); };
    const QRect save = SaveDlg::SaveButtonPlace(screen).translated(SaveDlg::Placement(screen).topLeft());
    const QRect exit = ExitDlg::ExitButtonPlace(screen).translated(ExitDlg::Placement(screen).topLeft());
    // Above the right column of buttons: a place that chooses nothing.
    const QRect saveButton = button("Save");
    const QPoint nowhere(saveButton.center().x(), saveButton.top() / 2);

    const auto away = [](const char* what, int frames) {
        return Action{Action::Rest, QString::fromLatin1(what), {}, {}, frames};
    };
    const auto look = [](const char* what, QPoint at, int frames) {
        return Action{Action::Look, QString::fromLatin1(what), {}, at, frames};
    };
    const auto choose = [](const char* what, QRect b) { return Action{Action::Choose, QString::fromLatin1(what), b, {}, 0, 1}; };
    const auto dwell = [](const char* what, QPoint at) { return Action{Action::Dwell, QString::fromLatin1(what), {}, at, 0, 1}; };

    return {
        away("the user sits down in front of the camera", kAwayAtStart),
        look("a look at a place that chooses nothing", nowhere, kLookFrames),
        choose("Red", button("Red")),
        choose("Rectangle", button("Rectangle")),
        dwell("first corner", rectangle.topLeft()),
        dwell("second corner", rectangle.bottomRight()),
        look("a rest", nowhere, kLookFrames),
        choose("Save", saveButton),
        choose("Save in the save dialog", save),
        choose("Exit", button("Exit")),
        choose("Exit in the exit dialog", exit),
        away("the user leaves", kAwayAtEnd),
    };
}

lumora::demo::ModelSettings CameraModelSettings() {
    lumora::demo::ModelSettings settings = lumora::demo::DemoModelSettings();
    settings.rate = static_cast<int>(kCameraRate);
    return settings;
}

}  // namespace qvtrack::headvideo
