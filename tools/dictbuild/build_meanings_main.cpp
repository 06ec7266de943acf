// Builds the word meanings data/information.dat from the StarDict dictionary
// of foreign words, with synonyms from the thesaurus for other words.
// Usage: tb-meanings <czech-cizi.idx> <czech-cizi.dict.dz> <th_cs_CZ_v2.dat> <information.dat>

#include <cstdio>
#include <exception>

#include "files/files.h"
#include "tools/dictbuild/meanings_builder.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr,
                     "usage: %s <dict.idx> <dict.dict.dz> <thesaurus.dat> <information.dat>\n",
                     argv[0]);
        return 2;
    }
    try {
        const auto entries = tb::dictbuild::readStardict(argv[1], argv[2]);
        const auto thesaurus = tb::dictbuild::parseThesaurus(tb::readFile(argv[3]));
        const tb::fs::path out = argv[4];
        tb::fs::create_directories(out.parent_path());
        tb::writeFileAtomic(out, tb::dictbuild::buildMeanings(entries, thesaurus));
        std::printf("%s: %zu articles, %zu thesaurus entries\n", argv[4], entries.size(),
                    thesaurus.size());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
    return 0;
}
