// Choosing the language Lumora and QvSettings speak.
//
// The choice is made once at start, before the first window: `--lang CODE` first, then the
// desktop's LANGUAGE (a colon list, the first entry we speak wins), LC_ALL, LC_MESSAGES and LANG,
// the first of them that is set deciding. A code is reduced to its language ("de_AT.UTF-8@euro"
// is "de"); "C", "POSIX", English and every language we do not speak mean English ("en").
//
// Only what a person sees changes with the language. The files the programs write (keystroke
// log, gaze data file, LMSettings.ini, tracker files) keep their English texts, whatever is
// chosen here. Main thread only.
#pragma once

#include <QString>
#include <QStringList>

namespace languages {

// The languages with catalogues, besides English (the programs' own texts).
QStringList SpokenLanguages();

// The desktop's language settings, as the environment gives them (empty when unset).
struct LanguageEnvironment {
    QString language;    // LANGUAGE, e.g. "fr:de"
    QString lcAll;       // LC_ALL
    QString lcMessages;  // LC_MESSAGES
    QString lang;        // LANG
};

// The process's own environment.
LanguageEnvironment CurrentEnvironment();

// The language to speak: one of SpokenLanguages() or "en". `requested` is the value of --lang,
// empty when not given; it wins over the environment even when it names a language we do not
// speak (then English).
QString ChooseLanguage(const QString& requested, const LanguageEnvironment& environment);

}  // namespace languages
