#include "LanguageChoice.h"

#include <gtest/gtest.h>

namespace {

using languages::ChooseLanguage;
using languages::LanguageEnvironment;

struct Case {
    const char* name;
    const char* requested;
    LanguageEnvironment environment;
    const char* expected;
};

LanguageEnvironment Env(const char* language, const char* lcAll, const char* lcMessages, const char* lang) {
    return {QString::fromLatin1(language), QString::fromLatin1(lcAll), QString::fromLatin1(lcMessages),
            QString::fromLatin1(lang)};
}

TEST(LanguageChoice, FollowsTheCommandLineThenTheDesktop) {
    const Case cases[] = {
        {"nothing set", "", Env("", "", "", ""), "en"},
        {"--lang wins over everything", "fr", Env("de", "es_ES.UTF-8", "it_IT", "nl_NL"), "fr"},
        {"--lang of a language we do not speak is English", "pt", Env("de", "", "", ""), "en"},
        {"--lang takes a full locale", "sv_SE.UTF-8", Env("", "", "", ""), "sv"},
        {"--lang upper case", "DE", Env("", "", "", ""), "de"},
        {"LANGUAGE before the locale variables", "", Env("nl", "de_DE.UTF-8", "", ""), "nl"},
        {"LANGUAGE list: first spoken entry", "", Env("pt_BR:pt:it:de", "", "", ""), "it"},
        {"LANGUAGE list preferring English", "", Env("en_GB:de", "", "", "de_DE.UTF-8"), "en"},
        {"LANGUAGE of nothing we speak is English", "", Env("pt:ja", "", "", "de_DE.UTF-8"), "en"},
        {"LANGUAGE with empty entries", "", Env("::es", "", "", ""), "es"},
        {"LC_ALL before LC_MESSAGES and LANG", "", Env("", "fr_FR.UTF-8", "de_DE", "it_IT"), "fr"},
        {"LC_MESSAGES before LANG", "", Env("", "", "sv_SE.UTF-8", "de_DE"), "sv"},
        {"LANG alone", "", Env("", "", "", "de_AT.UTF-8"), "de"},
        {"a modifier", "", Env("", "", "", "de_DE@euro"), "de"},
        {"C is English", "", Env("", "C", "", "de_DE.UTF-8"), "en"},
        {"C.UTF-8 is English", "", Env("", "", "", "C.UTF-8"), "en"},
        {"POSIX is English", "", Env("", "", "POSIX", "fr_FR"), "en"},
        {"a locale we do not speak is English", "", Env("", "", "", "pt_BR.UTF-8"), "en"},
        {"blank variables count as unset", "  ", Env(" ", "", "", "es_ES"), "es"},
        {"garbage is English", "", Env("", "", "", "!!@@"), "en"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseLanguage(QString::fromLatin1(c.requested), c.environment), QLatin1String(c.expected)) << c.name;
}

TEST(LanguageChoice, SpeaksTheSixLanguages) {
    EXPECT_EQ(languages::SpokenLanguages(),
              QStringList({QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("it"),
                           QStringLiteral("nl"), QStringLiteral("sv")}));
}

}  // namespace
