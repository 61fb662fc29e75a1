// Reads a gaze data file as the gaze thread writes it and turns it back into samples.
//
// Lines "name:value" are header or settings lines; "iScreenWidth" and "iScreenHeight" give the
// recorded screen, and when it differs from the host's screen every point is scaled to the host
// screen (a later header, from a second run appended to the same file, changes the scale from
// there on). "[x,y]" is a valid sample, "[-]" a sample whose eye was not found; every other line
// is skipped. After the end of the data every sample is a not-found one, as a tracker gives
// when it loses the eye.
#pragma once

#include <cstdint>
#include <string_view>

#include "LineReader.h"
#include "qvtrack.h"

namespace qvtrack {

class ReplayReader {
public:
    // Lines longer than this are no lines the gaze thread writes: skipped.
    static constexpr std::size_t kMaxLineBytes = 4096;
    // Lines examined per call at most, so a file of junk cannot hold the caller up for long;
    // when that many lines held no sample, the call gives a not-found sample.
    static constexpr int kMaxLinesPerSample = 10000;

    // `stream` must outlive the reader; hostWidth/hostHeight of 0 or less turn scaling off.
    ReplayReader(support::ByteSource& stream, int hostWidth, int hostHeight);

    // Fills `out` with the next sample (found 1 or 0, host screen pixels).
    void next(GazeSample& out);

    bool atEnd() const { return m_atEnd; }
    // How the recorded screen is known so far (0 when not given).
    int recordedWidth() const { return m_recordedWidth; }
    int recordedHeight() const { return m_recordedHeight; }

    enum class LineKind { Sample, NotFound, Header, Skipped };
    // Classifies one line (without its line end); fills x, y for Sample. Pure, for tests.
    static LineKind classify(std::string_view line, std::int32_t& x, std::int32_t& y);

private:
    void applyHeader(std::string_view line);
    static std::int32_t scale(std::int32_t value, int recorded, int host);

    LineReader m_lines;
    int m_hostWidth;
    int m_hostHeight;
    int m_recordedWidth = 0;
    int m_recordedHeight = 0;
    bool m_atEnd = false;
    std::string m_line;
};

}  // namespace qvtrack
