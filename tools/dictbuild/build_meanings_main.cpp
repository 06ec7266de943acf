// Builds the word meanings data/information.dat from the StarDict dictionary
// of foreign words.
// Usage: tb-meanings <czech-cizi.idx> <czech-cizi.dict.dz> <information.dat>

#include <cstdio>
#include <exception>

#include "platform/files.h"
#include "tools/dictbuild/meanings_builder.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <dict.idx> <dict.dict.dz> <information.dat>\n", argv[0]);
        return 2;
    }
    try {
        const auto entries = tb::dictbuild::readStardict(argv[1], argv[2]);
        const tb::fs::path out = argv[3];
        tb::fs::create_directories(out.parent_path());
        tb::writeFileAtomic(out, tb::dictbuild::buildMeanings(entries));
        std::printf("%s: %zu articles\n", argv[3], entries.size());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
    return 0;
}
