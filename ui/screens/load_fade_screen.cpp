#include "ui/screens/load_fade_screen.h"

#include <cmath>

#include "engine/game/tile_positions.h"
#include "engine/game/tiles.h"
#include "engine/saves/saved_game.h"

namespace tb {

void LoadFadeInPismena(UiContext& ctx, GameUi& ui, const std::function<void()>& pozadi) {
    const uint32_t kDelka = ctx.moznosti().RychleAnimace ? 500 : 2500;
    const std::vector<OdhalenyKamen> kameny = LoadZobrazPole(ctx.s);
    for (const OdhalenyKamen& k : kameny) {
        ui.KamenNaPole(k.tile, k.x, k.y);
        ui.UkazKamen(k.tile, false);
    }
    ImageList& pismena = ctx.images.get("DXPismeno");
    const uint32_t t0 = ctx.app.GetTickCount() + 1;
    for (;;) {
        const uint32_t ted = ctx.app.GetTickCount();
        const uint32_t e = ted >= t0 ? ted - t0 : t0 - ted;
        if (e >= kDelka || ctx.app.quitting()) break;
        const int level = static_cast<int>(std::lround(128.0 * e / kDelka));
        const int sila =
            static_cast<int>(std::cos(2 * M_PI * ((level + 128) % 256) / 256.0) * 126 + 127);
        pozadi();
        for (const OdhalenyKamen& k : kameny) {
            const Picture& p = pismena[letterCodeOfTile(k.tile) - 1];
            const Bod b = polohaNaDesce(k.x, k.y);
            p.drawAlpha(ctx.app.surface(), Rect{b.x, b.y, p.width(), p.height()}, sila);
        }
        ctx.app.flip();
        ui.Pockej(10);
    }
    for (const OdhalenyKamen& k : kameny) ui.UkazKamen(k.tile, true);
    ui.prekresli();
}

}  // namespace tb
