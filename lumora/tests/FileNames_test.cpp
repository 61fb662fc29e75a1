// Names as the file system gives them: every byte string comes back unchanged.
#include "files/FileNames.h"

#include <gtest/gtest.h>

using namespace lumora;

TEST(FileNames, EveryNameComesBackByteForByte) {
    const QByteArray names[] = {
        "",
        "Lumora/Drawings/Lumora2004-07-12_122530.bmp",
        "back\\slash.bmp",
        "Zeichnung-\xC3\xA4\xE2\x82\xAC\xF0\x9F\x96\x8C.bmp",  // two-, three- and four-byte UTF-8
        "Latin-1 \xE4\xF6\xFC",                                // not UTF-8
        "\x80\xBF\xFE\xFF",                                    // never UTF-8
        "cut \xE2\x82",                                        // a sequence cut short
        "\xE2\x82 cut",
        "overlong \xC0\xAF",
        "surrogate \xED\xA0\x80",
        "past U+10FFFF \xF4\x90\x80\x80",
        "escape-like \xED\xB2\x80",  // what U+DC80 would be in UTF-8
    };
    for (const QByteArray& name : names) {
        const QString decoded = FileNameFromNative(name);
        EXPECT_EQ(NativeFileName(decoded), name) << name.toHex().constData();
        EXPECT_EQ(NativePath(decoded), name.toStdString());
    }
}

TEST(FileNames, ValidUtf8ReadsAsItsText) {
    EXPECT_EQ(FileNameFromNative("Zeichnung-\xC3\xA4.bmp"), QString::fromUtf8("Zeichnung-\xC3\xA4.bmp"));
    EXPECT_EQ(NativeFileName(QStringLiteral("Bild \u00E4\u20AC.bmp")), QByteArray("Bild \xC3\xA4\xE2\x82\xAC.bmp"));
    // An invalid byte stays apart from the valid text around it: the pattern "*.bmp" still sees
    // the ending.
    const QString decoded = FileNameFromNative("a\xFF.bmp");
    EXPECT_EQ(decoded.size(), 6);
    EXPECT_TRUE(decoded.endsWith(QStringLiteral(".bmp")));
}
