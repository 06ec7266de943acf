// Builds the game's word list Slovnik_cz.db from the Czech hunspell dictionary,
// and the word graph of the same words beside it, which the game reads
// instead of the list's rows; the list keeps the graph's stamp.
// Usage: tb-wordlist <cs_CZ.aff> <cs_CZ.dic> <Slovnik_cz.db> <Slovnik_cz.dawg>

#include <chrono>
#include <cstdio>
#include <exception>

#include "engine/ai/word_graph.h"
#include "engine/game/letter_codes.h"
#include "files/files.h"
#include "store/word_list_file.h"
#include "tools/dictbuild/word_list_builder.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr,
                     "usage: %s <cs_CZ.aff> <cs_CZ.dic> <Slovnik_cz.db> <Slovnik_cz.dawg>\n",
                     argv[0]);
        return 2;
    }
    try {
        auto words = tb::dictbuild::buildWordList(tb::readFile(argv[1]), tb::readFile(argv[2]));
        const auto t0 = std::chrono::steady_clock::now();
        std::vector<std::string> codes;
        codes.reserve(words.size());
        for (const auto& w : words)
            if (std::string c; tb::appendCodesOfUtf8(w, c)) codes.push_back(std::move(c));
        const std::string graph = tb::buildWordGraph(std::move(codes));
        tb::writeFileAtomic(argv[4], graph);
        const double s =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        const uint32_t stamp = tb::graphStamp(graph);
        std::printf("%s: %zu bytes, built in %.1f s, stamp %08x\n", argv[4], graph.size(), s,
                    stamp);
        const size_t count = words.size();
        tb::writeWordListFile(argv[3], std::move(words), stamp);
        std::printf("%s: %zu words\n", argv[3], count);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
    return 0;
}
