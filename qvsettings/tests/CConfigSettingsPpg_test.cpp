// Save & Restore page: the dated backup name, backup, revert and the information dialog.

#include "CConfigSettingsPpg.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <clocale>
#include <cstring>

#include "CBRLFloatField.h"
#include "CHardwarePpg.h"
#include "CInfoDialog.h"
#include "CQvSettingsDlg.h"
#include "SettingsTestSupport.h"

namespace {

std::tm Day(int day, int month, int year) {
    std::tm when{};
    when.tm_mday = day;
    when.tm_mon = month - 1;
    when.tm_year = year - 1900;
    return when;
}

TEST(BackupName, DayBelowTenIsPaddedWithASpace) {
    std::setlocale(LC_TIME, "C");
    EXPECT_EQ(CConfigSettingsPpg::DefaultBackupName(QStringLiteral("/home/user"), Day(5, 3, 2004)),
              QStringLiteral("/home/user/QVSettings_On_March_ 5_2004.qv"));
}

TEST(BackupName, TwoDigitDayHasNoSpace) {
    std::setlocale(LC_TIME, "C");
    EXPECT_EQ(CConfigSettingsPpg::DefaultBackupName(QStringLiteral("/home/user/"), Day(15, 11, 2026)),
              QStringLiteral("/home/user/QVSettings_On_November_15_2026.qv"));
}

class SaveRestoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir().mkpath(QStringLiteral("QVSettings"));
        QFile::remove(TrackerSettingsFile());
        m_sheet = std::make_unique<CQvSettingsDlg>(m_library, QDir::currentPath());
        g_bPagesReady = false;
        ASSERT_TRUE(ShowActive(m_sheet.get()));
    }
    QPushButton* Button(unsigned id) { return qobject_cast<QPushButton*>(m_sheet->ConfigPage()->Control(id)); }

    ScriptedMessageBoxes m_boxes;
    ScriptedFileDialogs m_dialogs;
    CountingLibrary m_library;
    std::unique_ptr<CQvSettingsDlg> m_sheet;
};

TEST_F(SaveRestoreTest, BackupOffersTheDatedNameAndWritesTheChosenFile) {
    const QString path = QDir::current().filePath(QStringLiteral("my backup.qv"));
    m_dialogs.paths = {path};
    QTest::mouseClick(Button(CConfigSettingsPpg::kIdBackup), Qt::LeftButton);
    ASSERT_EQ(m_dialogs.saveRequests.size(), 1);
    EXPECT_TRUE(
        m_dialogs.saveRequests[0].initialPath.startsWith(QDir::currentPath() + QStringLiteral("/QVSettings_On_")));
    EXPECT_TRUE(m_dialogs.saveRequests[0].initialPath.endsWith(QStringLiteral(".qv")));
    EXPECT_EQ(m_dialogs.saveRequests[0].defaultExtension, QStringLiteral("qv"));
    EXPECT_EQ(m_library.writtenTo, QStringList{path});
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(m_library.writes, 0);
}

