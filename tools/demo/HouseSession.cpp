#include "HouseSession.h"

#include "dialogs/ExitDlg.h"
#include "app/MainDlg.h"
#include "dialogs/SaveDlg.h"

namespace lumora::demo {

namespace {

QPoint Share(const QSize& canvas, double x, double y) {
    return QPoint(static_cast<int>(canvas.width() * x), static_cast<int>(canvas.height() * y));
}

}  // namespace

QRect CanvasOnScreen(const QSize& screen) {
    return MainLayout::ForScreen(screen.width(), screen.height()).canvasRect();
}

House HouseOnCanvas(const QSize& canvas) {
    House h;
    h.body = QRect(Share(canvas, 0.31, 0.47), Share(canvas, 0.69, 0.91));
    h.eaveLeft = Share(canvas, 0.28, 0.47);
    h.apex = Share(canvas, 0.50, 0.24);
    h.eaveRight = Share(canvas, 0.72, 0.47);
    h.sun = QRect(Share(canvas, 0.77, 0.06), Share(canvas, 0.91, 0.24));
    h.stamp = Share(canvas, 0.16, 0.80);
    return h;
}

std::vector<Action> HouseSession(const QSize& screen) {
    const MainLayout layout = MainLayout::ForScreen(screen.width(), screen.height());
    const QRect canvas = layout.canvasRect();
    const House house = HouseOnCanvas(canvas.size());
    const auto button = [&layout](const char* name) {
        return MainDlg::PlaceAtStart(layout, QString::fromLatin1(name));
    };
    const auto onCanvas = [&canvas](const QPoint& p) { return p + canvas.topLeft(); };
    const QRect save = SaveDlg::SaveButtonPlace(screen).translated(SaveDlg::Placement(screen).topLeft());
    const QRect exit = ExitDlg::ExitButtonPlace(screen).translated(ExitDlg::Placement(screen).topLeft());
    // Above the right column, where the tracker's eye image shows: a place to look at that
    // chooses nothing.
    const QRect saveButton = button("Save");
    const QPoint eyeImage(saveButton.center().x(), saveButton.top() / 2);

    const auto rest = [](const char* what, int samples) {
        return Action{Action::Rest, QString::fromLatin1(what), {}, {}, samples};
    };
    const auto look = [](const char* what, QPoint at, int samples) {
        return Action{Action::Look, QString::fromLatin1(what), {}, at, samples};
    };
    const auto choose = [](const char* what, QRect b, int times = 1) {
        return Action{Action::Choose, QString::fromLatin1(what), b, {}, 0, times};
    };
    const auto dwell = [](const char* what, QPoint at, int times = 1) {
        return Action{Action::Dwell, QString::fromLatin1(what), {}, at, 0, times};
    };

    return {
        rest("the tracker finds the eyes", 12),
        look("a look at the eye image", eyeImage, 70),
        choose("Blue", button("Blue")),
        choose("Rectangle", button("Rectangle")),
        dwell("house: first corner", onCanvas(house.body.topLeft())),
        dwell("house: second corner", onCanvas(house.body.bottomRight())),
        choose("Red", button("Red")),
        choose("Line", button("Line")),
        dwell("roof: left eave", onCanvas(house.eaveLeft)),
        dwell("roof: apex", onCanvas(house.apex)),
        // Still at the apex: the second line starts where the first ended.
        dwell("roof: apex again", onCanvas(house.apex)),
        dwell("roof: right eave", onCanvas(house.eaveRight)),
        choose("Yellow", button("Yellow")),
        // Held on: the second choice of the selected shape fills it.
        choose("Circle, then Circle again to fill", button("Circle"), 2),
        dwell("sun: first corner", onCanvas(house.sun.topLeft())),
        dwell("sun: second corner", onCanvas(house.sun.bottomRight())),
        choose("Stamps", button("Stamps")),
        choose("Flower", button("Flower")),
        dwell("flower stamp", onCanvas(house.stamp)),
        rest("a blink", 8),
        look("a rest on the eye image", eyeImage, 200),
        choose("Save", saveButton),
        choose("Save in the save dialog", save),
        choose("Exit", button("Exit")),
        choose("Exit in the exit dialog", exit),
        rest("the eyes leave the screen", kSamplesAfterExit),
    };
}

}  // namespace lumora::demo
