// QvSettings: the Quorvane eye tracker's settings editor.
//
//   qvsettings [--lang CODE]
//
// CODE is the language of the windows ("de", "fr", "es", "it", "nl", "sv" or "en"); without it
// the desktop's language is used, English when QvSettings does not speak it. The tracker files
// it writes stay as they are in every language.

#include <QApplication>
#include <cstdio>

#include "CEnterKeyFilter.h"
#include "CQvSettingsDlg.h"
#include "LanguageChoice.h"
#include "SettingsLibrary.h"
#include "Translations.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Brelnic"));
    QCoreApplication::setApplicationName(QStringLiteral("QvSettings"));

    QString requested;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--lang") && i + 1 < args.size()) {
            requested = args[++i];
        } else {
            // It always started whatever it was given; a launcher's extra word must not stop it.
            std::fprintf(stderr, "qvsettings: ignoring %s (usage: qvsettings [--lang CODE])\n", qPrintable(args[i]));
        }
    }
    languages::Translations translations;
    translations.install(QStringLiteral("qvsettings"),
                         languages::ChooseLanguage(requested, languages::CurrentEnvironment()),
                         languages::CatalogueFolders(QCoreApplication::applicationDirPath()));

    CEnterKeyFilter enterFilter;
    app.installEventFilter(&enterFilter);
    QvFileIoLibrary library;
    return RunQvSettings(library);
}