TEST_F(SaveRestoreTest, BackupThatCannotBeWrittenSaysWhyAndChangesNothing) {
    const QDir here = QDir::current();
    const QString readOnly = here.filePath(QStringLiteral("read-only backup.qv"));
    const QString folder = here.filePath(QStringLiteral("folder backup.qv"));
    const QString missingFolder = here.filePath(QStringLiteral("no such folder"));
    QFile::remove(readOnly);
    here.rmpath(folder);
    QFile file(readOnly);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("an older backup");
    file.close();
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner);
    ASSERT_TRUE(here.mkpath(folder));
    struct Case {
        QString path;
        QString reason;
    };
    const Case cases[] = {
        {readOnly, QStringLiteral("The file is read-only.")},
        {folder, QStringLiteral("It is a folder, not a file.")},
        {missingFolder + QStringLiteral("/backup.qv"),
         QStringLiteral("The folder ") + missingFolder + QStringLiteral(" does not exist.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        m_boxes.asked.clear();
        m_dialogs.paths = {c.path};
        QTest::mouseClick(Button(CConfigSettingsPpg::kIdBackup), Qt::LeftButton);
        ASSERT_EQ(m_boxes.asked.size(), 1);
        EXPECT_EQ(m_boxes.asked[0].text,
                  QStringLiteral("The settings could not be saved to ") + c.path + QStringLiteral(".\n") + c.reason);
        EXPECT_EQ(m_boxes.asked[0].caption, QStringLiteral("Settings not saved"));
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("an older backup"));
    EXPECT_TRUE(QDir(folder).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(missingFolder));
    EXPECT_EQ(m_library.writes, 0);
}

TEST_F(SaveRestoreTest, CancelledBackupWritesNothing) {
    QTest::mouseClick(Button(CConfigSettingsPpg::kIdBackup), Qt::LeftButton);
    EXPECT_TRUE(m_library.writtenTo.isEmpty());
}

TEST_F(SaveRestoreTest, CancelledRevertKeepsTheRecordButEnablesApply) {
    const QvSettingsRecord before = m_sheet->settings;
    QTest::mouseClick(Button(CConfigSettingsPpg::kIdRevert), Qt::LeftButton);
    ASSERT_EQ(m_dialogs.openRequests.size(), 1);
    EXPECT_EQ(m_dialogs.openRequests[0].initialPath, QDir::currentPath() + QStringLiteral("/*.qv"));
    EXPECT_TRUE(m_library.readFrom.isEmpty());
    EXPECT_EQ(std::memcmp(&before, &m_sheet->settings, sizeof before), 0);
    EXPECT_TRUE(m_sheet->IsApplyEnabled());
}

TEST_F(SaveRestoreTest, RevertFromAFileLackingSectionsKeepsTheirDefaults) {
    // A backup of edited settings whose last section (the image-processing switches) was lost.
    m_sheet->settings.hardware.fMonitorWidth = 333.0f;
    m_sheet->settings.calibration.iCurCalRes = 2;
    m_sheet->settings.imageProc.bDroopyEyelidComp = 1;
    const QString path = QDir::current().filePath(QStringLiteral("partial.qv"));
    m_dialogs.paths = {path};
    QTest::mouseClick(Button(CConfigSettingsPpg::kIdBackup), Qt::LeftButton);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    ASSERT_GT(bytes.size(), 2);
    QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2);
    const qsizetype cut = text.indexOf(QStringLiteral("\r\nSection ImageProc"));
    ASSERT_GT(cut, 0);
    text.truncate(cut);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toLatin1());
    file.close();

    m_sheet->settings.hardware.fMonitorWidth = 100.0f;
    m_sheet->settings.calibration.iCurCalRes = 1;
    m_dialogs.paths = {path};
    QTest::mouseClick(Button(CConfigSettingsPpg::kIdRevert), Qt::LeftButton);
    EXPECT_EQ(m_library.readFrom, QStringList{path});
    EXPECT_FLOAT_EQ(m_sheet->settings.hardware.fMonitorWidth, 333.0f);
    EXPECT_EQ(m_sheet->settings.calibration.iCurCalRes, 2);
    EXPECT_EQ(m_sheet->settings.imageProc.bDroopyEyelidComp, 0);
    EXPECT_EQ(m_sheet->settings.imageProc.bRangeComp, 1);
    EXPECT_TRUE(m_sheet->IsApplyEnabled());
    // The other pages show the restored record when they are next activated.
    m_sheet->Tabs()->setCurrentWidget(m_sheet->HardwarePage());
    EXPECT_EQ(m_sheet->HardwarePage()->Field(CHardwarePpg::kIdWidth)->Value(), 333.0f);
}

TEST_F(SaveRestoreTest, InformationDialogLeavesTheBackupFolderAlone) {
    bool opened = false;
    WhenDialogOpens<CInfoDialog>([&opened](CInfoDialog* info) {
        opened = true;
        info->accept();
    });
    QTest::mouseClick(Button(CConfigSettingsPpg::kIdInformation), Qt::LeftButton);
    EXPECT_TRUE(opened);
    QTest::mouseClick(Button(CConfigSettingsPpg::kIdRevert), Qt::LeftButton);
    QTest::mouseClick(Button(CConfigSettingsPpg::kIdBackup), Qt::LeftButton);
    ASSERT_EQ(m_dialogs.openRequests.size(), 1);
    EXPECT_EQ(m_dialogs.openRequests[0].initialPath, QDir::currentPath() + QStringLiteral("/*.qv"));
    ASSERT_EQ(m_dialogs.saveRequests.size(), 1);
    EXPECT_TRUE(
        m_dialogs.saveRequests[0].initialPath.startsWith(QDir::currentPath() + QStringLiteral("/QVSettings_On_")));
    EXPECT_FALSE(m_dialogs.saveRequests[0].initialPath.contains(QStringLiteral("//")));
}

}  // namespace
