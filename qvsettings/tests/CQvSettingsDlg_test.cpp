// The sheet: its pages, maker mode, OK / Cancel / Apply, the Enter rule and the About box.

#include "CQvSettingsDlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <functional>

#include "CAboutDlg.h"
#include "CBRLFloatField.h"
#include "CBRLIntField.h"
#include "CCalConstPpg.h"
#include "CHardwarePpg.h"
#include "CSystemHardware.h"
#include "SettingsTestSupport.h"

namespace {

QStringList TabTitles(const CQvSettingsDlg& sheet) {
    QStringList titles;
    for (int i = 0; i < sheet.Tabs()->count(); ++i) {
        titles << sheet.Tabs()->tabText(i).replace(QStringLiteral("&&"), QStringLiteral("&"));
    }
    return titles;
}

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::remove(QString::fromLatin1(CQvSettingsDlg::kMakerMarkerFile));
        // Whatever an earlier test left in the settings folder's place (a file, a read-only file,
        // a folder where the file belongs) goes.
        QFile::remove(QStringLiteral("QVSettings"));
        QDir(QStringLiteral("QVSettings")).removeRecursively();
        QDir().mkpath(QStringLiteral("QVSettings"));
    }
    void TearDown() override { QFile::remove(QString::fromLatin1(CQvSettingsDlg::kMakerMarkerFile)); }

    void Open() {
        m_sheet = std::make_unique<CQvSettingsDlg>(m_library, QDir::currentPath());
        g_bPagesReady = false;
        ASSERT_TRUE(ShowActive(m_sheet.get()));
    }
    // Goes to the Video Hardware page and types a width there, leaving the field with Tab.
    void EditWidth(const QString& text) {
        m_sheet->Tabs()->setCurrentWidget(m_sheet->HardwarePage());
        CBRLFloatField* width = m_sheet->HardwarePage()->Field(CHardwarePpg::kIdWidth);
        TypeInto(width, text);
        QTest::keyClick(width, Qt::Key_Tab);
    }

    ScriptedMessageBoxes m_boxes;
    CountingLibrary m_library;
    std::unique_ptr<CQvSettingsDlg> m_sheet;
};

TEST_F(SheetTest, FourPagesWithoutTheMarkerFile) {
    Open();
    EXPECT_EQ(m_sheet->windowTitle(), QStringLiteral("Quorvane Eye-Tracker Settings"));
    EXPECT_EQ(TabTitles(*m_sheet), (QStringList{QStringLiteral("Save & Restore"), QStringLiteral("Image Proc"),
                                              QStringLiteral("Calibration"), QStringLiteral("Video Hardware")}));
    EXPECT_EQ(m_sheet->Tabs()->currentIndex(), 0);
    EXPECT_FALSE(m_sheet->IsMakerMode());
    EXPECT_EQ(m_library.reads, 1);
    EXPECT_EQ(m_sheet->settings.language, 0);
}

TEST_F(SheetTest, FiveWithTheMarkerFileWhateverItHolds) {
    QFile marker(QString::fromLatin1(CQvSettingsDlg::kMakerMarkerFile));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    Open();
    ASSERT_EQ(m_sheet->Tabs()->count(), 5);
    EXPECT_EQ(m_sheet->Tabs()->tabText(4), QStringLiteral("System Hardware"));
    EXPECT_EQ(m_sheet->SystemHardwarePage()->GetBlock(), m_sheet->HardwarePage()->GetBlock());
}

TEST_F(SheetTest, CancelWithoutEditsClosesWithoutAQuestion) {
    Open();
    EXPECT_FALSE(m_sheet->IsApplyEnabled());
    QTest::mouseClick(m_sheet->CancelButton(), Qt::LeftButton);
    EXPECT_TRUE(m_boxes.asked.isEmpty());
    EXPECT_EQ(m_sheet->result(), QDialog::Rejected);
    EXPECT_FALSE(m_sheet->isVisible());
    EXPECT_EQ(m_library.writes, 0);
}

