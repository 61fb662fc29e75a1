#include "Languages.h"

#include <gtest/gtest.h>

#include "FileIoTest.h"

using namespace qvfileio;

namespace {
class LanguagesTest : public FileIoTest {};
}  // namespace

TEST(Languages, Table) {
    EXPECT_EQ(languageCode(0), u"US");
    EXPECT_EQ(languageName(0), u"US English");
    EXPECT_EQ(languageCode(4), u"SU");
    EXPECT_EQ(languageName(2), u"Canadaian French");
    EXPECT_EQ(languageName(16), u"Swill German");
    EXPECT_EQ(languageCode(19), u"RU");
    EXPECT_EQ(languageCode(20), u"US");  // outside: the line of index 0
    EXPECT_EQ(languageCode(-1), u"US");
}

TEST(Languages, FromDichar) {
    struct Case {
        std::u16string text;
        std::int32_t start;
        std::int32_t expected;
    };
    const Case cases[] = {
        {u"UK", 0, 17}, {u"UK\t\tUK English", 0, 17},
        {u"uk", 3, 3},  {u"U", 3, 3},
        {u"", 3, 3},    {u"XX", -1, -1},
        {u"US", 9, 0},  {u"NO", 0, 11},
    };
    for (const auto& c : cases) {
        std::int32_t language = c.start;
        languageFromDichar(c.text, language);
        EXPECT_EQ(language, c.expected);
    }
}

TEST_F(LanguagesTest, CurrentLanguageFile) {
    std::int32_t language = 5;
    readLanguage(language);  // no file: a valid index stays
    EXPECT_EQ(language, 5);
    language = 25;
    readLanguage(language);
    EXPECT_EQ(language, 0);

    EXPECT_EQ(writeLanguage(17), 0);
    EXPECT_EQ(testsupport::ReadFile("CurrentLanguage.qvx"), utf16File("UK\r\n"));
    language = -1;
    readLanguage(language);
    EXPECT_EQ(language, 17);
    EXPECT_EQ(resolveLanguage(-5), 17);
    EXPECT_EQ(resolveLanguage(3), 3);

    EXPECT_EQ(writeLanguage(42), 0);  // outside: written as 0
    EXPECT_EQ(testsupport::ReadFile("CurrentLanguage.qvx"), utf16File("US\r\n"));
}

TEST_F(LanguagesTest, EightBitAndUnknownCurrentLanguageFiles) {
    testsupport::WriteFile("CurrentLanguage.qvx", "FR\r\n");
    std::int32_t language = -1;
    readLanguage(language);
    EXPECT_EQ(language, 5);

    testsupport::WriteFile("CurrentLanguage.qvx", "fr\r\n");
    language = -1;
    readLanguage(language);
    EXPECT_EQ(language, 0);

    testsupport::WriteFile("CurrentLanguage.qvx",
               "\xFF\xFE"
               "D");
    language = 30;
    readLanguage(language);
    EXPECT_EQ(language, 0);
}

TEST_F(LanguagesTest, FileNames) {
    EXPECT_EQ(languageFileName(u"QVSettings\\Settings_%s.qv", 14), u"QVSettings\\Settings_SV.qv");
    EXPECT_EQ(languageFileName(u"100%% %s %s", 1), u"100% BE %s");
    EXPECT_EQ(languageFileName(u"no code", 1), u"no code");
    EXPECT_EQ(languageFileName(u"%s", -1), u"US");
    testsupport::WriteFile("CurrentLanguage.qvx", utf16File("RU\r\n"));
    EXPECT_EQ(languageFileName(u"%s", 99), u"RU");
}
