// Builds the game's word list Slovnik_cz.db from the Czech hunspell dictionary.
// Usage: tb-wordlist <cs_CZ.aff> <cs_CZ.dic> <Slovnik_cz.db>

#include <cstdio>
#include <exception>

#include "files/files.h"
#include "store/word_list_file.h"
#include "tools/dictbuild/word_list_builder.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <cs_CZ.aff> <cs_CZ.dic> <Slovnik_cz.db>\n", argv[0]);
        return 2;
    }
    try {
        auto words = tb::dictbuild::buildWordList(tb::readFile(argv[1]), tb::readFile(argv[2]));
        const size_t count = words.size();
        tb::writeWordListFile(argv[3], std::move(words));
        std::printf("%s: %zu words\n", argv[3], count);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
    return 0;
}
