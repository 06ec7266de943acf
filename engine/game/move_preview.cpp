#include "engine/game/move_preview.h"

#include "engine/game/move.h"
#include "engine/game/placement_checker.h"
#include "engine/game/scoring.h"

namespace tb {

std::optional<Beh> prvniNezname(const GameState& s, WordCursor& slovnik) {
    std::optional<Beh> nalez;
    for (bool vodorovne : {true, false})
        for (const Beh& b : behyTahu(s, vodorovne)) {
            if (b.delka < 2 || slovnik.Lookup(pismenaBehu(s, b))) continue;
            nalez = b;
            break;
        }
    return nalez;
}

NahledTahu nahledTahu(const GameState& s, WordCursor& slovnik) {
    NahledTahu n;
    if (!jeNovyKamen(s)) return n;
    PlacementChecker kontrola;
    kontrola.nactiTah(s);
    kontrola.markNeighbours();
    if (kontrola.hasFault()) {
        n.druh = NahledTahu::Druh::Pravidlo;
        n.kod = kontrola.kod();
        n.slovo = kontrola.slovo();
        return n;
    }
    if (const std::optional<Beh> b = prvniNezname(s, slovnik)) {
        n.druh = NahledTahu::Druh::Nezname;
        n.slovo = pismenaBehu(s, *b);
        return n;
    }
    n.druh = NahledTahu::Druh::Platny;
    for (const SlovoTahu& w : slovaTahu(s)) {
        n.rozpis += zapisSlova(w);
        n.slova.emplace_back(w.text, w.body);
        n.body += w.body;
    }
    return n;
}

}  // namespace tb
