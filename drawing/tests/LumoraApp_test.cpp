// The program's command line, its choice and preparation of the working folder, and the
// pointer feed.
#include "LumoraApp.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>

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
    QTemporaryDir tmp;
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
    QTemporaryDir tmp;
    QDir().mkpath(tmp.filePath("bin"));
    EXPECT_EQ(FindShippedFiles(tmp.filePath("bin")), QString());
    QDir().mkpath(tmp.filePath("share/lumora/Lumora/Images"));
    EXPECT_EQ(FindShippedFiles(tmp.filePath("bin")), tmp.filePath("share/lumora"));
}

TEST(WorkingFolderTest, PreparationCopiesOnlyWhatIsMissingAndMakesTheDataFolders) {
    QTemporaryDir tmp;
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

TEST(WorkingFolderTest, AFolderThatCannotBeMadeIsRefused) {
    QTemporaryDir tmp;
    WriteFile(tmp.filePath("plain"), "a file, not a folder");
    EXPECT_FALSE(PrepareWorkingFolder(tmp.filePath("plain/lumora"), QString()));
}
