// The language table, the current-language file and per-language file names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qvfileio {

constexpr int kLanguageCount = 20;
constexpr std::u16string_view kCurrentLanguageFile = u"CurrentLanguage.qvx";

bool isValidLanguage(std::int32_t language);
// Two-letter code and English name of a valid index.
std::u16string_view languageCode(std::int32_t language);
std::u16string_view languageName(std::int32_t language);

// Compares the first two characters of text (stopping at a terminator) with the codes, case
// sensitively; at the first match stores the index, otherwise leaves language unchanged.
void languageFromDichar(std::u16string_view text, std::int32_t& language);
// Applies the current-language file to language; still outside 0..19 afterwards, it becomes 0.
void readLanguage(std::int32_t& language);
// An index outside 0..19 is the current language, 0 if none is recorded.
std::int32_t resolveLanguage(std::int32_t language);
// Writes the current-language file: 0 when written or when it cannot be created, non-zero
// when the write failed part way.
int writeLanguage(std::int32_t language);

// The pattern with its first "%s" replaced by the code of language (resolved as above) and
// "%%" by "%".
std::u16string languageFileName(std::u16string_view pattern, std::int32_t language);

}  // namespace qvfileio
