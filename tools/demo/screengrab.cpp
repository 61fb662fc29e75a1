// lumora_screengrab: saves a picture of the screen (or of a part of it) of the X display it
// runs on, for the tests that watch Lumora in a real window.
//
//   lumora_screengrab OUTPUT.png [X Y W H]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 && args.size() != 6) {
        std::fprintf(stderr, "usage: lumora_screengrab OUTPUT.png [X Y W H]\n");
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        std::fprintf(stderr, "lumora_screengrab: no screen\n");
        return 1;
    }
    const bool part = args.size() == 6;
    const QPixmap shot = part
                             ? screen->grabWindow(0, args[2].toInt(), args[3].toInt(), args[4].toInt(), args[5].toInt())
                             : screen->grabWindow(0);
    if (shot.isNull() || !shot.save(args[1])) {
        std::fprintf(stderr, "lumora_screengrab: cannot save %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
