// DirectoryFilter: lists the entries of a folder that match its patterns, in ascending name
// order (byte order, so "Lumora2004-07-12_122530.bmp" comes before every later second), with
// the total of their sizes. The open dialog lists the drawings folder with it.
//
// Files are listed only when they are regular files (a link counts as what it names), since
// only those can be read without risk: FIFOs, devices, sockets and dangling links are left out.
// Names are kept as the file system gives them (FileNames.h): a name that is not valid UTF-8,
// or that holds a backslash, is listed and its path() opens and deletes that very file.
//
// Patterns are lists separated by ";", matched case-sensitively against the whole name: "?"
// stands for any one character, "*" for any run of characters. An empty list matches nothing.
#pragma once

#include <QDateTime>
#include <QString>
#include <atomic>
#include <cstdint>
#include <vector>

namespace lumora {

struct DirectoryEntry {
    bool isFolder = false;
    bool isReadOnly = false;
    bool isHidden = false;
    QDateTime created;
    QDateTime accessed;
    QDateTime modified;
    std::uint64_t size = 0;
    QString name;    // empty for an entry blanked by its user; see FileNames.h
    QString folder;  // the folder it was found in, as given (no trailing separator)

    // folder + "/" + name, for the file system through NativePath().
    QString path() const;
};

struct DirectoryFilterSettings {
    bool recurse = false;
    bool listFolders = false;
    // When the pointed-to character becomes non-zero the listing stops; none: never stops.
    const std::atomic<char>* stop = nullptr;
    QString folder;
    QString includePatterns;
    QString excludePatterns;
    QString folderPatterns;
};

class DirectoryFilter {
public:
    explicit DirectoryFilter(DirectoryFilterSettings settings) : m_settings(std::move(settings)) {}

    // Empties the listing and lists the folder afresh. A missing or unreadable folder lists
    // nothing.
    void refresh();

    std::vector<DirectoryEntry>& entries() { return m_entries; }
    const std::vector<DirectoryEntry>& entries() const { return m_entries; }
    std::uint64_t totalSize() const { return m_totalSize; }
    const DirectoryFilterSettings& settings() const { return m_settings; }

    // Whether the name matches one pattern of the ";"-separated list.
    static bool MatchesAny(const QString& name, const QString& patterns);
    // Whether the name matches the one pattern.
    static bool Matches(const QString& name, const QString& pattern);

private:
    void list(const QString& folder);
    bool stopped() const { return m_settings.stop && m_settings.stop->load() != 0; }

    DirectoryFilterSettings m_settings;
    std::vector<DirectoryEntry> m_entries;
    std::uint64_t m_totalSize = 0;
};

}  // namespace lumora
