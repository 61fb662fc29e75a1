#include "IniDocument.h"

#include <locale.h>

#include <charconv>
#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace lumora {

namespace {

constexpr std::string_view kLineKindChars = ";#[=";
constexpr char kCommentChar = ';';
// Editors on some desktops start a UTF-8 file with this mark; it is no part of the first line.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    return true;
}

bool IsPrintable(unsigned char c) {
    return c >= 0x20 && c <= 0x7E;
}

locale_t ClassicLocale() {
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

}  // namespace

std::string IniDocument::FormatNumber(double number) {
    char buf[400];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, number, std::chars_format::fixed, 6);
    if (ec != std::errc())
        return "0.000000";
    return std::string(buf, end);
}

double IniDocument::ParseNumber(std::string_view text) {
    // strtod needs a terminated string; values are short, so the copy costs nothing.
    std::string copy(text);
    return strtod_l(copy.c_str(), nullptr, ClassicLocale());
}

bool IniDocument::read() {
    const support::FileBytes file = support::ReadRegularFile(m_path, kMaxFileBytes);
    m_fileStatus = file.status;
    if (file.status != support::ReadStatus::Ok)
        return false;
    support::StringLineSource source(
        std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()));
    return read(source);
}

bool IniDocument::read(support::LineSource& source) {
    // Keys and comments go to the first section named by the latest header of this read.
    bool haveSection = false;
    std::string currentSection;
    std::string line;
    bool firstLine = true;
    while (source.nextLine(line)) {
        if (firstLine && std::string_view(line).substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
            line.erase(0, kUtf8ByteOrderMark.size());
        firstLine = false;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        const auto first = static_cast<unsigned char>(line.front());
        if (!IsPrintable(first)) {
            if (m_reportsRefusedLines) {
                std::printf("Failing on char %d\n", static_cast<int>(first));
                std::fflush(stdout);
            }
            return false;
        }
        const std::size_t at = line.find_first_of(kLineKindChars);
        if (at == std::string::npos)
            continue;
        const std::string_view rest = std::string_view(line).substr(at + 1);
        switch (line[at]) {
            case ';':
            case '#':
                if (!haveSection) {
                    m_headerComments.emplace_back(rest);
                } else {
                    addSectionComment(currentSection, rest);
                }
                break;
            case '[': {
                const std::size_t close = rest.rfind(']');
                if (close == std::string_view::npos)
                    break;
                currentSection.assign(rest.substr(0, close));
                haveSection = true;
                addSection(currentSection);
                break;
            }
            case '=': {
                // Keys before any header land in a section with the empty name.
                const std::string_view name = std::string_view(line).substr(0, at);
                setText(haveSection ? std::string_view(currentSection) : std::string_view(), name, rest, true);
                break;
            }
        }
    }
    return !m_sections.empty();
}

support::WriteStatus IniDocument::write() const {
    support::MemoryByteSink text;
    write(text);
    return support::WriteFileAtomically(m_path, text.bytes());
}

bool IniDocument::write(support::ByteSink& sink) const {
    std::string out;
    const auto line = [&out](char lead, std::string_view a, std::string_view b = {}, std::string_view c = {}) {
        if (lead)
            out.push_back(lead);
        out.append(a).append(b).append(c).push_back('\n');
    };
    for (const std::string& comment : m_headerComments)
        line(kCommentChar, comment);
    if (!m_headerComments.empty())
        out.push_back('\n');
    for (const Section& section : m_sections) {
        line('[', section.name, "]");
        for (const std::string& comment : section.comments)
            line(kCommentChar, comment);
        for (const Key& key : section.keys)
            line(0, key.name, "=", key.value);
        out.push_back('\n');
    }
    return sink.write(out);
}

int IniDocument::findSection(std::string_view name) const {
    for (std::size_t i = 0; i < m_sections.size(); ++i)
        if (SameName(m_sections[i].name, name))
            return static_cast<int>(i);
    return -1;
}

int IniDocument::findKey(int section, std::string_view name) const {
    if (section < 0 || section >= static_cast<int>(m_sections.size()))
        return -1;
    const auto& keys = m_sections[section].keys;
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (SameName(keys[i].name, name))
            return static_cast<int>(i);
    return -1;
}

int IniDocument::addSection(std::string_view name) {
    m_sections.push_back(Section{std::string(name), {}, {}});
    return static_cast<int>(m_sections.size()) - 1;
}

std::string IniDocument::getText(std::string_view section, std::string_view key, std::string_view defaultText) const {
    const int s = findSection(section);
    const int k = findKey(s, key);
    if (k < 0)
        return std::string(defaultText);
    return m_sections[s].keys[k].value;
}

double IniDocument::getNumber(std::string_view section, std::string_view key, double defaultNumber) const {
    return ParseNumber(getText(section, key, FormatNumber(defaultNumber)));
}

bool IniDocument::setText(std::string_view section, std::string_view key, std::string_view value, bool create) {
    int s = findSection(section);
    if (s < 0) {
        if (!create)
            return false;
        s = addSection(section);
    }
    const int k = findKey(s, key);
    if (k < 0) {
        if (!create)
            return false;
        m_sections[s].keys.push_back(Key{std::string(key), std::string(value)});
    } else {
        m_sections[s].keys[k].value.assign(value);
    }
    return true;
}

bool IniDocument::setNumber(std::string_view section, std::string_view key, double number) {
    return setText(section, key, FormatNumber(number), true);
}

bool IniDocument::addSectionComment(std::string_view section, std::string_view text) {
    const int s = findSection(section);
    if (s < 0)
        return false;
    m_sections[s].comments.emplace_back(text);
    return true;
}

}  // namespace lumora
