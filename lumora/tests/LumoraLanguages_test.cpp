// Lumora in each of its languages, offscreen on a 1024 x 768 screen: the catalogues load from
// the build tree, every caption of the main window and of every dialog fits its button with the
// font Qt really draws it in, and whatever a catalogue lacks shows in English.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSize>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QProcess>
#include <QTranslator>
#include <cstring>

#include "OffscreenApp.h"
#include "LanguageChoice.h"
#include "Translations.h"
#include "app/LumoraApp.h"
#include "app/MainDlg.h"
#include "app/SoundPlayer.h"
#include "buttons/LumoraButton.h"
#include "dialogs/OpenHelpDlg.h"
#include "dialogs/SaveHelpDlg.h"

using namespace lumora;

namespace {

const QRect kScreen(0, 0, 1024, 768);

// One application for the program, on a 1024 x 768 offscreen screen (the size the captions
// were fitted to); the screen file goes as soon as the platform has read it.
class LanguageEnvironment : public ::testing::Environment {
public:
    void SetUp() override { testsupport::OffscreenApp(QSize(1024, 768)); }
};
[[maybe_unused]] const ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new LanguageEnvironment);

QStringList Folders() {
    return languages::CatalogueFolders(QCoreApplication::applicationDirPath());
}

// Every gaze button with a caption in the main window and all of its dialogs (the help windows
// are made on demand; the test makes its own).
std::vector<const LM_UtilityButton*> CaptionedButtons(const std::vector<const QWidget*>& windows) {
    std::vector<const LM_UtilityButton*> buttons;
    for (const QWidget* window : windows)
        for (const LM_UtilityButton* b : window->findChildren<const LM_UtilityButton*>())
            if (!b->captionA().isEmpty() || !b->captionB().isEmpty())
                buttons.push_back(b);
    return buttons;
}

struct Windows {
    MainDlg main{kScreen, false};
    OpenHelpDlg openHelp{kScreen.size(), Sound(), nullptr};
    SaveHelpDlg saveHelp{kScreen.size(), Sound(), nullptr};
    std::vector<const QWidget*> all() const { return {&main, &openHelp, &saveHelp}; }
};

const LM_UtilityButton* ByCaption(const std::vector<const LM_UtilityButton*>& buttons, const QString& caption) {
    for (const LM_UtilityButton* b : buttons)
        if (b->caption() == caption)
            return b;
    return nullptr;
}

TEST(LumoraLanguages, EveryCaptionFitsItsButtonInEveryLanguage) {
    const QStringList codes = QStringList{QStringLiteral("en")} + languages::SpokenLanguages();
    for (const QString& code : codes) {
        languages::Translations translations;
        ASSERT_TRUE(translations.install(QStringLiteral("lumora"), code, Folders()))
            << "no catalogue for " << qPrintable(code) << " in " << qPrintable(Folders().join(QLatin1Char(' ')));
        Windows windows;
        const auto buttons = CaptionedButtons(windows.all());
        // The main window's nine captions, the dialogs' own, the help windows' three each.
        ASSERT_GE(buttons.size(), 25u) << qPrintable(code);
        for (const LM_UtilityButton* b : buttons) {
            const QFont font = LM_UtilityButton::CaptionFont(b->size());
            const QFontMetrics metrics(font);
            const int room = b->width() - 2 * LumoraButton::kEdgeWidth;
            QStringList captions{b->captionA(), b->captionB()};
            captions.removeDuplicates();
            for (const QString& caption : captions) {
                EXPECT_LE(metrics.horizontalAdvance(caption), room)
                    << qPrintable(code) << ": \"" << qPrintable(caption) << "\" in "
                    << qPrintable(QFontInfo(font).family()) << " on a button " << b->width() << " px wide";
            }
        }
    }
}

TEST(LumoraLanguages, CaptionsAreTranslatedButButtonNamesStayEnglish) {
    struct Case {
        const char* code;
        const char* undo;
        const char* noSave;
    };
    const Case cases[] = {{"de", "Zurück", "Nein"}, {"fr", "Annuler", "Non"}, {"es", "Deshacer", "No"},
                          {"it", "Annulla", "No"},  {"nl", "Terug", "Nee"},   {"sv", "Ångra", "Nej"}};
    for (const Case& c : cases) {
        languages::Translations translations;
        ASSERT_TRUE(translations.install(QStringLiteral("lumora"), QString::fromLatin1(c.code), Folders()));
        EXPECT_EQ(languages::CurrentLanguage(), QLatin1String(c.code));
        Windows windows;
        // Found by its English name, as the program's placement and the tests do.
        const auto* undo = windows.main.findChild<const LM_UtilityButton*>(QStringLiteral("Undo"));
        ASSERT_NE(undo, nullptr) << c.code;
        EXPECT_EQ(undo->caption(), QString::fromUtf8(c.undo)) << c.code;
        EXPECT_NE(ByCaption(CaptionedButtons(windows.all()), QString::fromUtf8(c.noSave)), nullptr) << c.code;
    }
}

