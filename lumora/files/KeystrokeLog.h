// The keystroke-level log: one line of text per drawing action of a session, for later study
// of how the user worked. The canvas opens it when it starts and writes to it from its message
// handlers; nothing in the program reads it back.
//
// The file is "Lumora/Data/LMkey<%Y-%m-%d_%H%M>.dat" under the working directory, opened for
// appending, so a second session within the same minute continues the same file. Lines end in
// a single line feed; the three shape-tool texts end in ", " instead, so that the next event
// completes their line. Every event reaches the file before the call returns.
//
// When the log cannot be opened, or a write has failed once, every later event is dropped
// silently: drawing never depends on the log.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "ByteSink.h"
#include "FileCloser.h"

namespace lumora {

// Where the log's text goes: a byte sink whose flush() pushes what it took to its destination,
// because every event must reach the file before the call returns. Either reports false once
// the destination refused something.
class LogSink : public support::ByteSink {
public:
    virtual bool flush() = 0;
};

// Appends to a file through the C library's buffered stream; closes it on destruction.
class FileLogSink : public LogSink {
public:
    // Opens (creating when absent) for reading and appending; null when that fails or the path
    // names anything but a regular file (a FIFO, a device, a folder).
    static std::unique_ptr<FileLogSink> Open(const QString& path);
    bool write(std::string_view text) override;
    bool flush() override;

private:
    explicit FileLogSink(support::FilePtr file) : m_file(std::move(file)) {}
    support::FilePtr m_file;
};

class KeystrokeLog {
public:
    enum class Event {
        LineButton,
        RectangleButton,
        CircleButton,
        StampButton,
        StartShape,
        EndShape,
        Stamp,
        StampChange,
        ColorChange,
        Fill,
        UnFill,
        GridOn,
        GridOff,
        Undo,
        New,
        Open,
        Save,
    };

    // The folder and the file name for a log opened at that local time.
    static QString Folder();
    static QString FileNameFor(const QDateTime& localTime);
    // The header written once at opening, for that local date.
    static std::string HeaderFor(const QDate& localDate);
    // The text of an event, with its line feed when it has one.
    static std::string_view TextOf(Event event);

    // A log that records nothing (as when opening failed).
    KeystrokeLog() = default;

    // Takes the sink and writes the header; a null sink gives a log that records nothing.
    void open(std::unique_ptr<LogSink> sink, const QDate& localDate);
    // Opens the file for the current local time (creating the folder when missing) and writes
    // the header. Returns whether the file could be opened.
    bool openFile();

    // Writes the event's text and flushes it.
    void record(Event event);

    // Whether events are being recorded: opened, and no write has failed.
    bool isRecording() const { return m_sink != nullptr && !m_failed; }
    // The sink, for tests that wrote into memory.
    const LogSink* sink() const { return m_sink.get(); }

private:
    void put(std::string_view text);

    std::unique_ptr<LogSink> m_sink;
    bool m_failed = false;
};

}  // namespace lumora
