// LumoraApp: the program object. It reads the command line, settles the working folder (all of
// Lumora's data paths are relative to it), chooses the gaze source, and runs the main window on
// the primary screen until it closes.
//
//   lumora [--gaze SOURCE] [--workdir DIR] [--lang CODE]
//
// CODE is the language of the windows ("de", "fr", "es", "it", "nl", "sv" or "en"); without it
// the desktop's language is used, English when Lumora does not speak it. The files Lumora writes
// stay English.
// SOURCE takes the values of QVTRACK_SOURCE ("pointer", the default, "replay:PATH" or
// "camera[:DEVICE_OR_FILE]"; a relative path means the folder the command was started in).
// With the pointer source, mouse moves over any of the program's windows feed the tracker
// library, so a tester with a mouse drives Lumora as a gaze user does.
#pragma once

#include <QApplication>
#include <QString>
#include <QStringList>

namespace lumora {

struct LumoraOptions {
    QString gazeSource;            // empty: keep the environment's choice
    QString workDir;               // empty: choose (see ChooseWorkingFolder)
    QString language;              // --lang; empty: the desktop's (languages::ChooseLanguage)
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

// The gaze source as the tracker library must see it once the program works in another folder:
// a relative replay path is made absolute against `startFolder` (the folder the command was
// started in). Any other source comes back as it is.
QString ResolveGazeSource(const QString& source, const QString& startFolder);

// What the start-up check of the gaze settings file found and did.
struct SettingsRepair {
    enum Outcome {
        Usable,         // the file gives a dwell timing and a dwell size: left alone
        Created,        // there was none: the first-run file was written (a first run)
        Replaced,       // unusable: kept as "LMSettings.ini.bad", the first-run file written
        Unreplaceable,  // unusable and it could not be moved aside: left as it is
    };
    Outcome outcome = Usable;
    QString message;  // the one line for standard error when the user must know; empty if not
};

// Checks "Lumora/LMSettings.ini" in the working folder before the main window reads it. A file
// that exists but gives no usable values (emptied by a crash, no numbers), or something that is
// no settings file (a folder, a FIFO, a device, a link to nothing, a file too large), is moved
// aside as "Lumora/LMSettings.ini.bad" (an older one of that name goes) and replaced by the
// first-run file: the copy among the shipped files (`shipped`, may be empty) or the built-in
// first-run text. Never blocks on what it finds. When the path cannot be freed, a folder or FIFO
// there makes the main window run with the first-run values.
SettingsRepair RepairGazeSettings(const QString& shipped);

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