TEST(LumoraLanguages, ALanguageWithoutACatalogueIsEnglish) {
    languages::Translations translations;
    EXPECT_FALSE(translations.install(QStringLiteral("lumora"), QStringLiteral("pt"), Folders()));
    EXPECT_EQ(languages::CurrentLanguage(), QLatin1String("en"));
    // A folder with no catalogues at all: the same.
    EXPECT_FALSE(translations.install(QStringLiteral("lumora"), QStringLiteral("de"),
                                      {QDir::current().filePath(QStringLiteral("no-catalogues"))}));
    EXPECT_EQ(languages::CurrentLanguage(), QLatin1String("en"));
    Windows windows;
    const auto* undo = windows.main.findChild<const LM_UtilityButton*>(QStringLiteral("Undo"));
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->caption(), QLatin1String("Undo"));
}

// A catalogue that lacks one text (here the German one without "Undo", compiled for the test):
// that text shows in English, the others in German.
TEST(LumoraLanguages, ATextMissingFromTheCatalogueIsEnglish) {
    const QString folder = QDir::current().filePath(QStringLiteral("partial-catalogue"));
    QDir(folder).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile full(QStringLiteral(LUMORA_LUMORA_TS_DIR "/lumora_de.ts"));
    ASSERT_TRUE(full.open(QIODevice::ReadOnly));
    QString ts = QString::fromUtf8(full.readAll());
    const QString undo = QStringLiteral("<source>Undo</source>");
    const qsizetype at = ts.indexOf(undo);
    ASSERT_GE(at, 0);
    const qsizetype start = ts.lastIndexOf(QStringLiteral("<message>"), at);
    const qsizetype end = ts.indexOf(QStringLiteral("</message>"), at) + qsizetype(std::strlen("</message>"));
    ts.remove(start, end - start);
    QFile partial(folder + QStringLiteral("/lumora_de.ts"));
    ASSERT_TRUE(partial.open(QIODevice::WriteOnly));
    partial.write(ts.toUtf8());
    partial.close();
    ASSERT_EQ(QProcess::execute(QStringLiteral(LUMORA_LRELEASE_PROGRAM),
                                {QStringLiteral("-silent"), partial.fileName(), QStringLiteral("-qm"),
                                 folder + QStringLiteral("/lumora_de.qm")}),
              0);

    languages::Translations translations;
    ASSERT_TRUE(translations.install(QStringLiteral("lumora"), QStringLiteral("de"), {folder}));
    Windows windows;
    const auto* undoButton = windows.main.findChild<const LM_UtilityButton*>(QStringLiteral("Undo"));
    const auto* saveButton = windows.main.findChild<const LM_UtilityButton*>(QStringLiteral("Save"));
    ASSERT_NE(undoButton, nullptr);
    ASSERT_NE(saveButton, nullptr);
    EXPECT_EQ(undoButton->caption(), QLatin1String("Undo"));
    EXPECT_EQ(saveButton->caption(), QLatin1String("Sichern"));
}

// The help recording in the language of the text, English where the language has none.
TEST(LumoraLanguages, TheHelpRecordingFollowsTheLanguage) {
    const QString base = QDir::currentPath();
    const QString own = base + QStringLiteral("/recordings");
    QDir(own).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(own + QStringLiteral("/Lumora/Sounds/de")));
    for (const char* file : {"/Lumora/Sounds/openHelp.WAV", "/Lumora/Sounds/de/openHelp.WAV"}) {
        QFile f(own + QString::fromLatin1(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir::setCurrent(own));
    const QString english = QString::fromLatin1(OpenHelpDlg::kSound);
    EXPECT_EQ(languages::LocalizedFile(english), english);
    {
        languages::Translations translations;
        ASSERT_TRUE(translations.install(QStringLiteral("lumora"), QStringLiteral("de"), Folders()));
        EXPECT_EQ(languages::LocalizedFile(english), QStringLiteral("Lumora/Sounds/de/openHelp.WAV"));
        EXPECT_EQ(languages::LocalizedFile(QString::fromLatin1(SaveHelpDlg::kSound)),
                  QString::fromLatin1(SaveHelpDlg::kSound));
    }
    {
        languages::Translations translations;
        ASSERT_TRUE(translations.install(QStringLiteral("lumora"), QStringLiteral("fr"), Folders()));
        EXPECT_EQ(languages::LocalizedFile(english), english);
    }
    EXPECT_EQ(languages::LocalizedFile(english), english);
    QDir::setCurrent(base);
}

TEST(LumoraLanguages, TheCommandLineNamesTheLanguage) {
    const LumoraOptions given = ParseLumoraArguments({QStringLiteral("--lang"), QStringLiteral("sv")});
    EXPECT_TRUE(given.ok);
    EXPECT_EQ(given.language, QLatin1String("sv"));
    EXPECT_TRUE(ParseLumoraArguments({}).language.isEmpty());
    const LumoraOptions missing = ParseLumoraArguments({QStringLiteral("--lang")});
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error, QLatin1String("--lang needs a value"));
}

}  // namespace
