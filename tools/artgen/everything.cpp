#include "tools/artgen/families.h"

namespace art {

void drawEverything(Catalog& c) {
    drawLetterTiles(c);
    drawGameScreen(c);
    drawGameButtons(c);
    drawGameOverlays(c);
    drawGameDialogs(c);
    drawRecordWindows(c);
    drawGameMenu(c);
    drawMainMenu(c);
    drawMenuScreens(c);
    drawIntro(c);
    c.writeManifest();
}

}  // namespace art
