// The directory filter: its patterns, and listings of real folders.
#include "files/DirectoryFilter.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "files/FileNames.h"

using namespace lumora;

namespace {

void Touch(const QString& path, int bytes = 3) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(bytes, 'x'));
}

QString Fresh(const QString& folder) {
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    return folder;
}

QStringList Names(const DirectoryFilter& filter) {
    QStringList names;
    for (const DirectoryEntry& e : filter.entries())
        names << e.name;
    return names;
}

}  // namespace

TEST(DirectoryFilter, PatternTable) {
    struct Case {
        const char* name;
        const char* pattern;
        bool match;
    };
    const Case cases[] = {
        {"Lumora2004-07-12_122530.bmp", "*.bmp", true},
        {"Lumora2004-07-12_122530.BMP", "*.bmp", false},  // case-sensitive
        {"a.bmp.txt", "*.bmp", false},                    // the tail must end the name
        {".bmp", "*.bmp", true},
        {"bmp", "*.bmp", false},
        {"abc", "a?c", true},
        {"ac", "a?c", false},
        {"abc", "abc", true},
        {"abcd", "abc", false},
        {"xabc", "abc", false},
        {"Lumora_x.bmp", "Lumora*.bmp", true},
        {"Xumora_x.bmp", "Lumora*.bmp", false},
        {"a-b-c", "a*b*c", true},
        {"a-c-b", "a*b*c", false},  // the middle parts in order
        {"", "*", true},
        {"anything", "*", true},
        {"ab", "a**b", true},
        {"aaab", "*ab", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DirectoryFilter::Matches(QString::fromLatin1(c.name), QString::fromLatin1(c.pattern)), c.match)
            << c.name << " ~ " << c.pattern;
}

TEST(DirectoryFilter, PatternLists) {
    EXPECT_TRUE(DirectoryFilter::MatchesAny("a.bmp", "*.txt;*.bmp"));
    EXPECT_FALSE(DirectoryFilter::MatchesAny("a.png", "*.txt;*.bmp"));
    EXPECT_FALSE(DirectoryFilter::MatchesAny("a.bmp", ""));  // an empty list matches nothing
    EXPECT_FALSE(DirectoryFilter::MatchesAny("a.bmp", ";;"));
}

TEST(DirectoryFilter, ListsInNameOrderCaseSensitively) {
    const QString folder = Fresh("listing");
    // Made out of order; the second saved in the same second comes after the first.
    for (const char* name : {"Lumora2004-07-12_122531.bmp", "Lumora2004-07-12_122530_1.bmp",
                             "Lumora2004-07-12_122530.bmp", "Lumora2003-01-01_000000.BMP", "notes.txt"})
        Touch(folder + "/" + name, 5);
    QDir().mkpath(folder + "/sub.bmp");
    DirectoryFilterSettings s;
    s.folder = folder;
    s.includePatterns = "*.bmp";
    DirectoryFilter filter(s);
    filter.refresh();
    EXPECT_EQ(Names(filter), (QStringList{"Lumora2004-07-12_122530.bmp", "Lumora2004-07-12_122530_1.bmp",
                                          "Lumora2004-07-12_122531.bmp"}));
    EXPECT_EQ(filter.totalSize(), 15u);
    EXPECT_EQ(filter.entries()[0].folder, folder);
    EXPECT_EQ(filter.entries()[0].path(), folder + "/Lumora2004-07-12_122530.bmp");
    // A second refresh starts afresh.
    filter.refresh();
    EXPECT_EQ(filter.entries().size(), 3u);
}

TEST(DirectoryFilter, ExcludesFoldersRecursionAndMissingFolder) {
    const QString folder = Fresh("tree");
    Touch(folder + "/a.bmp");
    Touch(folder + "/b.bmp");
    QDir().mkpath(folder + "/inner");
    Touch(folder + "/inner/c.bmp");
    DirectoryFilterSettings s;
    s.folder = folder;
    s.includePatterns = "*.bmp";
    s.excludePatterns = "b*";
    s.folderPatterns = "*";
    {
        DirectoryFilter filter(s);
        filter.refresh();
        EXPECT_EQ(Names(filter), (QStringList{"a.bmp"}));
    }
    s.listFolders = true;
    {
        DirectoryFilter filter(s);
        filter.refresh();
        EXPECT_EQ(Names(filter), (QStringList{"a.bmp", "inner"}));
        EXPECT_TRUE(filter.entries()[1].isFolder);
    }
    s.recurse = true;
    {
        DirectoryFilter filter(s);
        filter.refresh();
        // The folder's content comes before the folder itself.
        EXPECT_EQ(Names(filter), (QStringList{"a.bmp", "c.bmp", "inner"}));
        EXPECT_EQ(filter.entries()[1].folder, folder + "/inner");
    }
    s.folder = "no-such-folder";
    DirectoryFilter missing(s);
    missing.refresh();
    EXPECT_TRUE(missing.entries().empty());
    EXPECT_EQ(missing.totalSize(), 0u);
}

TEST(DirectoryFilter, StopFlagEndsTheListing) {
    const QString folder = Fresh("stopped");
    Touch(folder + "/a.bmp");
    std::atomic<char> stop{'x'};
    DirectoryFilterSettings s;
    s.folder = folder;
    s.includePatterns = "*";
    s.stop = &stop;
    DirectoryFilter filter(s);
    filter.refresh();
    EXPECT_TRUE(filter.entries().empty());
    stop = 0;
    filter.refresh();
    EXPECT_EQ(filter.entries().size(), 1u);
}

namespace {

// Makes a file of `bytes` bytes under a name given as raw bytes.
void TouchNative(const QByteArray& path, int bytes) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0) << path.constData();
    const QByteArray content(bytes, 'x');
    EXPECT_EQ(::write(fd, content.constData(), std::size_t(bytes)), bytes);
    ::close(fd);
}

}  // namespace

