// The blocking animations of the game screen: a rack tile fading in and out,
// the computer's flying tile and the pause at the end of a game. Each draws
// its own frames and keeps the window alive, dropping the player's input.
// Once the player quits, each ends at once: the game only finishes what it
// has to write.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/game/tile_positions.h"
#include "ui/game/game_screen.h"

namespace tb {
namespace {

constexpr int kProlinani = 490;  // ms of a rack tile's fade

double C(int j) {
    return std::cos(2 * M_PI * (j % 256) / 256.0);
}

int elapsed(Application& app, uint32_t start) {
    return std::abs(static_cast<int>(app.GetTickCount() - start));
}

}  // namespace

int GameScreen::doba(int ms) const {
    return ctx_.moznosti().RychleAnimace ? ms / 5 : ms;
}

void GameScreen::prolinani(int tile, int ms, int zvuk, const std::function<int(int)>& sila) {
    if (tile < 1 || tile > kTiles) return;
    ms = doba(ms);
    const Control& c = *form_.Image[tile];
    const Rect r{c.left, c.top, c.width, c.height};
    HrajZvuk(zvuk);
    const uint32_t start = ctx_.app.GetTickCount() + 1;
    for (int e = elapsed(ctx_.app, start); e < ms && !ctx_.app.quitting();
         e = elapsed(ctx_.app, start)) {
        const int k = static_cast<int>(std::nearbyint(128.0 * e / ms));
        painter_.DXImageList1()[0].draw(ctx_.app.surface(), 0, 0);
        painter_.PrintPismena();
        painter_.obrazKamene(tile).drawAdd(ctx_.app.surface(), r, sila(k));
        ctx_.app.flip();
        // Esc or a click cuts a new game's deal short: its other tiles come at once.
        if (ctx_.app.pumpIgnoringInput() && ctx_.s.Faze == Phase::NewGame) {
            rozdaniPreskoceno_ = true;
            break;
        }
        if (pauzaSnimku > 0) ctx_.app.pause(pauzaSnimku);
    }
}

void GameScreen::UkazPismeno(int tile, int ms) {
    prolinani(tile, ms, 4, [](int k) { return static_cast<int>(126 * C(k + 128) + 127); });
}

void GameScreen::SmazPismeno(int tile, int ms) {
    prolinani(tile, ms, 5, [](int k) { return static_cast<int>(126 * C(k) + 127); });
}

void GameScreen::ukazPrichod(int hrac, int slot, int tile) {
    const Bod b = polohaNaStojanu(hrac, slot);
    form_.umisti(tile, b.x, b.y, false);
    if (!rozdaniPreskoceno_ || ctx_.s.Faze != Phase::NewGame) UkazPismeno(tile, kProlinani);
    form_.umisti(tile, b.x, b.y, true);
}

void GameScreen::ukazOdchod(int hrac, int slot, int tile) {
    const Bod b = polohaNaStojanu(hrac, slot);
    form_.umisti(tile, b.x, b.y, false);
    SmazPismeno(tile, kProlinani);
}

void GameScreen::PresunPismeno(int tile, int sx, int sy, int tx, int ty, int ms) {
    if (tile < 1 || tile > kTiles) return;
    form_.Image[tile]->visible = false;
    const int doba = this->doba(ms);
    // A tile from a hidden rack shows its face only when it lands.
    const bool skryty = stojanSkryty(ctx_.s.NaTahu);
    const uint32_t start = ctx_.app.GetTickCount() + 1;
    int cx = sx, cy = sy;
    bool dopad = false;
    for (int e = elapsed(ctx_.app, start); e < doba && !ctx_.app.quitting();
         e = elapsed(ctx_.app, start)) {
        if (e > 0) {
            const double f = static_cast<double>(doba) / e;
            cx += static_cast<int>(std::nearbyint((tx - cx) / f));
            cy += static_cast<int>(std::nearbyint((ty - cy) / f));
        }
        painter_.DXImageList1()[0].draw(ctx_.app.surface(), 0, 0);
        painter_.PrintPismena();
        painter_.obrazKamene(tile, skryty).draw(ctx_.app.surface(), cx, cy);
        ctx_.app.flip();
        if (!dopad && e + 700 * doba / std::max(ms, 1) > doba) {
            dopad = true;
            HrajZvuk(3);
        }
        ctx_.app.pumpIgnoringInput();
        if (pauzaSnimku > 0) ctx_.app.pause(pauzaSnimku);
    }
    form_.umisti(tile, tx, ty, true);
}

void GameScreen::Pockej(int ms) {
    const uint32_t start = ctx_.app.GetTickCount();
    while (elapsed(ctx_.app, start) < ms && !ctx_.app.quitting()) {
        ctx_.app.pumpIgnoringInput();
        if (pauzaSnimku > 0) ctx_.app.pause(10);
    }
}

}  // namespace tb
