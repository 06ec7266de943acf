#pragma once
// One function per family of pictures; each adds its pictures to the
// catalogue in the order of their image lists.

#include <filesystem>

#include "tools/artgen/catalog.h"

namespace art {

void drawLetterTiles(Catalog& c);    // images/pismena/pismeno01..38.bmp
void drawGameScreen(Catalog& c);     // background, board, racks, score boxes, clock
void drawGameButtons(Catalog& c);    // the nine buttons of the game screen
void drawGameOverlays(Catalog& c);   // composed background, cursors, pointer, clock
void drawGameDialogs(Catalog& c);    // word test, meaning, error dialogs, hint
void drawRecordWindows(Catalog& c);  // move list, letters table, results
void drawGameMenu(Catalog& c);       // the in-game menu
void drawMainMenu(Catalog& c);       // DXMenu, DXKur
void drawMenuScreens(Catalog& c);    // new game, save/load, settings, information
void drawIntro(Catalog& c);          // DXIntro

// The information pages (DXInfo, DXInfoTlac), over the menu background.
void drawInformation(Catalog& c, const Canvas& menuBackground);

// All families in order, then the manifest.
void drawEverything(Catalog& c);

// The desktop icon, DIR/hicolor/<n>x<n>/apps/tavik-borun.png at the usual sizes.
void drawAppIcons(const std::filesystem::path& dir);

}  // namespace art

namespace art {
// Every picture of the catalogue on one sheet, list by list, for review.
Canvas makeContactSheet(const Catalog& c);
}  // namespace art
