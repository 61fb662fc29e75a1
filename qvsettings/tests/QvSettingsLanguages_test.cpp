// QvSettings in each of its languages, offscreen on a 1024 x 768 screen: the sheet with every
// page (the maker's included) fits the screen, no caption, label or group title is cut, the
// range prompts keep their placeholders, and the standard buttons speak the language too.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QSize>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>

#include "OffscreenApp.h"
#include "CBRLPropPage.h"
#include "CQvSettingsDlg.h"
#include "LanguageChoice.h"
#include "SettingsLibrary.h"
#include "Translations.h"

namespace {

class LanguageEnvironment : public ::testing::Environment {
public:
    void SetUp() override { testsupport::OffscreenApp(QSize(1024, 768)); }
};
[[maybe_unused]] const ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new LanguageEnvironment);

QStringList Folders() {
    return languages::CatalogueFolders(QCoreApplication::applicationDirPath());
}

int WidestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// What of `page` is cut: a button narrower than its caption needs, a one-line label narrower
// than its text, a group box narrower than its title.
QStringList CutTexts(const QWidget* page) {
    QStringList cut;
    for (const QAbstractButton* b : page->findChildren<const QAbstractButton*>()) {
        if (b->isVisible() && !b->text().isEmpty() && b->width() < b->sizeHint().width())
            cut << QStringLiteral("button \"%1\": %2 < %3").arg(b->text()).arg(b->width()).arg(b->sizeHint().width());
    }
    for (const QLabel* l : page->findChildren<const QLabel*>()) {
        if (!l->isVisible() || l->wordWrap() || l->text().isEmpty())
            continue;
        const int needed = WidestLine(l->fontMetrics(), l->text()) + 2 * l->margin() + l->indent();
        if (l->contentsRect().width() < needed)
            cut << QStringLiteral("label \"%1\": %2 < %3").arg(l->text()).arg(l->contentsRect().width()).arg(needed);
    }
    for (const QGroupBox* g : page->findChildren<const QGroupBox*>()) {
        const int needed = g->fontMetrics().horizontalAdvance(g->title()) + 16;
        if (g->isVisible() && g->width() < needed)
            cut << QStringLiteral("group \"%1\": %2 < %3").arg(g->title()).arg(g->width()).arg(needed);
    }
    return cut;
}

class QvSettingsLanguages : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(QStringLiteral("QVSettings")).removeRecursively();
        QDir().mkpath(QStringLiteral("QVSettings"));
        // The maker's page too: the widest of them.
        QFile marker(QString::fromLatin1(CQvSettingsDlg::kMakerMarkerFile));
        ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    }
    void TearDown() override { QFile::remove(QString::fromLatin1(CQvSettingsDlg::kMakerMarkerFile)); }
    QvFileIoLibrary m_library;
};

TEST_F(QvSettingsLanguages, EveryPageFitsTheScreenAndNoTextIsCut) {
    const QStringList codes = QStringList{QStringLiteral("en")} + languages::SpokenLanguages();
    for (const QString& code : codes) {
        languages::Translations translations;
        ASSERT_TRUE(translations.install(QStringLiteral("qvsettings"), code, Folders())) << qPrintable(code);
        CQvSettingsDlg sheet(m_library, QDir::currentPath());
        ASSERT_TRUE(sheet.IsMakerMode());
        sheet.show();
        QCoreApplication::processEvents();
        EXPECT_LE(sheet.frameGeometry().width(), 1024) << qPrintable(code);
        EXPECT_LE(sheet.frameGeometry().height(), 768) << qPrintable(code);
        // Every tab title shown whole, without scroll arrows.
        const QTabBar* tabs = sheet.Tabs()->tabBar();
        EXPECT_LE(tabs->sizeHint().width(), sheet.Tabs()->width()) << qPrintable(code);
        for (int i = 0; i < sheet.Tabs()->count(); ++i) {
            sheet.Tabs()->setCurrentIndex(i);
            QCoreApplication::processEvents();
            const QWidget* page = sheet.Tabs()->widget(i);
            const QStringList cut = CutTexts(page);
            EXPECT_TRUE(cut.isEmpty()) << qPrintable(code) << ", page " << qPrintable(sheet.Tabs()->tabText(i)) << ": "
                                       << qPrintable(cut.join(QStringLiteral("; ")));
        }
        const QStringList cut = CutTexts(&sheet);
        EXPECT_TRUE(cut.isEmpty()) << qPrintable(code) << ": " << qPrintable(cut.join(QStringLiteral("; ")));
        sheet.hide();
    }
}

