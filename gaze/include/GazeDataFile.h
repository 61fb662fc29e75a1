// GazeDataFile: the run's gaze data file, "Lumora/Data/LMdata<start time>.dat" relative to the
// working directory. Opened for appending (two runs in the same minute share a file), one line
// written and flushed as a whole under the file's mutex, so the gaze thread's sample lines and
// the settings command's lines never interleave inside a line. Safe from any thread.
// A file that is closed, could not be opened or hit a write error takes no more lines.
#pragma once

#include <ctime>
#include <initializer_list>
#include <mutex>
#include <string>
#include <string_view>

#include "GazeTuning.h"
#include "FileCloser.h"

namespace lumora {

inline constexpr std::string_view kDataFolder = "Lumora/Data";
inline constexpr std::string_view kGazeDataPrefix = "LMdata";
inline constexpr std::string_view kDataFileSuffix = ".dat";
inline constexpr std::string_view kDataFileTimeFormat = "%Y-%m-%d_%H%M";
inline constexpr std::string_view kDataVersionLine = "Lumora version: 2.7";
inline constexpr std::string_view kDataScreenWidthLabel = "iScreenWidth:";
inline constexpr std::string_view kDataScreenHeightLabel = "iScreenHeight:";
inline constexpr std::string_view kDataSampleRateLabel = "iSamplePerSec:";
inline constexpr std::string_view kDataMinFixLabel = "fMinFixMs:";
inline constexpr std::string_view kDataYellowLabel = "Yellow:";
inline constexpr std::string_view kDataGazeDevLabel = "GazeDev:";

class GazeDataFile {
public:
    GazeDataFile() = default;
    GazeDataFile(const GazeDataFile&) = delete;
    GazeDataFile& operator=(const GazeDataFile&) = delete;

    // "Lumora/Data/LMdata2005-05-25_2021.dat" for a run started at 20:21 on 25 May 2005 (local time).
    static std::string PathFor(std::time_t startTime);

    // Creates the data folder when missing and opens the file of the start time. False when
    // the file cannot be opened (writes then do nothing). An existing file whose last line has no
    // line end gets one first, so the new lines start on a line of their own.
    bool open(std::time_t startTime);
    // The same for a given path; its folder must exist.
    bool openPath(const std::string& path);
    void close();
    bool isOpen() const;
    const std::string& path() const { return m_path; }

    // Appends the line and a line feed and flushes, all under the lock. False when nothing was
    // written (closed or failed file).
    bool writeLine(std::string_view line);
    // Several lines under one lock, so no other line comes between them.
    bool writeLines(std::initializer_list<std::string_view> lines);

private:
    bool writeLocked(std::string_view line);

    mutable std::mutex m_mutex;
    support::FilePtr m_file;
    bool m_failed = false;
    std::string m_path;
};

// A float in the file's number format: general, six significant digits (500, 12.7, 6.35).
std::string FormatDataNumber(float value);

// The three settings lines ("fMinFixMs:", "Yellow:", "GazeDev:" with their values), written
// together; also the last three lines of the header.
bool WriteGazeSettingsLines(GazeDataFile& file, const GazeTuning& tuning);

}  // namespace lumora
