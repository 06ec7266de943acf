#include "tools/artgen/families.h"

namespace art {

void drawEverything(Catalog& c) {
    drawLetterTiles(c);
    drawGameScreen(c);
    drawGameButtons(c);
    drawGameOverlays(c);
    c.writeManifest();
}

}  // namespace art
