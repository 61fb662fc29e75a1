#include "files/DirectoryFilter.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>

#include "files/FileNames.h"

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

namespace {

struct Found {
    QByteArray name;
    struct statx info;
};

QDateTime FromStatx(const struct statx_timestamp& t) {
    return QDateTime::fromMSecsSinceEpoch(qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000);
}

}  // namespace

void DirectoryFilter::list(const QString& folder) {
    const QByteArray nativeFolder = NativeFileName(folder);
    // The names as bytes straight from the folder: decoding them first would lose the ones
    // that are not valid UTF-8.
    std::vector<Found> found;
    {
        const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(nativeFolder.constData()), &::closedir);
        if (!dir)
            return;
        while (const dirent* d = ::readdir(dir.get())) {
            const QByteArray name(d->d_name);
            if (name == "." || name == "..")
                continue;
            Found f{name, {}};
            // Links are followed: a link is listed as what it names, and not at all when it
            // names nothing.
            if (::statx(::dirfd(dir.get()), d->d_name, AT_STATX_SYNC_AS_STAT, STATX_BASIC_STATS | STATX_BTIME,
                        &f.info) != 0)
                continue;
            found.push_back(std::move(f));
        }
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) { return a.name < b.name; });
    for (const Found& f : found) {
        if (stopped())
            return;
        const QString name = FileNameFromNative(f.name);
        const bool isFolder = S_ISDIR(f.info.stx_mode);
        if (isFolder) {
            if (!MatchesAny(name, m_settings.folderPatterns))
                continue;
            if (m_settings.recurse)
                list(folder + QLatin1Char('/') + name);
            else if (!m_settings.listFolders)
                continue;
        } else if (!S_ISREG(f.info.stx_mode) || !MatchesAny(name, m_settings.includePatterns) ||
                   MatchesAny(name, m_settings.excludePatterns)) {
            continue;
        }
        const QByteArray nativePath = nativeFolder + '/' + f.name;
        DirectoryEntry e;
        e.isFolder = isFolder;
        e.isReadOnly = ::access(nativePath.constData(), W_OK) != 0;
        e.isHidden = f.name.startsWith('.');
        if (f.info.stx_mask & STATX_BTIME)
            e.created = FromStatx(f.info.stx_btime);
        e.accessed = FromStatx(f.info.stx_atime);
        e.modified = FromStatx(f.info.stx_mtime);
        e.size = isFolder ? 0 : f.info.stx_size;
        e.name = name;
        e.folder = folder;
        m_totalSize += e.size;
        m_entries.push_back(std::move(e));
    }
}

}  // namespace lumora