TEST_F(QvSettingsLanguages, PagesAreTranslatedAndWhatIsMissingIsEnglish) {
    {
        languages::Translations translations;
        ASSERT_TRUE(translations.install(QStringLiteral("qvsettings"), QStringLiteral("de"), Folders()));
        CQvSettingsDlg sheet(m_library, QDir::currentPath());
        EXPECT_EQ(sheet.CancelButton()->text(), QLatin1String("Abbrechen"));
    }
    // No catalogue for the language: English.
    languages::Translations translations;
    EXPECT_FALSE(translations.install(QStringLiteral("qvsettings"), QStringLiteral("pt"), Folders()));
    CQvSettingsDlg sheet(m_library, QDir::currentPath());
    EXPECT_EQ(sheet.CancelButton()->text(), QLatin1String("Cancel"));
    // A text no catalogue has: as written.
    EXPECT_EQ(QCoreApplication::translate("CQvSettingsDlg", "No such text"), QLatin1String("No such text"));
}

// The prompts are filled by printf: a translation must keep the placeholders, in their order.
TEST_F(QvSettingsLanguages, RangePromptsKeepTheirPlaceholders) {
    const QRegularExpression placeholder(QStringLiteral("%[0-9.]*[a-z]"));
    const auto placeholders = [&](const QString& text) {
        QStringList found;
        for (auto it = placeholder.globalMatch(text); it.hasNext();)
            found << it.next().captured();
        return found;
    };
    struct Prompt {
        const char* context;
        const char* text;
    };
    const Prompt prompts[] = {
        {"CBRLIntField",
         "The %s is out of range.\nWould you like to change it?\nPress OK to change it to %i\nPress "
         "CANCEL to return to the field"},
        {"CBRLFloatField",
         "The %s is out of range.\nWould you like to change it?\nPress OK to change it to "
         "%10.4f\nPress CANCEL to return to the field"},
    };
    for (const QString& code : languages::SpokenLanguages()) {
        languages::Translations translations;
        ASSERT_TRUE(translations.install(QStringLiteral("qvsettings"), code, Folders()));
        for (const Prompt& p : prompts) {
            const QString translated = QCoreApplication::translate(p.context, p.text);
            EXPECT_NE(translated, QString::fromLatin1(p.text)) << qPrintable(code) << " " << p.context;
            EXPECT_EQ(placeholders(translated), placeholders(QString::fromLatin1(p.text)))
                << qPrintable(code) << " " << p.context;
        }
    }
}

// The message boxes' Yes and No, from Qt's catalogue or, for Swedish, which Debian's Qt lacks,
// from ours.
TEST_F(QvSettingsLanguages, StandardButtonsSpeakTheLanguage) {
    struct Case {
        const char* code;
        const char* yes;
        const char* no;
    };
    const Case cases[] = {{"de", "&Ja", "&Nein"}, {"fr", "&Oui", "&Non"}, {"es", "&Sí", "&No"},
                          {"it", "&Sì", "&No"},   {"nl", "&Ja", "&Nee"},  {"sv", "&Ja", "&Nej"}};
    const QString qtCatalogues = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const Case& c : cases) {
        const QString code = QString::fromLatin1(c.code);
        if (code != QLatin1String("sv") && !QFile::exists(qtCatalogues + QStringLiteral("/qtbase_") + code + ".qm")) {
            ADD_FAILURE() << "Qt's catalogue for " << c.code << " is not installed (qt6-translations-l10n)";
            continue;
        }
        languages::Translations translations;
        ASSERT_TRUE(translations.install(QStringLiteral("qvsettings"), code, Folders()));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString::fromUtf8(c.yes)) << c.code;
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&No"), QString::fromUtf8(c.no)) << c.code;
    }
}

}  // namespace
