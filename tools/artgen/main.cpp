// Draws every picture of the game into the installation root:
//   tb_artgen ROOT CONTACT_SHEET.png [ICON_DIR]
#include <cstdio>
#include <exception>

#include "tools/artgen/families.h"

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s ROOT CONTACT_SHEET.png [ICON_DIR]\n", argv[0]);
        return 2;
    }
    try {
        art::Catalog catalog(argv[1]);
        art::drawEverything(catalog);
        art::makeContactSheet(catalog).savePng(argv[2]);
        if (argc == 4) art::drawAppIcons(argv[3]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tb_artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
