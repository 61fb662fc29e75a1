#include "files/KeystrokeLog.h"
#include "MemoryLogSink.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

using namespace lumora;

namespace {

using Event = KeystrokeLog::Event;

const QDate kDay(2004, 7, 12);
const std::string kHeader =
    "The following represents keystroke level events for a drawing session in Lumora on 07/12/2004\n"
    "Lumora version: 2.6\n"
    "Initial values are:\n"
    "Line, No Polygon, Black, No Grid\n"
    "\n";

// Keeps a view of the memory sink the log owns.
struct MemoryLog {
    KeystrokeLog log;
    MemoryLogSink* sink = nullptr;

    explicit MemoryLog(std::size_t failAfter = std::string::npos) {
        auto owned = failAfter == std::string::npos ? std::make_unique<MemoryLogSink>()
                                                    : std::make_unique<MemoryLogSink>(failAfter);
        sink = owned.get();
        log.open(std::move(owned), kDay);
    }
    std::string body() const { return sink->text().substr(std::min(kHeader.size(), sink->text().size())); }
};

}  // namespace

TEST(KeystrokeLog, NameAndHeader) {
    EXPECT_EQ(KeystrokeLog::FileNameFor(QDateTime(kDay, QTime(12, 25, 59))),
              QStringLiteral("Lumora/Data/LMkey2004-07-12_1225.dat"));
    EXPECT_EQ(KeystrokeLog::FileNameFor(QDateTime(QDate(2026, 1, 2), QTime(3, 4))),
              QStringLiteral("Lumora/Data/LMkey2026-01-02_0304.dat"));
    MemoryLog m;
    EXPECT_EQ(m.sink->text(), kHeader);
    EXPECT_TRUE(m.log.isRecording());
}

TEST(KeystrokeLog, EveryEventTextAndTheShapeButtonsShareALine) {
    const std::pair<Event, std::string> table[] = {
        {Event::LineButton, "Line Button, "},
        {Event::RectangleButton, "Rectangle Button, "},
        {Event::CircleButton, "Circle Button, "},
        {Event::StampButton, "Stamp Button\n"},
        {Event::StartShape, "Start Shape\n"},
        {Event::EndShape, "End Shape\n"},
        {Event::Stamp, "Stamp\n"},
        {Event::StampChange, "Stamp Change\n"},
        {Event::ColorChange, "Color Change\n"},
        {Event::Fill, "Fill\n"},
        {Event::UnFill, "UnFill\n"},
        {Event::GridOn, "Grid On\n"},
        {Event::GridOff, "Grid Off\n"},
        {Event::Undo, "Undo\n"},
        {Event::New, "New\n"},
        {Event::Open, "Open\n"},
        {Event::Save, "Save\n"},
    };
    for (const auto& [event, text] : table) {
        EXPECT_EQ(KeystrokeLog::TextOf(event), text);
    }

    MemoryLog m;
    m.log.record(Event::LineButton);
    m.log.record(Event::LineButton);
    m.log.record(Event::StartShape);
    m.log.record(Event::EndShape);
    EXPECT_EQ(m.body(), "Line Button, Line Button, Start Shape\nEnd Shape\n");
}

TEST(KeystrokeLog, FailedWriteDropsEverythingAfter) {
    // Room for the header and part of the next event only.
    MemoryLog m(kHeader.size() + 4);
    m.log.record(Event::Undo);
    EXPECT_FALSE(m.log.isRecording());
    m.log.record(Event::New);
    EXPECT_EQ(m.sink->text(), kHeader + "Undo");

    // A header that does not fit already stops the log.
    MemoryLog tiny(10);
    EXPECT_FALSE(tiny.log.isRecording());
    tiny.log.record(Event::Save);
    EXPECT_EQ(tiny.sink->text().size(), 10u);
}

TEST(KeystrokeLog, WithoutASinkNothingIsRecorded) {
    KeystrokeLog never;
    never.record(Event::Undo);
    EXPECT_FALSE(never.isRecording());
    KeystrokeLog unopened;
    unopened.open(nullptr, kDay);
    unopened.record(Event::Undo);
    EXPECT_FALSE(unopened.isRecording());
}

TEST(KeystrokeLog, FileAppendsASecondSessionAndRefusesABadPath) {
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("logs")));
    const QString path = QStringLiteral("logs/LMkey.dat");
    QFile::remove(path);
    for (int session = 0; session < 2; ++session) {
        KeystrokeLog log;
        log.open(FileLogSink::Open(path), kDay);
        log.record(Event::Stamp);
        EXPECT_TRUE(log.isRecording());
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), kHeader + "Stamp\n" + kHeader + "Stamp\n");

    EXPECT_EQ(FileLogSink::Open(QStringLiteral("no/such/folder/LMkey.dat")), nullptr);
    EXPECT_EQ(FileLogSink::Open(QStringLiteral("logs")), nullptr);  // a folder
}

TEST(KeystrokeLog, OnlyARegularFileKeepsTheSession) {
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("logs")));
    // A FIFO under the log's name opens at once, and would hang the program once its buffer
    // filled up; a device would swallow the session.
    QFile::remove(QStringLiteral("logs/fifo.dat"));
    ASSERT_EQ(::mkfifo("logs/fifo.dat", 0600), 0);
    EXPECT_EQ(FileLogSink::Open(QStringLiteral("logs/fifo.dat")), nullptr);
    QFile::remove(QStringLiteral("logs/null.dat"));
    ASSERT_EQ(::symlink("/dev/null", "logs/null.dat"), 0);
    EXPECT_EQ(FileLogSink::Open(QStringLiteral("logs/null.dat")), nullptr);
    // Drawing goes on unrecorded.
    KeystrokeLog log;
    log.open(FileLogSink::Open(QStringLiteral("logs/fifo.dat")), kDay);
    for (int i = 0; i < 10000; ++i)
        log.record(Event::Undo);
    EXPECT_FALSE(log.isRecording());
}

TEST(KeystrokeLog, OpenFileMakesTheFolderAndNamesTheFileByTheMinute) {
    QDir(QStringLiteral("Lumora")).removeRecursively();
    KeystrokeLog log;
    const QDateTime before = QDateTime::currentDateTime();
    ASSERT_TRUE(log.openFile());
    const QDateTime after = QDateTime::currentDateTime();
    log.record(Event::GridOn);
    const QStringList files = QDir(KeystrokeLog::Folder()).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    const QString name = KeystrokeLog::Folder() + QLatin1Char('/') + files.front();
    EXPECT_TRUE(name == KeystrokeLog::FileNameFor(before) || name == KeystrokeLog::FileNameFor(after))
        << name.toStdString();
}