TEST(DirectoryFilter, ListsRegularFilesOnly) {
    const QString folder = Fresh("special");
    Touch(folder + "/plain.bmp", 4);
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder + "/fifo.bmp").constData(), 0644), 0);
    ASSERT_EQ(::symlink("/dev/zero", QFile::encodeName(folder + "/zero.bmp").constData()), 0);
    ASSERT_EQ(::symlink("nowhere.bmp", QFile::encodeName(folder + "/dangling.bmp").constData()), 0);
    ASSERT_EQ(::symlink("plain.bmp", QFile::encodeName(folder + "/linked.bmp").constData()), 0);
    QDir().mkpath(folder + "/folder.bmp");
    DirectoryFilterSettings s;
    s.folder = folder;
    s.includePatterns = "*.bmp";
    s.folderPatterns = "*";
    s.listFolders = true;
    DirectoryFilter filter(s);
    filter.refresh();
    // A link to a drawing is a drawing; a folder is listed only as a folder.
    EXPECT_EQ(Names(filter), (QStringList{"folder.bmp", "linked.bmp", "plain.bmp"}));
    EXPECT_EQ(filter.totalSize(), 8u);
}

TEST(DirectoryFilter, KeepsNamesAsTheFileSystemGivesThem) {
    const QString folder = Fresh("names");
    const QByteArray latin1 = "Zeichnung-\xE4\xF6\xFC.bmp";  // not UTF-8
    const QByteArray cut = "cut-\xE2\x82.bmp";                // a sequence cut short
    const QByteArray backslash = "back\\slash.bmp";
    const QByteArray utf8 = "Zeichnung-\xC3\xA4.bmp";
    for (const QByteArray& name : {latin1, cut, backslash, utf8})
        TouchNative(QFile::encodeName(folder) + '/' + name, 2);
    DirectoryFilterSettings s;
    s.folder = folder;
    s.includePatterns = "*.bmp";
    DirectoryFilter filter(s);
    filter.refresh();
    ASSERT_EQ(filter.entries().size(), 4u);
    QList<QByteArray> listed;
    for (const DirectoryEntry& e : filter.entries()) {
        listed << NativeFileName(e.name);
        // The path names the very file: it can be opened as it is.
        EXPECT_EQ(::access(NativePath(e.path()).c_str(), R_OK), 0) << NativePath(e.path());
    }
    EXPECT_EQ(listed, (QList<QByteArray>{"Zeichnung-\xC3\xA4.bmp", "Zeichnung-\xE4\xF6\xFC.bmp", "back\\slash.bmp",
                                         "cut-\xE2\x82.bmp"}));
    EXPECT_EQ(filter.entries()[0].name, QString::fromUtf8(utf8));
}
