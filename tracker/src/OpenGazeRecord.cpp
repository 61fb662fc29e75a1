#include "OpenGazeRecord.h"

#include <cmath>
#include <limits>

#include "NumberText.h"
#include "Pixel.h"

namespace qvtrack {

namespace {

constexpr std::string_view kSampleTag = "REC";
constexpr std::string_view kFixX = "FPOGX";
constexpr std::string_view kFixY = "FPOGY";
constexpr std::string_view kFixValid = "FPOGV";
// A point of gaze this many screens away is no gaze but a broken record.
constexpr double kMaxFraction = 16.0;

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view TakeName(std::string_view& rest) {
    std::size_t n = 0;
    while (n < rest.size() && IsNameChar(rest[n])) {
        ++n;
    }
    std::string_view name = rest.substr(0, n);
    rest.remove_prefix(n);
    return name;
}

std::size_t SkipBlanks(std::string_view& rest) {
    std::size_t n = 0;
    while (n < rest.size() && IsBlank(rest[n])) {
        ++n;
    }
    rest.remove_prefix(n);
    return n;
}

}  // namespace

bool OpenGazeRecord::parse(std::string_view line) {
    m_tag = {};
    m_count = 0;
    std::string_view rest = line;
    SkipBlanks(rest);
    if (rest.empty() || rest.front() != '<') {
        return false;
    }
    rest.remove_prefix(1);
    std::string_view tag = TakeName(rest);
    if (tag.empty()) {
        return false;
    }
    for (;;) {
        std::size_t blanks = SkipBlanks(rest);
        if (rest.size() >= 2 && rest[0] == '/' && rest[1] == '>') {
            rest.remove_prefix(2);
            break;
        }
        if (blanks == 0 || m_count == kMaxAttributes) {
            m_count = 0;
            return false;
        }
        std::string_view name = TakeName(rest);
        if (name.empty() || rest.size() < 2 || rest[0] != '=' || rest[1] != '"') {
            m_count = 0;
            return false;
        }
        rest.remove_prefix(2);
        std::size_t close = rest.find('"');
        if (close == std::string_view::npos) {
            m_count = 0;
            return false;
        }
        m_attributes[m_count++] = {name, rest.substr(0, close)};
        rest.remove_prefix(close + 1);
    }
    SkipBlanks(rest);
    if (!rest.empty()) {
        m_count = 0;
        return false;
    }
    m_tag = tag;
    return true;
}

std::optional<std::string_view> OpenGazeRecord::attribute(std::string_view name) const {
    for (std::size_t i = 0; i < m_count; ++i) {
        if (m_attributes[i].name == name) {
            return m_attributes[i].value;
        }
    }
    return std::nullopt;
}

std::optional<double> OpenGazeRecord::number(std::string_view name) const {
    auto value = attribute(name);
    return value ? ParseDecimal(*value) : std::nullopt;
}

bool OpenGazeRecord::toSample(int screenWidth, int screenHeight, GazeSample& out) const {
    if (m_tag != kSampleTag) {
        return false;
    }
    auto fx = number(kFixX);
    auto fy = number(kFixY);
    auto valid = number(kFixValid);
    bool usable = fx && fy && std::fabs(*fx) <= kMaxFraction && std::fabs(*fy) <= kMaxFraction;
    out.found = usable && valid && *valid == 1.0 ? 1 : 0;
    if (usable) {
        out.x = FractionToPixel(*fx, screenWidth);
        out.y = FractionToPixel(*fy, screenHeight);
    }
    return true;
}

}  // namespace qvtrack
