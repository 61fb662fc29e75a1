// lumora_help_text open|save OUTPUT: writes one of the help windows' texts to OUTPUT, for the
// build to speak into the help sound files.
#include <cstdio>
#include <cstring>

#include "dialogs/HelpTexts.h"

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "open") != 0 && std::strcmp(argv[1], "save") != 0)) {
        std::fprintf(stderr, "usage: lumora_help_text open|save OUTPUT\n");
        return 2;
    }
    const char* text = std::strcmp(argv[1], "open") == 0 ? lumora::kOpenHelpText : lumora::kSaveHelpText;
    std::FILE* out = std::fopen(argv[2], "wb");
    if (!out) {
        std::fprintf(stderr, "lumora_help_text: cannot write %s\n", argv[2]);
        return 1;
    }
    const std::size_t length = std::strlen(text);
    const bool ok = std::fwrite(text, 1, length, out) == length;
    return (std::fclose(out) == 0 && ok) ? 0 : 1;
}
