// Saving the record: what the editor checks before it lets the library write, the settings
// folder it creates, and the message when a save does not succeed.

#include "SettingsSaver.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "SettingsTestSupport.h"

namespace {

const QString kWork = QStringLiteral("saver");

class SaverTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(kWork).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(kWork));
    }
    void TearDown() override { QDir(kWork).removeRecursively(); }

    static QString At(const char* name) { return kWork + QLatin1Char('/') + QString::fromLatin1(name); }
    static void MakeFile(const QString& path, QFileDevice::Permissions permissions) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old");
        file.close();
        ASSERT_TRUE(QFile::setPermissions(path, permissions));
    }
    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    ScriptedMessageBoxes m_boxes;
    CountingLibrary m_library;
};

TEST_F(SaverTest, WhatCanBeWritten) {
    const auto writable = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    MakeFile(At("plain.qv"), writable);
    MakeFile(At("read-only.qv"), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    ASSERT_TRUE(QDir().mkpath(At("folder.qv")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(At("pipe.qv")).constData(), 0644), 0);
    ASSERT_EQ(::symlink("plain.qv", QFile::encodeName(At("link.qv")).constData()), 0);
    ASSERT_EQ(::symlink("nowhere.qv", QFile::encodeName(At("dangling.qv")).constData()), 0);
    ASSERT_EQ(::symlink("loop.qv", QFile::encodeName(At("loop.qv")).constData()), 0);

    struct Case {
        QString path;
        QString reason;  // empty: may be written
    };
    const Case cases[] = {
        {At("plain.qv"), {}},
        {At("new.qv"), {}},
        {At("link.qv"), {}},
        {QStringLiteral("next to the tests.qv"), {}},
        {At("read-only.qv"), QStringLiteral("The file is read-only.")},
        {At("folder.qv"), QStringLiteral("It is a folder, not a file.")},
        {At("folder.qv/"), QStringLiteral("It is a folder, not a file.")},
        {At("pipe.qv"), QStringLiteral("It is not a regular file.")},
        {At("dangling.qv"), QStringLiteral("It is a link to a file that does not exist.")},
        {At("loop.qv"), QStringLiteral("It is a link to a file that does not exist.")},
        {At("missing/new.qv"), QStringLiteral("The folder saver/missing does not exist.")},
        {At("missing/deeper/new.qv"), QStringLiteral("The folder saver/missing/deeper does not exist.")},
        {At("plain.qv/new.qv"), QStringLiteral("The folder saver/plain.qv does not exist.")},
        {QString(), QStringLiteral("No file name was given.")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SettingsSaver::WhyNotWritable(c.path), c.reason) << c.path.toStdString();
    }
    EXPECT_EQ(Bytes(At("read-only.qv")), QByteArray("old"));
}

TEST_F(SaverTest, TheSettingsFolderIsMadeOneLevelDeepOrSaysWhyNot) {
    MakeFile(At("in the way"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_TRUE(QDir().mkpath(At("there")));
    struct Case {
        QString path;
        QString reason;
        bool folderAfter;
    };
    const Case cases[] = {
        {At("there/Settings_US.qv"), {}, true},
        {At("made/Settings_US.qv"), {}, true},
        {QStringLiteral("Settings_US.qv"), {}, true},
        {At("in the way/Settings_US.qv"),
         QStringLiteral("The folder saver/in the way could not be created: a file of that name is in its place."),
         false},
        {At("not/made/Settings_US.qv"),
         QStringLiteral("The folder saver/not/made could not be created: No such file or directory."), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SettingsSaver::MakeFolderFor(c.path), c.reason) << c.path.toStdString();
        EXPECT_EQ(QFileInfo(QFileInfo(c.path).path()).isDir(), c.folderAfter) << c.path.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(At("not")));
}

TEST_F(SaverTest, ABackupIsWrittenWithoutAWord) {
    QvSettingsRecord record{};
    vSetDefaultQvSettings(&record);
    record.language = 0;
    EXPECT_TRUE(SettingsSaver(m_library, nullptr).SaveTo(&record, At("backup.qv")));
    EXPECT_TRUE(m_boxes.asked.isEmpty());
    EXPECT_EQ(m_library.writtenTo, QStringList{At("backup.qv")});
    QvSettingsRecord reread{};
    EXPECT_GE(vReadQvSettingsHelper(&reread, At("backup.qv").toStdU16String().c_str()), 2);
}

TEST_F(SaverTest, AWriteTheLibraryReportsAsFailedIsAFailure) {
    QvSettingsRecord record{};
    vSetDefaultQvSettings(&record);
    record.language = 0;
    m_library.failWritesWith = -1;
    EXPECT_FALSE(SettingsSaver(m_library, nullptr).SaveTo(&record, At("backup.qv")));
    ASSERT_EQ(m_boxes.asked.size(), 1);
    EXPECT_EQ(m_boxes.asked[0].text, QStringLiteral("The settings could not be saved to saver/backup.qv.\n"
                                                  "Writing the file failed; the disk may be full."));
    EXPECT_EQ(m_boxes.asked[0].caption, QString::fromLatin1(SettingsSaver::kFailureCaption));
    EXPECT_EQ(m_boxes.asked[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(m_boxes.asked[0].icon, MsgIcon::Exclamation);
}

TEST_F(SaverTest, TheCurrentFileIsTheLanguagesTrackerSettingsFile) {
    QvSettingsRecord record{};
    record.language = 0;
    EXPECT_EQ(m_library.FileName(record), TrackerSettingsFile());
    record.language = 1;
    EXPECT_TRUE(m_library.FileName(record).startsWith(QStringLiteral("QVSettings/Settings_")));
    EXPECT_NE(m_library.FileName(record), TrackerSettingsFile());
}

TEST(SaverMessage, IsANoticeWithOnlyAnOkButton) {
    CountingLibrary library;
    QvSettingsRecord record{};
    vSetDefaultQvSettings(&record);
    QStringList buttons;
    QString text;
    WhenDialogOpens<QMessageBox>([&buttons, &text](QMessageBox* box) {
        text = box->text();
        for (QAbstractButton* button : box->buttons()) {
            buttons << button->text().remove(QLatin1Char('&'));
        }
        QTest::mouseClick(box->buttons().value(0), Qt::LeftButton);
    });
    EXPECT_FALSE(SettingsSaver(library, nullptr).SaveTo(&record, QStringLiteral("no such folder/backup.qv")));
    EXPECT_EQ(buttons, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(text, QStringLiteral("The settings could not be saved to no such folder/backup.qv.\n"
                                   "The folder no such folder does not exist."));
    EXPECT_TRUE(library.writtenTo.isEmpty());
}

}  // namespace
