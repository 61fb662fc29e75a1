#include "ReplayReader.h"

#include <cmath>
#include <limits>

#include "NumberText.h"

namespace qvtrack {

namespace {
constexpr std::string_view kWidthKey = "iScreenWidth";
constexpr std::string_view kHeightKey = "iScreenHeight";
constexpr std::string_view kNotFoundLine = "[-]";
// A recorded screen larger than this is no screen: the header is ignored.
constexpr std::int64_t kMaxScreenPixels = 1 << 20;
}  // namespace

ReplayReader::ReplayReader(support::ByteSource& stream, int hostWidth, int hostHeight)
    : m_lines(stream, kMaxLineBytes), m_hostWidth(hostWidth), m_hostHeight(hostHeight) {}

ReplayReader::LineKind ReplayReader::classify(std::string_view line, std::int32_t& x, std::int32_t& y) {
    line = TrimBlanks(line);
    if (line.empty()) {
        return LineKind::Skipped;
    }
    if (line.front() == '[') {
        if (line == kNotFoundLine) {
            return LineKind::NotFound;
        }
        if (line.back() != ']') {
            return LineKind::Skipped;
        }
        std::string_view inner = line.substr(1, line.size() - 2);
        std::size_t comma = inner.find(',');
        if (comma == std::string_view::npos) {
            return LineKind::Skipped;
        }
        auto px = ParseInteger(inner.substr(0, comma), std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max());
        auto py = ParseInteger(inner.substr(comma + 1), std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max());
        if (!px || !py) {
            return LineKind::Skipped;
        }
        x = static_cast<std::int32_t>(*px);
        y = static_cast<std::int32_t>(*py);
        return LineKind::Sample;
    }
    std::size_t colon = line.find(':');
    if (colon != std::string_view::npos && colon > 0) {
        return LineKind::Header;
    }
    return LineKind::Skipped;
}

void ReplayReader::applyHeader(std::string_view line) {
    line = TrimBlanks(line);
    std::size_t colon = line.find(':');
    std::string_view name = TrimBlanks(line.substr(0, colon));
    auto value = ParseInteger(line.substr(colon + 1), 1, kMaxScreenPixels);
    if (!value) {
        return;
    }
    if (name == kWidthKey) {
        m_recordedWidth = static_cast<int>(*value);
    } else if (name == kHeightKey) {
        m_recordedHeight = static_cast<int>(*value);
    }
}

std::int32_t ReplayReader::scale(std::int32_t value, int recorded, int host) {
    if (recorded <= 0 || host <= 0 || recorded == host) {
        return value;
    }
    // Nearest pixel; the result may lie off the screen as the recorded point did, but it stays
    // a representable coordinate.
    double scaled = std::round(static_cast<double>(value) * host / recorded);
    constexpr double kLo = std::numeric_limits<std::int32_t>::min();
    constexpr double kHi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(scaled < kLo ? kLo : (scaled > kHi ? kHi : scaled));
}

void ReplayReader::next(GazeSample& out) {
    out.found = 0;
    if (m_atEnd) {
        return;
    }
    for (int examined = 0; examined < kMaxLinesPerSample; ++examined) {
        LineReader::Result r = m_lines.next(m_line);
        if (r == LineReader::Result::End || r == LineReader::Result::Pending) {
            m_atEnd = true;
            return;
        }
        if (r == LineReader::Result::Overlong) {
            continue;
        }
        std::int32_t x = 0;
        std::int32_t y = 0;
        switch (classify(m_line, x, y)) {
            case LineKind::Sample:
                out.found = 1;
                out.x = scale(x, m_recordedWidth, m_hostWidth);
                out.y = scale(y, m_recordedHeight, m_hostHeight);
                return;
            case LineKind::NotFound:
                // The position of a not-found sample means nothing; keep the last one.
                return;
            case LineKind::Header:
                applyHeader(m_line);
                break;
            case LineKind::Skipped:
                break;
        }
    }
}

}  // namespace qvtrack
