// LumoraApp: the program object. It reads the command line, settles the working folder (all of
// Lumora's data paths are relative to it), chooses the gaze source, and runs the main window on
// the primary screen until it closes.
//
//   lumora [--gaze SOURCE] [--workdir DIR]
//
// SOURCE takes the values of QVTRACK_SOURCE ("pointer", the default, or "replay:PATH"). With the
// pointer source, mouse moves over any of the program's windows feed the tracker library, so a
// tester with a mouse drives Lumora as a gaze user does.
#pragma once

#include <QApplication>
#include <QString>
#include <QStringList>

namespace lumora {

struct LumoraOptions {
    QString gazeSource;            // empty: keep the environment's choice
    QString workDir;               // empty: choose (see ChooseWorkingFolder)
    QString screenshotPath;        // debugging: save a picture of the screen ...
    int screenshotAfterMs = 3000;  // ... this long after start, then end
    bool ok = true;
    QString error;  // what was wrong with the command line, when !ok
};

// Parses the arguments after the program name.
LumoraOptions ParseLumoraArguments(const QStringList& arguments);

// The folders the working-folder choice looks at.
struct FolderContext {
    QString current;      // the current directory
    QString xdgDataHome;  // $XDG_DATA_HOME, may be empty
    QString home;         // the user's home folder
    QString programDir;   // the folder holding the running program
};

// Where Lumora works: the requested folder when given; else the current directory when it holds
// "Lumora/Images"; else the per-user data folder ($XDG_DATA_HOME/lumora, by default
// ~/.local/share/lumora).
QString ChooseWorkingFolder(const QString& requested, const FolderContext& context);

// The shipped pictures and sounds beside the program (a folder holding "Lumora/Images"), or
// empty when none is found.
QString FindShippedFiles(const QString& programDir);

// Makes the working folder ready: creates it, copies in every shipped file it lacks (never
// overwriting one), and creates "Lumora/Data" and "Lumora/Drawings" when missing. False when the
// folder cannot be created.
bool PrepareWorkingFolder(const QString& folder, const QString& shipped);

// Reports every mouse move over any of the program's windows to the tracker library (in pixels
// of the primary screen), for the pointer gaze source. Install it on the application. Watching
// the windows rather than the widgets sees every move, with or without mouse tracking on the
// widget under the pointer.
class PointerFeeder : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
};

class LumoraApp : public QApplication {
    Q_OBJECT
public:
    LumoraApp(int& argc, char** argv);
    // Runs the program; the process's exit status.
    int run();
};

}  // namespace lumora
