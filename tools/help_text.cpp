// lumora_help_text open|save OUTPUT [CATALOGUE]: writes one of the help windows' texts to OUTPUT
// (UTF-8), for the build to speak into the help sound files. With CATALOGUE (a compiled
// lumora_<code>.qm) the text is that language's; English where the catalogue lacks it.
#include <QString>
#include <QTranslator>
#include <cstdio>
#include <cstring>

#include "dialogs/HelpTexts.h"

int main(int argc, char** argv) {
    if ((argc != 3 && argc != 4) || (std::strcmp(argv[1], "open") != 0 && std::strcmp(argv[1], "save") != 0)) {
        std::fprintf(stderr, "usage: lumora_help_text open|save OUTPUT [CATALOGUE]\n");
        return 2;
    }
    const char* english = std::strcmp(argv[1], "open") == 0 ? lumora::kOpenHelpText : lumora::kSaveHelpText;
    QByteArray text(english);
    if (argc == 4) {
        QTranslator catalogue;
        if (!catalogue.load(QString::fromLocal8Bit(argv[3]))) {
            std::fprintf(stderr, "lumora_help_text: cannot read the catalogue %s\n", argv[3]);
            return 1;
        }
        const QString translated = catalogue.translate("HelpTexts", english);
        if (!translated.isEmpty())
            text = translated.toUtf8();
    }
    std::FILE* out = std::fopen(argv[2], "wb");
    if (!out) {
        std::fprintf(stderr, "lumora_help_text: cannot write %s\n", argv[2]);
        return 1;
    }
    const bool ok = std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), out) ==
                    static_cast<std::size_t>(text.size());
    return (std::fclose(out) == 0 && ok) ? 0 : 1;
}
