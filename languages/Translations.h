// The compiled catalogues of Lumora and QvSettings: where they are, putting them on the
// application, and the language's own copies of shipped files (the spoken help). Only what a
// person sees changes with the language; the files the programs write keep their English texts.
// Main thread only.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QTranslator;

namespace languages {

// The folders that may hold a program's compiled catalogues, most likely first: the installed
// data beside the program (<prefix>/share/lumora/translations from <prefix>/bin) and the build
// tree's share/lumora/translations, which is the same place seen from build/bin or build/tests.
QStringList CatalogueFolders(const QString& programDir);

// The language the running program speaks ("en" until a Translations object installed another).
QString CurrentLanguage();

// Where a language's copy of a shipped file would be: "Lumora/Sounds/openHelp.WAV" becomes
// "Lumora/Sounds/de/openHelp.WAV" for German. English, and a language without its own copy
// (nothing at the path relative to the current folder), keep `path`.
QString LocalizedFile(const QString& path);

// The catalogues of one program in one language, installed on the application while the object
// lives: the program's own ("<program>_<code>.qm") and Qt's for its standard buttons and file
// dialogs (qtbase_<code>.qm, or the older all-in-one qt_<code>.qm where there is no qtbase one).
// A text missing from a catalogue, and a whole missing catalogue, show in English.
class Translations {
public:
    Translations();
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Installs the catalogues for `code` ("en" installs none). False when the program's own
    // catalogue was not found in `folders`: the program then speaks English and CurrentLanguage()
    // stays "en". Qt's catalogue is optional.
    bool install(const QString& program, const QString& code, const QStringList& folders);

    // Removes what install() put on the application; CurrentLanguage() is "en" again.
    void remove();

private:
    std::vector<std::unique_ptr<QTranslator>> m_installed;
};

}  // namespace languages
