#pragma once
// The rows of the move list, read from the move record. The window pads the
// columns to its stops; here they are plain texts (code page 1250).

#include <string>
#include <vector>

#include "engine/game/game_state.h"
#include "engine/record/move_record.h"

namespace tb {

struct RadekSeznamu {
    enum class Druh { Tah, Bonus, Prazdny, Skore, Cas };
    Druh druh = Druh::Prazdny;
    // Tah: number, player, description, points, time "m:ss";
    // Bonus: number, player, text; Skore: player, "...", score; Cas: the line.
    std::vector<std::string> sloupce;
};

// The turn that led to record n (n >= 2): it is listed as turn n - 1.
RadekSeznamu VypisAktTah(const GameState& s, const TZapis& zapis, int n);
// The closing section: N bonus entries, an empty row, the final scores and
// the total time. A section with fewer entries is listed out of place,
// never refused.
std::vector<RadekSeznamu> VypisKonec(const GameState& s, const TZapis& zapis);
// Every row of the list: turns 2..PosledniTah, and the closing section when
// a finished game is being viewed.
std::vector<RadekSeznamu> seznamTahu(const GameState& s, const TZapis& zapis);

}  // namespace tb