TEST_F(SheetTest, CancelAfterAnEditAsksAndNoKeepsEverything) {
    Open();
    EditWidth(QStringLiteral("11"));
    ASSERT_TRUE(m_sheet->IsApplyEnabled());
    const float stored = m_sheet->settings.hardware.fMonitorWidth;
    m_boxes.answers = {MsgAnswer::No};
    QTest::mouseClick(m_sheet->CancelButton(), Qt::LeftButton);
    ASSERT_EQ(m_boxes.asked.size(), 1);
    EXPECT_EQ(m_boxes.asked[0].text, QString::fromLatin1(CQvSettingsDlg::kCancelQuestion));
    EXPECT_EQ(m_boxes.asked[0].caption, QStringLiteral("Are you sure"));
    EXPECT_EQ(m_boxes.asked[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(m_boxes.asked[0].defaultAnswer, MsgAnswer::No);
    EXPECT_EQ(m_boxes.asked[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(m_sheet->isVisible());
    EXPECT_EQ(m_sheet->CurrentPage(), m_sheet->HardwarePage());
    EXPECT_EQ(m_sheet->settings.hardware.fMonitorWidth, stored);
    EXPECT_TRUE(m_sheet->IsApplyEnabled());

    m_boxes.answers = {MsgAnswer::Yes};
    QTest::keyClick(m_sheet.get(), Qt::Key_Escape);
    EXPECT_EQ(m_boxes.asked.size(), 2);
    EXPECT_FALSE(m_sheet->isVisible());
    EXPECT_EQ(m_library.writes, 0);
}

TEST_F(SheetTest, ApplyWritesAndThenCancelClosesWithoutAQuestion) {
    Open();
    EditWidth(QStringLiteral("11"));
    QTest::mouseClick(m_sheet->ApplyButton(), Qt::LeftButton);
    EXPECT_EQ(m_library.writes, 1);
    EXPECT_FALSE(m_sheet->IsApplyEnabled());
    EXPECT_TRUE(QFile::exists(TrackerSettingsFile()));
    QTest::mouseClick(m_sheet->CancelButton(), Qt::LeftButton);
    EXPECT_TRUE(m_boxes.asked.isEmpty());
    EXPECT_FALSE(m_sheet->isVisible());
    // The applied value is what the file now holds.
    QvSettingsRecord reread{};
    reread.language = -1;
    vReadQvSettings(&reread);
    EXPECT_NEAR(reread.hardware.fMonitorWidth, 11.0f / 0.03937008f, 0.01f);
}

TEST_F(SheetTest, ApplyTakesTheEditOfTheFocusedField) {
    Open();
    m_sheet->Tabs()->setCurrentWidget(m_sheet->HardwarePage());
    CBRLFloatField* width = m_sheet->HardwarePage()->Field(CHardwarePpg::kIdWidth);
    TypeInto(width, QStringLiteral("11"));
    m_sheet->ApplyButton()->setEnabled(true);  // as the typing itself does not mark the page yet
    QTest::mouseClick(m_sheet->ApplyButton(), Qt::LeftButton);
    EXPECT_NEAR(m_sheet->settings.hardware.fMonitorWidth, 11.0f / 0.03937008f, 0.01f);
    EXPECT_EQ(m_library.writes, 1);
}

TEST_F(SheetTest, OkAfterEditsWritesTheSettingsFileOnce) {
    bool edited = false;
    WhenDialogOpens<CQvSettingsDlg>([&edited](CQvSettingsDlg* shown) {
        shown->Tabs()->setCurrentWidget(shown->HardwarePage());
        CBRLFloatField* width = shown->HardwarePage()->Field(CHardwarePpg::kIdWidth);
        ShowActive(shown);
        TypeInto(width, QStringLiteral("12"));
        QTest::keyClick(width, Qt::Key_Tab);
        edited = shown->IsApplyEnabled();
        QTest::mouseClick(shown->OkButton(), Qt::LeftButton);
    });
    EXPECT_EQ(RunQvSettings(m_library), 0);
    EXPECT_TRUE(edited);
    EXPECT_EQ(m_library.writes, 1);
    EXPECT_TRUE(m_boxes.asked.isEmpty());
    QvSettingsRecord reread{};
    reread.language = -1;
    vReadQvSettings(&reread);
    EXPECT_NEAR(reread.hardware.fMonitorWidth, 304.8f, 0.01f);
}

TEST_F(SheetTest, EnterInAFieldMovesTheFocusOnInsteadOfClosing) {
    Open();
    m_sheet->Tabs()->setCurrentWidget(m_sheet->HardwarePage());
    CBRLFloatField* width = m_sheet->HardwarePage()->Field(CHardwarePpg::kIdWidth);
    width->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(width->hasFocus());
    QTest::keyClick(width, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_sheet->isVisible());
    EXPECT_FALSE(width->hasFocus());
    EXPECT_TRUE(m_sheet->HardwarePage()->Field(CHardwarePpg::kIdHeight)->hasFocus());
}

TEST_F(SheetTest, EnterOnACheckBoxPressesIt) {
    Open();
    m_sheet->Tabs()->setCurrentIndex(1);
    auto* droopy = qobject_cast<QAbstractButton*>(m_sheet->CurrentPage()->Control(1011));
    droopy->setFocus(Qt::TabFocusReason);
    QTest::keyClick(droopy, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_TRUE(droopy->isChecked());
    EXPECT_EQ(m_sheet->settings.imageProc.bDroopyEyelidComp, 1);
    EXPECT_TRUE(m_sheet->isVisible());
}

TEST_F(SheetTest, EnterOnAComboBoxPicksTheNextItem) {
    Open();
    m_sheet->Tabs()->setCurrentIndex(2);
    QWidget* resolution = m_sheet->CurrentPage()->Control(1089);
    resolution->setFocus(Qt::TabFocusReason);
    QTest::keyClick(resolution, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_sheet->settings.calibration.iCurCalRes, 1);
    EXPECT_TRUE(m_sheet->isVisible());
}

TEST_F(SheetTest, SwitchingPagesKeepsTheEditOfTheFocusedField) {
    Open();
    m_sheet->Tabs()->setCurrentWidget(m_sheet->HardwarePage());
    CBRLFloatField* width = m_sheet->HardwarePage()->Field(CHardwarePpg::kIdWidth);
    TypeInto(width, QStringLiteral("11"));
    QTest::keyClick(m_sheet->Tabs(), Qt::Key_Tab, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_NE(m_sheet->CurrentPage(), m_sheet->HardwarePage());
    EXPECT_NEAR(m_sheet->settings.hardware.fMonitorWidth, 11.0f / 0.03937008f, 0.01f);
    EXPECT_TRUE(m_sheet->IsApplyEnabled());
}

TEST_F(SheetTest, AboutBoxIsReachableFromTheSheet) {
    Open();
    QString caption;
    WhenDialogOpens<CAboutDlg>([&caption](CAboutDlg* about) {
        caption = about->windowTitle();
        about->accept();
    });
    QTest::mouseClick(m_sheet->AboutButton(), Qt::LeftButton);
    EXPECT_EQ(caption, QStringLiteral("About QvSettings"));
}

TEST_F(SheetTest, MakerPagesShareTheHardwareBlock) {
    QFile marker(QString::fromLatin1(CQvSettingsDlg::kMakerMarkerFile));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    Open();
    EditWidth(QStringLiteral("11"));
    m_sheet->Tabs()->setCurrentWidget(m_sheet->SystemHardwarePage());
    m_sheet->settings.hardware.iCameraHorizPixels = 800;
    m_sheet->Tabs()->setCurrentWidget(m_sheet->HardwarePage());
    m_sheet->Tabs()->setCurrentWidget(m_sheet->SystemHardwarePage());
    EXPECT_EQ(m_sheet->SystemHardwarePage()->IntField(CSystemHardware::kIdCameraWidthPixels)->text(),
              QStringLiteral(" 800"));
}

// OK and Apply write before anything else happens; a write that does not succeed is reported
// and the sheet stays open with its edits.
class WriteFailureTest : public SheetTest {
protected:
    static QByteArray FileBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void MakeFile(const QString& path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old settings");
    }
};

const char* const kNotSaved = "The settings could not be saved to QVSettings/Settings_US.qv.\n";

TEST_F(WriteFailureTest, OkAndApplyThatCannotWriteSayWhyAndKeepTheSheetOpen) {
    struct Case {
        const char* what;
        std::function<void(CountingLibrary&)> prepare;
        const char* reason;
    };
    const Case cases[] = {
        {"read-only file",
         [](CountingLibrary&) {
             MakeFile(TrackerSettingsFile());
             QFile::setPermissions(TrackerSettingsFile(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
         },
         "The file is read-only."},
        {"folder where the file belongs", [](CountingLibrary&) { QDir().mkpath(TrackerSettingsFile()); },
         "It is a folder, not a file."},
        {"file where the settings folder belongs",
         [](CountingLibrary&) {
             QDir(QStringLiteral("QVSettings")).removeRecursively();
             MakeFile(QStringLiteral("QVSettings"));
         },
         "The folder QVSettings could not be created: a file of that name is in its place."},
        {"write that the library reports as failed",
         [](CountingLibrary& failing) {
             MakeFile(TrackerSettingsFile());
             failing.failWritesWith = -1;
         },
         "Writing the file failed; the disk may be full."},
    };
    for (const Case& c : cases) {
        for (const bool ok : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (ok ? ", OK" : ", Apply"));
            SetUp();
            m_boxes.asked.clear();
            m_library.failWritesWith = 0;
            Open();
            EditWidth(QStringLiteral("11"));
            c.prepare(m_library);
            const QByteArray before = FileBytes(TrackerSettingsFile());
            QTest::mouseClick(ok ? m_sheet->OkButton() : m_sheet->ApplyButton(), Qt::LeftButton);
            ASSERT_EQ(m_boxes.asked.size(), 1);
            EXPECT_EQ(m_boxes.asked[0].text, QString::fromLatin1(kNotSaved) + QString::fromLatin1(c.reason));
            EXPECT_EQ(m_boxes.asked[0].caption, QStringLiteral("Settings not saved"));
            EXPECT_EQ(m_boxes.asked[0].icon, MsgIcon::Exclamation);
            EXPECT_TRUE(m_sheet->isVisible());
            EXPECT_TRUE(m_sheet->IsApplyEnabled());
            EXPECT_EQ(FileBytes(TrackerSettingsFile()), before);
            EXPECT_NEAR(m_sheet->settings.hardware.fMonitorWidth, 11.0f / 0.03937008f, 0.01f);
        }
    }
}

TEST_F(WriteFailureTest, OkWithoutTheSettingsFolderCreatesIt) {
    QDir(QStringLiteral("QVSettings")).removeRecursively();
    WhenDialogOpens<CQvSettingsDlg>([](CQvSettingsDlg* shown) {
        shown->Tabs()->setCurrentWidget(shown->HardwarePage());
        ShowActive(shown);
        TypeInto(shown->HardwarePage()->Field(CHardwarePpg::kIdWidth), QStringLiteral("12"));
        QTest::mouseClick(shown->OkButton(), Qt::LeftButton);
    });
    EXPECT_EQ(RunQvSettings(m_library), 0);
    EXPECT_TRUE(m_boxes.asked.isEmpty());
    QvSettingsRecord reread{};
    reread.language = -1;
    EXPECT_GE(vReadQvSettings(&reread), 2);
    EXPECT_NEAR(reread.hardware.fMonitorWidth, 304.8f, 0.01f);
}

TEST_F(WriteFailureTest, ApplyWithoutTheSettingsFolderCreatesIt) {
    QDir(QStringLiteral("QVSettings")).removeRecursively();
    Open();
    EditWidth(QStringLiteral("12"));
    QTest::mouseClick(m_sheet->ApplyButton(), Qt::LeftButton);
    EXPECT_TRUE(m_boxes.asked.isEmpty());
    EXPECT_FALSE(m_sheet->IsApplyEnabled());
    EXPECT_TRUE(QFileInfo(TrackerSettingsFile()).isFile());
}

// Values that the shown text can only round: 300 mm is 11.81 inches, which reads back as
// 299.974 mm; a calibration point at 0.125 shows as 0.13.
class UntypedValuesTest : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        QSettings(QStringLiteral("Brelnic"), QStringLiteral("QvSettings"))
            .setValue(QStringLiteral("Preferences/Units"), CHardwarePpg::kInches);
    }
    // Writes the file the sheet starts from and returns its bytes.
    static QByteArray WriteStartFile() {
        QvSettingsRecord record{};
        vSetDefaultQvSettings(&record);
        record.language = 0;
        record.hardware.fMonitorWidth = 300.0f;
        record.calibration.iCurCalRes = 0;
        record.calibration.calRes[0].fX[0] = 0.125f;
        EXPECT_EQ(vWriteQvSettings(&record), 0);
        return FileBytes();
    }
    static QByteArray FileBytes() {
        QFile file(TrackerSettingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The lines of the file's text that differ, so that a failure names them.
    static QStringList ChangedLines(const QByteArray& before, const QByteArray& after) {
        auto lines = [](const QByteArray& bytes) {
            return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2)
                .split(QStringLiteral("\r\n"));
        };
        const QStringList old = lines(before);
        const QStringList now = lines(after);
        QStringList changed;
        for (qsizetype i = 0; i < std::max(old.size(), now.size()); ++i) {
            if (old.value(i) != now.value(i)) {
                changed << old.value(i) + QStringLiteral(" -> ") + now.value(i);
            }
        }
        return changed;
    }
};

TEST_F(UntypedValuesTest, FieldsFocusedAndLeftWithoutTypingLeaveTheFileByteIdentical) {
    struct Case {
        const char* what;
        // Visits the field; returns whether it had the focus.
        std::function<bool(CQvSettingsDlg*)> visit;
    };
    const Case cases[] = {
        {"width focused and left with Tab",
         [](CQvSettingsDlg* shown) {
             shown->Tabs()->setCurrentWidget(shown->HardwarePage());
             CBRLFloatField* width = shown->HardwarePage()->Field(CHardwarePpg::kIdWidth);
             QTest::mouseClick(width, Qt::LeftButton);
             const bool focused = width->hasFocus();
             QTest::keyClick(width, Qt::Key_Tab);
             return focused;
         }},
        {"width focused by the page switch, then OK",
         [](CQvSettingsDlg* shown) {
             shown->Tabs()->setCurrentWidget(shown->CalConstPage());
             shown->CalConstPage()->Control(CCalConstPpg::kIdBypass)->setFocus(Qt::TabFocusReason);
             QTest::keyClick(shown->Tabs(), Qt::Key_Tab, Qt::ControlModifier);
             QCoreApplication::processEvents();
             return shown->HardwarePage()->Field(CHardwarePpg::kIdWidth)->hasFocus();
         }},
        {"calibration point focused and left",
         [](CQvSettingsDlg* shown) {
             shown->Tabs()->setCurrentWidget(shown->CalConstPage());
             CBRLFloatField* x = shown->CalConstPage()->XField();
             QTest::mouseClick(x, Qt::LeftButton);
             const bool focused = x->hasFocus();
             QTest::keyClick(x, Qt::Key_Tab);
             return focused;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray before = WriteStartFile();
        ASSERT_FALSE(before.isEmpty());
        m_library.writes = 0;
        bool focused = false;
        WhenDialogOpens<CQvSettingsDlg>([&c, &focused](CQvSettingsDlg* shown) {
            ShowActive(shown);
            focused = c.visit(shown);
            QTest::mouseClick(shown->OkButton(), Qt::LeftButton);
        });
        EXPECT_EQ(RunQvSettings(m_library), 0);
        EXPECT_TRUE(focused);
        EXPECT_EQ(m_library.writes, 1);
        const QByteArray after = FileBytes();
        EXPECT_TRUE(after == before) << ChangedLines(before, after).join(QLatin1Char('\n')).toStdString();
    }
}

}  // namespace
