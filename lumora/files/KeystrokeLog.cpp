#include "files/KeystrokeLog.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <array>
#include <cstdio>

namespace lumora {

namespace {

constexpr const char* kLogFolder = "Lumora/Data";
constexpr const char* kLogPrefix = "Lumora/Data/LMkey";
constexpr const char* kLogStampFormat = "yyyy-MM-dd_HHmm";
constexpr const char* kLogSuffix = ".dat";
constexpr const char* kHeaderDateFormat = "MM/dd/yyyy";

constexpr std::string_view kHeaderIntro =
    "The following represents keystroke level events for a drawing session in Lumora on ";
constexpr std::string_view kHeaderAfterDate =
    "\n"
    "Lumora version: 2.6\n"
    "Initial values are:\n"
    "Line, No Polygon, Black, No Grid\n"
    "\n";

// In the order of KeystrokeLog::Event.
constexpr std::array<std::string_view, 17> kEventTexts = {
    "Line Button, ",   "Rectangle Button, ",
    "Circle Button, ", "Stamp Button\n",
    "Start Shape\n",   "End Shape\n",
    "Stamp\n",         "Stamp Change\n",
    "Color Change\n",  "Fill\n",
    "UnFill\n",        "Grid On\n",
    "Grid Off\n",      "Undo\n",
    "New\n",           "Open\n",
    "Save\n",
};
static_assert(kEventTexts.size() == static_cast<std::size_t>(KeystrokeLog::Event::Save) + 1);

}  // namespace

std::unique_ptr<FileLogSink> FileLogSink::Open(const QString& path) {
    // "a+": read and append, created when absent; every write lands at the end.
    support::FilePtr file(std::fopen(QFile::encodeName(path).constData(), "a+"));
    if (!file) {
        return nullptr;
    }
    const int fd = ::fileno(file.get());
    auto sink = std::unique_ptr<FileLogSink>(new FileLogSink(std::move(file)));
    // A FIFO under the log's name opens at once for reading and writing, and would hang the
    // program once its buffer is full; a device would swallow the session. Only a regular file
    // keeps it.
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        return nullptr;
    }
    return sink;
}

bool FileLogSink::write(std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), m_file.get()) == text.size();
}

bool FileLogSink::flush() {
    return std::fflush(m_file.get()) == 0;
}

QString KeystrokeLog::Folder() {
    return QString::fromLatin1(kLogFolder);
}

QString KeystrokeLog::FileNameFor(const QDateTime& localTime) {
    return QString::fromLatin1(kLogPrefix) + localTime.toString(QString::fromLatin1(kLogStampFormat)) +
           QString::fromLatin1(kLogSuffix);
}

std::string KeystrokeLog::HeaderFor(const QDate& localDate) {
    std::string header(kHeaderIntro);
    header += localDate.toString(QString::fromLatin1(kHeaderDateFormat)).toStdString();
    header += kHeaderAfterDate;
    return header;
}

std::string_view KeystrokeLog::TextOf(Event event) {
    return kEventTexts[static_cast<std::size_t>(event)];
}

void KeystrokeLog::open(std::unique_ptr<LogSink> sink, const QDate& localDate) {
    m_sink = std::move(sink);
    m_failed = false;
    put(HeaderFor(localDate));
}

bool KeystrokeLog::openFile() {
    const QDateTime now = QDateTime::currentDateTime();
    // The main window makes the folder at start; a canvas started on its own must not lose
    // its session for want of it.
    QDir().mkpath(Folder());
    std::unique_ptr<FileLogSink> file = FileLogSink::Open(FileNameFor(now));
    const bool opened = file != nullptr;
    open(std::move(file), now.date());
    return opened;
}

void KeystrokeLog::record(Event event) {
    put(TextOf(event));
}

void KeystrokeLog::put(std::string_view text) {
    if (!isRecording()) {
        return;
    }
    // Flushed per event, so that a session cut short (a crash, the power) keeps its actions.
    if (!m_sink->write(text) || !m_sink->flush()) {
        m_failed = true;
    }
}

}  // namespace lumora
