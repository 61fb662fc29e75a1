#include "LanguageChoice.h"

#include <QRegularExpression>

namespace languages {

namespace {

const char* const kSpoken[] = {"de", "fr", "es", "it", "nl", "sv"};
const QString kEnglish = QStringLiteral("en");

// "de_AT.UTF-8@euro" -> "de"; "C" and "POSIX" (with or without a codeset) -> "en"; a language we
// do not speak -> empty, so that a LANGUAGE list can go on to its next entry.
QString Reduce(const QString& code) {
    QString language = code.trimmed();
    const qsizetype cut = language.indexOf(QRegularExpression(QStringLiteral("[_.@-]")));
    if (cut >= 0)
        language.truncate(cut);
    language = language.toLower();
    if (language == QLatin1String("c") || language == QLatin1String("posix") || language == kEnglish)
        return kEnglish;
    for (const char* spoken : kSpoken)
        if (language == QLatin1String(spoken))
            return language;
    return QString();
}

}  // namespace

QStringList SpokenLanguages() {
    QStringList list;
    for (const char* spoken : kSpoken)
        list << QString::fromLatin1(spoken);
    return list;
}

LanguageEnvironment CurrentEnvironment() {
    LanguageEnvironment e;
    e.language = qEnvironmentVariable("LANGUAGE");
    e.lcAll = qEnvironmentVariable("LC_ALL");
    e.lcMessages = qEnvironmentVariable("LC_MESSAGES");
    e.lang = qEnvironmentVariable("LANG");
    return e;
}

QString ChooseLanguage(const QString& requested, const LanguageEnvironment& environment) {
    if (!requested.trimmed().isEmpty()) {
        const QString chosen = Reduce(requested);
        return chosen.isEmpty() ? kEnglish : chosen;
    }
    if (!environment.language.trimmed().isEmpty()) {
        // The user's order of preference: the first entry we speak (English included) wins.
        for (const QString& entry : environment.language.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
            const QString chosen = Reduce(entry);
            if (!chosen.isEmpty())
                return chosen;
        }
        return kEnglish;
    }
    for (const QString* variable : {&environment.lcAll, &environment.lcMessages, &environment.lang}) {
        if (!variable->trimmed().isEmpty()) {
            const QString chosen = Reduce(*variable);
            return chosen.isEmpty() ? kEnglish : chosen;
        }
    }
    return kEnglish;
}

}  // namespace languages
