#include "Languages.h"

#include <array>

#include "FileStreams.h"
#include "SettingsWriter.h"
#include "TextReader.h"

namespace qvfileio {

namespace {

struct Language {
    std::u16string_view code;
    std::u16string_view name;
};

constexpr std::array<Language, kLanguageCount> kLanguages = {{
    {u"US", u"US English"},
    {u"BE", u"Belgian"},
    {u"CF", u"Canadaian French"},
    {u"DK", u"Danish"},
    {u"SU", u"Finnish"},
    {u"FR", u"French"},
    {u"DE", u"German"},
    {u"GR", u"Greek"},
    {u"IT", u"Italian"},
    {u"LA", u"Latin American Spanish"},
    {u"NL", u"Dutch"},
    {u"NO", u"Norwegian"},
    {u"PO", u"Portuguese"},
    {u"ES", u"Spanish"},
    {u"SV", u"Swedish"},
    {u"SF", u"Swiss French"},
    {u"SG", u"Swill German"},
    {u"UK", u"UK English"},
    {u"TR", u"Turkish"},
    {u"RU", u"Russian"},
}};

constexpr std::size_t kCodeLength = 2;

}  // namespace

bool isValidLanguage(std::int32_t language) {
    return language >= 0 && language < kLanguageCount;
}

std::u16string_view languageCode(std::int32_t language) {
    return kLanguages[isValidLanguage(language) ? language : 0].code;
}

std::u16string_view languageName(std::int32_t language) {
    return kLanguages[isValidLanguage(language) ? language : 0].name;
}

void languageFromDichar(std::u16string_view text, std::int32_t& language) {
    if (text.size() < kCodeLength) {
        return;
    }
    std::u16string_view code = text.substr(0, kCodeLength);
    for (int i = 0; i < kLanguageCount; ++i) {
        if (kLanguages[i].code == code) {
            language = i;
            return;
        }
    }
}

void readLanguage(std::int32_t& language) {
    if (auto bytes = readFileBytes(kCurrentLanguageFile)) {
        std::u16string text = decodeFileText(*bytes);
        languageFromDichar(std::u16string_view(text).substr(0, kCodeLength), language);
    }
    if (!isValidLanguage(language)) {
        language = 0;
    }
}

std::int32_t resolveLanguage(std::int32_t language) {
    if (!isValidLanguage(language)) {
        readLanguage(language);
    }
    return language;
}

int writeLanguage(std::int32_t language) {
    SettingsWriter writer;
    writer.byteOrderMark();
    writer.textLine(languageCode(language));
    return writeFileBytes(kCurrentLanguageFile, writer.bytes());
}

std::u16string languageFileName(std::u16string_view pattern, std::int32_t language) {
    std::u16string_view code = languageCode(resolveLanguage(language));
    std::u16string out;
    bool substituted = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'%' && i + 1 < pattern.size()) {
            if (pattern[i + 1] == u's' && !substituted) {
                out += code;
                substituted = true;
                ++i;
                continue;
            }
            if (pattern[i + 1] == u'%') {
                out += u'%';
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

}  // namespace qvfileio
