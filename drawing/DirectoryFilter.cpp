#include "DirectoryFilter.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace lumora {

QString DirectoryEntry::path() const {
    return folder + QLatin1Char('/') + name;
}

bool DirectoryFilter::Matches(const QString& name, const QString& pattern) {
    // Iterative wildcard match: remember the last "*" and retry from one character further on
    // a mismatch. Linear in practice, never recursive.
    qsizetype n = 0, p = 0, star = -1, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == QLatin1Char('?') || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            star = p++;
            resume = n;
        } else if (star >= 0) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

bool DirectoryFilter::MatchesAny(const QString& name, const QString& patterns) {
    const QStringList list = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& pattern : list) {
        if (Matches(name, pattern))
            return true;
    }
    return false;
}

void DirectoryFilter::refresh() {
    m_entries.clear();
    m_totalSize = 0;
    list(m_settings.folder);
}

void DirectoryFilter::list(const QString& folder) {
    QDir dir(folder);
    if (!dir.exists())
        return;
    dir.setSorting(QDir::Unsorted);
    dir.setFilter(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QFileInfoList infos = dir.entryInfoList();
    // Code-unit order of the names, whatever order the file system keeps them in and whatever
    // the locale: the open dialog counts on time-stamped names coming oldest first.
    std::sort(infos.begin(), infos.end(),
              [](const QFileInfo& a, const QFileInfo& b) { return a.fileName() < b.fileName(); });
    for (const QFileInfo& info : infos) {
        if (stopped())
            return;
        const QString name = info.fileName();
        const bool isFolder = info.isDir();
        if (isFolder) {
            if (!MatchesAny(name, m_settings.folderPatterns))
                continue;
            if (m_settings.recurse)
                list(folder + QLatin1Char('/') + name);
            else if (!m_settings.listFolders)
                continue;
        } else if (!MatchesAny(name, m_settings.includePatterns) || MatchesAny(name, m_settings.excludePatterns)) {
            continue;
        }
        DirectoryEntry e;
        e.isFolder = isFolder;
        e.isReadOnly = !info.isWritable();
        e.isHidden = info.isHidden();
        e.created = info.birthTime();
        e.accessed = info.lastRead();
        e.modified = info.lastModified();
        e.size = isFolder ? 0 : static_cast<std::uint64_t>(info.size());
        e.name = name;
        e.folder = folder;
        m_totalSize += e.size;
        m_entries.push_back(std::move(e));
    }
}

}  // namespace lumora
