// The icon desktops show for the game: the tiles T and B of its name, one
// over the other, drawn afresh at every size so that small icons stay sharp.
#include <string>

#include "engine/game/tiles.h"
#include "tools/artgen/families.h"
#include "tools/artgen/pieces.h"

namespace art {

namespace {

void drawNameTile(cairo_t* cr, Rect r, char capital) {
    const int kod = tb::letterCodeOf(static_cast<char>(capital - 'A' + 'a'));
    drawTile(cr, r, std::string(1, capital), tb::letterInfo(kod).hodnota);
}

}  // namespace

void drawAppIcons(const std::filesystem::path& dir) {
    for (int size : {32, 48, 64, 128, 256}) {
        Canvas icon(size, size);
        const double s = size;
        drawNameTile(icon.cr(), {0.02 * s, 0.02 * s, 0.64 * s, 0.64 * s}, 'T');
        drawNameTile(icon.cr(), {0.34 * s, 0.34 * s, 0.64 * s, 0.64 * s}, 'B');
        const std::string px = std::to_string(size);
        const auto folder = dir / "hicolor" / (px + "x" + px) / "apps";
        std::filesystem::create_directories(folder);
        icon.savePng(folder / "tavik-borun.png");
    }
}

}  // namespace art
