// IniDocument: the whole of a small sectioned settings file held in memory, read once, changed
// by the program and written back whole, so that comments, other sections and other keys of the
// file survive a rewrite (regrouped: a section's comments come before its keys).
//
// Names of sections and keys compare case-insensitively (ASCII) and keep the case in which they
// were read or added. Values are kept exactly as they stand in the file, blanks included.
// Numbers are written with six decimals (500 -> "500.000000") and read like the C library's
// atof; both ignore the process locale, so a comma-decimal desktop reads the same file.
//
// Used on the user-interface thread only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "AtomicFile.h"
#include "ByteSink.h"
#include "LineSource.h"
#include "RegularFile.h"

namespace lumora {

class IniDocument {
public:
    struct Key {
        std::string name;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<std::string> comments;
        std::vector<Key> keys;
    };

    IniDocument() = default;

    void setPath(std::string path) { m_path = std::move(path); }
    const std::string& path() const { return m_path; }

    // Settings files are small; a larger file is no settings file and is not read.
    static constexpr std::uint64_t kMaxFileBytes = 64 * 1024;

    // Parses the file at the path, adding to what the document holds. A UTF-8 byte order mark
    // at the start of the text is skipped. False when the file cannot be read, a line is refused
    // (a non-empty line starting with a non-printable byte: the line "Failing on char N" goes to
    // standard output and reading stops, keeping what came before), or the document holds no
    // section afterwards. Only a regular file of at most kMaxFileBytes is read: a FIFO, folder
    // or device at the path is refused at once, never waited on; fileStatus() tells why.
    bool read();
    bool read(support::LineSource& source);
    // How the last read() found the file (Ok when it could be read, whatever its content).
    support::ReadStatus fileStatus() const { return m_fileStatus; }
    // Whether a refused line is reported on standard output (yes by default); a check that
    // reads the file before the program does turns it off, so the line comes once.
    void setReportsRefusedLines(bool report) { m_reportsRefusedLines = report; }

    // Replaces the file at the path with the document, atomically: a kill or a full disk leaves
    // the old file whole. The status tells a full disk (NoSpace) from a path that cannot be
    // written (CannotOpen) or another failure, so the user can be told which.
    support::WriteStatus write() const;
    // The text of the file; false once the sink failed.
    bool write(support::ByteSink& sink) const;

    // Linear, case-insensitive, first match; -1 when missing.
    int findSection(std::string_view name) const;
    int findKey(int section, std::string_view name) const;
    // Appends a new, empty section, even when one of that name exists; returns its index.
    int addSection(std::string_view name);

    std::string getText(std::string_view section, std::string_view key, std::string_view defaultText) const;
    double getNumber(std::string_view section, std::string_view key, double defaultNumber) const;
    // Missing section or key: created when `create`, else false. An existing key's value is replaced.
    bool setText(std::string_view section, std::string_view key, std::string_view value, bool create);
    bool setNumber(std::string_view section, std::string_view key, double number);

    void addHeaderComment(std::string_view text) { m_headerComments.emplace_back(text); }
    // False when no section of that name exists.
    bool addSectionComment(std::string_view section, std::string_view text);

    const std::vector<std::string>& headerComments() const { return m_headerComments; }
    const std::vector<Section>& sections() const { return m_sections; }

    // The number formats of the file, shared with its callers.
    static std::string FormatNumber(double number);
    static double ParseNumber(std::string_view text);

private:
    std::string m_path;
    support::ReadStatus m_fileStatus = support::ReadStatus::Missing;
    bool m_reportsRefusedLines = true;
    std::vector<std::string> m_headerComments;
    std::vector<Section> m_sections;
};

}  // namespace lumora
