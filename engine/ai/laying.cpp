// Laying a move for the player on move, tile by tile, each flown from
// its rack slot to its cell.

#include "engine/ai/computer_player.h"
#include "engine/game/game_ui.h"
#include "engine/game/move.h"
#include "engine/game/tile_positions.h"

namespace tb {

namespace {
constexpr int kDobaLetu = 1500;  // ms of one tile's flight
}

void polozKandidata(GameState& s, GameUi& ui, const Kandidat& k) {
    if (s.NaTahu < 1 || s.NaTahu > kSeats) return;
    int x = k.X, y = k.Y;
    for (char pismeno : k.Slovo) {
        if (x < 1 || x > kBoard || y < 1 || y > kBoard) break;
        if (s.Pole[x][y].Pevny == 0) {
            for (int slot = 1; slot <= kRack; ++slot) {
                const int t = s.Zasobnik[s.NaTahu][slot];
                if (t == 0 || s.Kameny[t].Pismeno != std::string(1, pismeno) ||
                    !polozZeSlotu(s, slot, x, y))
                    continue;
                ui.HrajZvuk(2);
                const Bod z = polohaNaStojanu(s.NaTahu, slot), c = polohaNaDesce(x, y);
                ui.PresunPismeno(t, z.x, z.y, c.x, c.y, kDobaLetu);
                ui.KamenNaPole(t, x, y);
                break;
            }
        }
        if (k.Smer == 1)
            ++x;
        else
            ++y;
    }
    ui.prekresli();
}

}  // namespace tb
