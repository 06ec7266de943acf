// Draws every picture of the game into the installation root:
//   tb_artgen ROOT CONTACT_SHEET.png
#include <cstdio>
#include <exception>

#include "tools/artgen/families.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ROOT CONTACT_SHEET.png\n", argv[0]);
        return 2;
    }
    try {
        art::Catalog catalog(argv[1]);
        art::drawEverything(catalog);
        art::makeContactSheet(catalog).savePng(argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tb_artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
