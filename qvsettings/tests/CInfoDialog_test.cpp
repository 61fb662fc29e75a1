// Program information: which files are present, with size and date, under their real names.

#include "CInfoDialog.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <clocale>

#include "SettingsTestSupport.h"

namespace {

class InfoTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::setlocale(LC_TIME, "C");
        ASSERT_TRUE(m_root.isValid());
        QDir(m_root.path()).mkpath(QStringLiteral("bin"));
        QDir(m_root.path()).mkpath(QStringLiteral("lib"));
    }
    void MakeFile(const QString& relative, const QByteArray& content, const QDateTime& modified) {
        QFile file(m_root.filePath(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.flush();
        ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    }
    // As the program sees it: its own folder, then the library folder beside it.
    QStringList Dirs() const {
        return {m_root.filePath(QStringLiteral("bin")), QDir::cleanPath(m_root.filePath(QStringLiteral("bin/../lib")))};
    }

    QTemporaryDir m_root;
};

TEST_F(InfoTest, AllThreeFilesPresentGiveThreeBlocksOfFourLines) {
    const QDateTime march5(QDate(2024, 3, 5), QTime(10, 30));
    MakeFile(QStringLiteral("bin/qvsettings"), "12345", march5);
    MakeFile(QStringLiteral("lib/libqvtrack.so"), QByteArray(2048, 'x'), march5);
    MakeFile(QStringLiteral("lib/libqvfileio.so"), "abc", QDateTime(QDate(2025, 12, 17), QTime(9, 0)));
    const QStringList lines = CInfoDialog::ReportLines(Dirs());
    const QStringList expected{
        QStringLiteral("Brelnic, Inc."),
        lines.value(1),
        QString(),
        QStringLiteral("qvsettings  information"),
        QStringLiteral("Size is 5 bytes"),
        QStringLiteral("Last Modified on March 05, 2024"),
        QString(),
        QStringLiteral("libqvtrack.so  information"),
        QStringLiteral("Size is 2048 bytes"),
        QStringLiteral("Last Modified on March 05, 2024"),
        QString(),
        QStringLiteral("libqvfileio.so  information"),
        QStringLiteral("Size is 3 bytes"),
        QStringLiteral("Last Modified on December 17, 2025"),
    };
    EXPECT_EQ(lines, expected);
    EXPECT_FALSE(lines.value(1).isEmpty());
}

TEST_F(InfoTest, MissingTrackerLibraryHasATwoLineBlock) {
    const QDateTime when(QDate(2025, 1, 2), QTime(8, 0));
    MakeFile(QStringLiteral("bin/qvsettings"), "1", when);
    MakeFile(QStringLiteral("lib/libqvfileio.so"), "1", when);
    const QStringList lines = CInfoDialog::ReportLines(Dirs());
    ASSERT_EQ(lines.size(), 2 + 4 + 2 + 4);
    EXPECT_EQ(lines[6], QString());
    EXPECT_EQ(lines[7], QStringLiteral("libqvtrack.so  does not exist"));
    EXPECT_EQ(lines[8], QString());
    EXPECT_EQ(lines[9], QStringLiteral("libqvfileio.so  information"));
}

TEST_F(InfoTest, TheLoadedSettingsLibraryIsNeverReportedMissing) {
    // Nothing in the folders: the program and tracker library are missing, but the settings
    // library this process runs with is found where it was loaded from.
    const QStringList lines = CInfoDialog::ReportLines(Dirs());
    EXPECT_EQ(lines[3], QStringLiteral("qvsettings  does not exist"));
    EXPECT_EQ(lines[5], QStringLiteral("libqvtrack.so  does not exist"));
    EXPECT_EQ(lines[7], QStringLiteral("libqvfileio.so  information"));
}

TEST_F(InfoTest, LooksBesideTheProgramAndInTheLibraryFolderBesideIt) {
    const QStringList dirs = CInfoDialog::DefaultSearchDirs();
    ASSERT_GE(dirs.size(), 2);
    EXPECT_EQ(dirs[0], QCoreApplication::applicationDirPath());
    EXPECT_EQ(dirs[1], QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../lib")));
}

TEST_F(InfoTest, DialogShowsTheReport) {
    const QDateTime when(QDate(2025, 1, 2), QTime(8, 0));
    MakeFile(QStringLiteral("bin/qvsettings"), "1", when);
    CInfoDialog dialog(Dirs(), nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("QVX Program Information"));
    EXPECT_EQ(dialog.ReportText(), CInfoDialog::ReportLines(Dirs()).join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

}  // namespace
