// One line of the Open Gaze protocol: an XML element with attributes and no content,
// <TAG NAME="value" ... />. The parser is strict and bounded; anything else is refused, and
// the views point into the parsed line, which must outlive the record.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "qvtrack.h"

namespace qvtrack {

class OpenGazeRecord {
public:
    static constexpr std::size_t kMaxAttributes = 64;

    // False (and an empty record) for anything but one well-formed element.
    bool parse(std::string_view line);

    std::string_view tag() const { return m_tag; }
    std::size_t attributeCount() const { return m_count; }
    std::optional<std::string_view> attribute(std::string_view name) const;
    // The attribute as a finite decimal number.
    std::optional<double> number(std::string_view name) const;

    // A REC record as a gaze sample on the host screen: FPOGX and FPOGY are fractions of the
    // screen; found is 1 only when FPOGV is 1 and both fractions are usable numbers. False
    // when this is no REC record.
    bool toSample(int screenWidth, int screenHeight, GazeSample& out) const;

private:
    struct Attribute {
        std::string_view name;
        std::string_view value;
    };
    std::string_view m_tag;
    std::array<Attribute, kMaxAttributes> m_attributes{};
    std::size_t m_count = 0;
};

}  // namespace qvtrack
