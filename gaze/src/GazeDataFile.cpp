#include "GazeDataFile.h"

#include <sys/stat.h>

#include <charconv>
#include <filesystem>
#include <system_error>

namespace lumora {

std::string GazeDataFile::PathFor(std::time_t startTime) {
    std::tm local{};
    localtime_r(&startTime, &local);
    char stamp[64];
    const std::string format(kDataFileTimeFormat);
    const std::size_t n = std::strftime(stamp, sizeof stamp, format.c_str(), &local);
    std::string path(kDataFolder);
    path.append("/").append(kGazeDataPrefix).append(stamp, n).append(kDataFileSuffix);
    return path;
}

bool GazeDataFile::open(std::time_t startTime) {
    // A fresh installation has no data folder; without it the whole run would go unrecorded.
    std::error_code ec;
    std::filesystem::create_directories(std::string(kDataFolder), ec);
    return openPath(PathFor(startTime));
}

bool GazeDataFile::openPath(const std::string& path) {
    std::lock_guard lock(m_mutex);
    m_path = path;
    m_file.reset(std::fopen(path.c_str(), "a+"));
    m_failed = !m_file;
    if (m_failed)
        return false;
    // A run that was killed mid-line leaves the file without a line end; the next run's first
    // line must not be glued to that fragment.
    std::FILE* f = m_file.get();
    struct stat st {};
    if (::fstat(::fileno(f), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 && std::fseek(f, -1, SEEK_END) == 0) {
        const int last = std::fgetc(f);
        if (last != '\n' && last != EOF && (std::fputc('\n', f) == EOF || std::fflush(f) != 0))
            m_failed = true;
    }
    return !m_failed;
}

void GazeDataFile::close() {
    std::lock_guard lock(m_mutex);
    m_file.reset();
}

bool GazeDataFile::isOpen() const {
    std::lock_guard lock(m_mutex);
    return m_file && !m_failed;
}

bool GazeDataFile::writeLocked(std::string_view line) {
    if (!m_file || m_failed)
        return false;
    std::FILE* f = m_file.get();
    if (std::fwrite(line.data(), 1, line.size(), f) != line.size() || std::fputc('\n', f) == EOF ||
        std::fflush(f) != 0) {
        m_failed = true;
        return false;
    }
    return true;
}

bool GazeDataFile::writeLine(std::string_view line) {
    std::lock_guard lock(m_mutex);
    return writeLocked(line);
}

bool GazeDataFile::writeLines(std::initializer_list<std::string_view> lines) {
    std::lock_guard lock(m_mutex);
    bool ok = true;
    for (std::string_view line : lines)
        ok = writeLocked(line) && ok;
    return ok;
}

std::string FormatDataNumber(float value) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 6);
    return ec == std::errc() ? std::string(buf, end) : std::string("0");
}

bool WriteGazeSettingsLines(GazeDataFile& file, const GazeTuning& tuning) {
    const std::string minFix = std::string(kDataMinFixLabel) + FormatDataNumber(tuning.fMinFixMs);
    const std::string yellow = std::string(kDataYellowLabel) + (tuning.Yellow ? "1" : "0");
    const std::string gazeDev = std::string(kDataGazeDevLabel) + FormatDataNumber(tuning.GazeDev);
    return file.writeLines({minFix, yellow, gazeDev});
}

}  // namespace lumora
