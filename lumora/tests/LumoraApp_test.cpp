// The program's command line, its choice and preparation of the working folder, and the
// pointer feed.
#include "app/LumoraApp.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>

#include "GazeTuning.h"
#include "qvtrack.h"

using namespace lumora;

namespace {

void WriteFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

// With the pointer source, a mouse move over a window of the program is where the tracker
// library says the eyes are.
TEST(PointerFeederTest, MouseMovesOverAWindowFeedTheTracker) {
    int argc = 1;
    char name[] = "LumoraApp_test";
    char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    auto app = std::make_unique<QApplication>(argc, argv);
    qputenv("QVTRACK_SOURCE", "pointer");
    qputenv("QVTRACK_SPEED", "0");
    TrackerControl control{};
    control.requestedRate = 60;
    control.screenWidth = 800;
    control.screenHeight = 600;
    ASSERT_EQ(QvInit(&control), 0);
    {
        QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
        window.setGeometry(100, 50, 300, 200);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        PointerFeeder feeder;
        app->installEventFilter(&feeder);
        QTest::mouseMove(&window, QPoint(10, 20));
        QCoreApplication::processEvents();
        QvGetData(&control);
        ASSERT_NE(control.sample, nullptr);
        EXPECT_EQ(control.sample->found, 1);
        EXPECT_EQ(control.sample->x, 110);
        EXPECT_EQ(control.sample->y, 70);
        app->removeEventFilter(&feeder);
    }
    QvExit(&control);
    app.reset();
}

TEST(LumoraArgumentsTest, Table) {
    struct Case {
        QStringList args;
        bool ok;
        QString gaze;
        QString workDir;
    };
    const Case cases[] = {
        {{}, true, "", ""},
        {{"--gaze", "pointer"}, true, "pointer", ""},
        {{"--gaze", "replay:/tmp/a.rec", "--workdir", "w"}, true, "replay:/tmp/a.rec", "w"},
        {{"--workdir", "/x y"}, true, "", "/x y"},
        {{"--gaze"}, false, "", ""},
        {{"--workdir"}, false, "", ""},
        {{"--colour", "red"}, false, "", ""},
        {{"pointer"}, false, "", ""},
        {{"--screenshot-after", "soon"}, false, "", ""},
        {{"--screenshot-after", "-5"}, false, "", ""},
    };
    for (const Case& c : cases) {
        const LumoraOptions o = ParseLumoraArguments(c.args);
        EXPECT_EQ(o.ok, c.ok) << c.args.join(' ').toStdString();
        if (o.ok) {
            EXPECT_EQ(o.gazeSource, c.gaze);
            EXPECT_EQ(o.workDir, c.workDir);
        } else {
            EXPECT_FALSE(o.error.isEmpty());
        }
    }
}

TEST(WorkingFolderTest, RequestedThenCurrentWithPicturesThenPerUserFolder) {
    QTemporaryDir tmp(QDir::current().filePath(QStringLiteral("scratch-XXXXXX")));
    ASSERT_TRUE(tmp.isValid());
    FolderContext ctx;
    ctx.current = tmp.filePath("cwd");
    ctx.home = tmp.filePath("home");
    QDir().mkpath(ctx.current);

    EXPECT_EQ(ChooseWorkingFolder("/abs/where", ctx), "/abs/where");
    EXPECT_EQ(ChooseWorkingFolder("rel", ctx), tmp.filePath("cwd/rel"));

    EXPECT_EQ(ChooseWorkingFolder("", ctx), tmp.filePath("home/.local/share/lumora"));
    ctx.xdgDataHome = tmp.filePath("xdg");
    EXPECT_EQ(ChooseWorkingFolder("", ctx), tmp.filePath("xdg/lumora"));
    ctx.xdgDataHome = "relative/xdg";  // not absolute: ignored, as the convention says
    EXPECT_EQ(ChooseWorkingFolder("", ctx), tmp.filePath("home/.local/share/lumora"));

    QDir().mkpath(tmp.filePath("cwd/Lumora/Images"));
    EXPECT_EQ(ChooseWorkingFolder("", ctx), tmp.filePath("cwd"));
}

TEST(WorkingFolderTest, ShippedFilesAreFoundBesideTheProgram) {
    QTemporaryDir tmp(QDir::current().filePath(QStringLiteral("scratch-XXXXXX")));
    QDir().mkpath(tmp.filePath("bin"));
    EXPECT_EQ(FindShippedFiles(tmp.filePath("bin")), QString());
    QDir().mkpath(tmp.filePath("share/lumora/Lumora/Images"));
    EXPECT_EQ(FindShippedFiles(tmp.filePath("bin")), tmp.filePath("share/lumora"));
}

TEST(WorkingFolderTest, PreparationCopiesOnlyWhatIsMissingAndMakesTheDataFolders) {
    QTemporaryDir tmp(QDir::current().filePath(QStringLiteral("scratch-XXXXXX")));
    const QString shipped = tmp.filePath("share/lumora");
    WriteFile(shipped + "/Lumora/Images/left_small.bmp", "shipped left");
    WriteFile(shipped + "/Lumora/Sounds/CLICK.WAV", "shipped click");
    const QString work = tmp.filePath("user/lumora");
    WriteFile(work + "/Lumora/Sounds/CLICK.WAV", "the user's own click");

    ASSERT_TRUE(PrepareWorkingFolder(work, shipped));
    EXPECT_EQ(ReadFile(work + "/Lumora/Images/left_small.bmp"), "shipped left");
    EXPECT_EQ(ReadFile(work + "/Lumora/Sounds/CLICK.WAV"), "the user's own click");
    EXPECT_TRUE(QFileInfo(work + "/Lumora/Data").isDir());
    EXPECT_TRUE(QFileInfo(work + "/Lumora/Drawings").isDir());

    // Without shipped files the folders are still made.
    const QString bare = tmp.filePath("bare");
    ASSERT_TRUE(PrepareWorkingFolder(bare, QString()));
    EXPECT_TRUE(QFileInfo(bare + "/Lumora/Drawings").isDir());
}

// The working folder is chosen before the tracker starts: a relative replay path must keep
// meaning the file where the command was typed.
TEST(GazeSourceTest, RelativeReplayPathsMeanTheStartFolder) {
    const struct {
        QString source;
        QString resolved;
    } cases[] = {
        {"replay:rec.dat", "replay:/home/u/start/rec.dat"},
        {"replay:../data/rec.dat", "replay:/home/u/data/rec.dat"},
        {"replay:./a b.dat", "replay:/home/u/start/a b.dat"},
        {"replay:/abs/rec.dat", "replay:/abs/rec.dat"},
        {"replay:", "replay:"},
        {"pointer", "pointer"},
        {"udp:7000", "udp:7000"},
        {"", ""},
        {"Replay:rec.dat", "Replay:rec.dat"},
        {"camera", "camera"},
        {"camera:2", "camera:2"},
        {"camera:/dev/video1", "camera:/dev/video1"},
        {"camera:missing.avi", "camera:missing.avi"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolveGazeSource(c.source, "/home/u/start"), c.resolved) << c.source.toStdString();
}

// A head video named relative to the start folder is found there; a camera's number stays a
// camera even when a file of that name lies in the folder.
TEST(GazeSourceTest, RelativeCameraVideosMeanTheStartFolder) {
    QTemporaryDir tmp(QDir::current().filePath(QStringLiteral("scratch-XXXXXX")));
    const QString start = QDir(tmp.path()).canonicalPath();
    for (const char* name : {"head.avi", "2"}) {
        QFile file(start + '/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(ResolveGazeSource("camera:head.avi", start), "camera:" + start + "/head.avi");
    EXPECT_EQ(ResolveGazeSource("camera:2", start), "camera:2");
}

// Whatever stands at the settings path at start, the check never blocks; what cannot give the
// gaze its values is kept aside as LMSettings.ini.bad and replaced by the first-run file, with
// one line for the user. A good file, or a first run, is left alone and silent.
TEST(SettingsRepairTest, UnusableSettingsAreKeptAsideAndReplaced) {
    QTemporaryDir tmp(QDir::current().filePath(QStringLiteral("scratch-XXXXXX")));
    const QString shipped = tmp.filePath("share");
    WriteFile(shipped + "/Lumora/LMSettings.ini", "[FixTime]\nfMinFixMs=400\n[GazeDev]\nThresh=6.35\n");
    enum Kind { File, Folder, Fifo, SelfLink, ZeroLink, Nothing };
    const struct {
        const char* name;
        Kind kind;
        QByteArray content;
        SettingsRepair::Outcome outcome;
    } cases[] = {
        {"emptied", File, "", SettingsRepair::Replaced},
        {"zeros", File, "[FixTime]\nfMinFixMs=0\n[GazeDev]\nThresh=0\n", SettingsRepair::Replaced},
        {"words", File, "[FixTime]\nfMinFixMs=slow\n[GazeDev]\nThresh=wide\n", SettingsRepair::Replaced},
        {"no size", File, "[FixTime]\nfMinFixMs=500\n", SettingsRepair::Replaced},
        {"binary", File, QByteArray("\0\1\2[FixTime]", 12), SettingsRepair::Replaced},
        {"huge", File, "[FixTime]\nfMinFixMs=500\n[GazeDev]\nThresh=6.35\n" + QByteArray(70 * 1024, ';'),
         SettingsRepair::Replaced},
        {"good", File, "[FixTime]\nfMinFixMs=450\n[GazeDev]\nThresh=12.7\n", SettingsRepair::Usable},
        {"good with mark", File, "\xEF\xBB\xBF[FixTime]\r\nfMinFixMs=300\r\n[GazeDev]\r\nThresh=19.05\r\n",
         SettingsRepair::Usable},
        {"folder", Folder, "", SettingsRepair::Replaced},
        {"fifo", Fifo, "", SettingsRepair::Replaced},
        {"self link", SelfLink, "", SettingsRepair::Replaced},
        {"link to a device", ZeroLink, "", SettingsRepair::Replaced},
        {"first run", Nothing, "", SettingsRepair::Created},
    };
    const QString previous = QDir::currentPath();
    for (const auto& c : cases) {
        const QString work = tmp.filePath(QString::fromLatin1(c.name));
        QDir().mkpath(work + "/Lumora");
        ASSERT_TRUE(QDir::setCurrent(work));
        WriteFile("Lumora/LMSettings.ini.bad", "an older bad file");
        switch (c.kind) {
            case File:
                WriteFile("Lumora/LMSettings.ini", c.content);
                break;
            case Folder:
                QDir().mkpath("Lumora/LMSettings.ini/inside");
                break;
            case Fifo:
                ASSERT_EQ(::mkfifo("Lumora/LMSettings.ini", 0600), 0);
                break;
            case SelfLink:
                ASSERT_EQ(::symlink("LMSettings.ini", "Lumora/LMSettings.ini"), 0);
                break;
            case ZeroLink:
                ASSERT_EQ(::symlink("/dev/zero", "Lumora/LMSettings.ini"), 0);
                break;
            case Nothing:
                break;
        }
        const SettingsRepair repair = RepairGazeSettings(shipped);
        EXPECT_EQ(repair.outcome, c.outcome) << c.name;
        EXPECT_EQ(repair.message.isEmpty(), c.outcome != SettingsRepair::Replaced) << c.name;
        if (c.outcome == SettingsRepair::Replaced) {
            EXPECT_TRUE(repair.message.startsWith("lumora: the gaze settings file Lumora/LMSettings.ini "))
                << repair.message.toStdString();
            EXPECT_TRUE(repair.message.endsWith("it is kept as Lumora/LMSettings.ini.bad and the first-run settings "
                                                "are used"))
                << repair.message.toStdString();
            EXPECT_EQ(ReadFile("Lumora/LMSettings.ini"), ReadFile(shipped + "/Lumora/LMSettings.ini")) << c.name;
            if (c.kind == File) {
                EXPECT_EQ(ReadFile("Lumora/LMSettings.ini.bad"), c.content) << c.name;
            } else if (c.kind == Folder) {
                EXPECT_TRUE(QFileInfo("Lumora/LMSettings.ini.bad/inside").isDir());
            } else if (c.kind == SelfLink || c.kind == ZeroLink) {
                EXPECT_TRUE(QFileInfo("Lumora/LMSettings.ini.bad").isSymLink()) << c.name;
            }
        } else {
            EXPECT_EQ(ReadFile("Lumora/LMSettings.ini.bad"), "an older bad file") << c.name;
            const QByteArray expected = c.kind == File ? c.content : ReadFile(shipped + "/Lumora/LMSettings.ini");
            EXPECT_EQ(ReadFile("Lumora/LMSettings.ini"), expected) << c.name;
        }
        ASSERT_TRUE(QDir::setCurrent(previous));
    }
}

// Without shipped files the first-run file is the built-in one, the same as the file shipped.
TEST(SettingsRepairTest, TheBuiltInFirstRunFileIsTheShippedOne) {
    QTemporaryDir tmp(QDir::current().filePath(QStringLiteral("scratch-XXXXXX")));
    const QString previous = QDir::currentPath();
    QDir().mkpath(tmp.filePath("Lumora"));
    ASSERT_TRUE(QDir::setCurrent(tmp.path()));
    WriteFile("Lumora/LMSettings.ini", "");
    EXPECT_EQ(RepairGazeSettings(QString()).outcome, SettingsRepair::Replaced);
    const QByteArray builtIn = ReadFile("Lumora/LMSettings.ini");
    ASSERT_TRUE(QDir::setCurrent(previous));
    EXPECT_EQ(builtIn.toStdString(), FirstRunSettingsText());
    const QString shippedFile = QDir(QStringLiteral(LUMORA_TEST_DATA_DIR "/../../app")).filePath("LMSettings.ini");
    EXPECT_EQ(ReadFile(shippedFile), builtIn) << shippedFile.toStdString();
}

TEST(WorkingFolderTest, AFolderThatCannotBeMadeIsRefused) {
    QTemporaryDir tmp(QDir::current().filePath(QStringLiteral("scratch-XXXXXX")));
    WriteFile(tmp.filePath("plain"), "a file, not a folder");
    EXPECT_FALSE(PrepareWorkingFolder(tmp.filePath("plain/lumora"), QString()));
}
