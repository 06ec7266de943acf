// Three calm tracks for thinking over words: a morning coffee in F, an
// evening game in D dorian, and a slow waltz in G.
#include "tools/soundgen/music.h"

#include <string>

#include "tools/soundgen/composer.h"

namespace snd {

namespace {

const std::vector<int> kMajor = {0, 2, 4, 5, 7, 9, 11};
const std::vector<int> kDorian = {0, 2, 3, 5, 7, 9, 10};
const std::vector<int> kMaj7 = {0, 4, 7, 11}, kMin7 = {0, 3, 7, 10}, kDom7 = {0, 4, 7, 10};
const std::vector<int> kMaj = {0, 4, 7}, kMin = {0, 3, 7};

std::vector<Song> songs() {
    Song morning{"Rano u kavy",
                 88,
                 4,
                 65,
                 kMajor,
                 {{53, kMaj7}, {50, kMin7}, {46, kMaj7}, {48, kDom7}},
                 {{46, kMaj7}, {45, kMin7}, {43, kMin7}, {48, kMaj}},
                 "IAaBbAaO",
                 4,
                 1,
                 7};
    Song evening{"Vecerni partie",
                 80,
                 4,
                 62,
                 kDorian,
                 {{50, kMin7}, {43, kDom7}, {48, kMaj7}, {45, kMin7}},
                 {{46, kMaj7}, {48, kMaj7}, {50, kMin7}, {45, {0, 5, 7, 10}}},
                 "IAaBbAaO",
                 1,
                 5,
                 21};
    Song waltz{"Valcik pismen",
               100,
               3,
               67,
               kMajor,
               {{43, kMaj}, {40, kMin}, {48, kMaj}, {50, kMaj}},
               {{45, kMin}, {50, kDom7}, {43, kMaj}, {40, kMin}},
               "IAaBbAaBbO",
               4,
               5,
               33};
    return {morning, evening, waltz};
}

}  // namespace

int writeMusic(const std::filesystem::path& root) {
    std::filesystem::create_directories(root / "Sound");
    int n = 0;
    for (const Song& s : songs())
        writeXm(root / "Sound" / (std::to_string(++n) + ".xm"), compose(s));
    return n;
}

}  // namespace snd
