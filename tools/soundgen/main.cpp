// Synthesizes the game's sound effects and music into the installation root:
//   tb_soundgen ROOT
#include <cstdio>
#include <exception>

#include "tools/soundgen/effects.h"
#include "tools/soundgen/music.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s ROOT\n", argv[0]);
        return 2;
    }
    try {
        snd::writeEffects(argv[1]);
        snd::writeMusic(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tb_soundgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
