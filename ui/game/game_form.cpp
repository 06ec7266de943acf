#include "ui/game/game_form.h"

#include "engine/game/tile_positions.h"

namespace tb {
namespace {

struct TlacitkoPopis {
    const char* off;
    const char* on;
    const char* down;
    Rect r;
};

constexpr TlacitkoPopis kTlacitka[kTlacitek] = {
    {"NextOFF", "NextON", "NextDown", {911, 469, 45, 45}},
    {"ChangeOFF", "ChangeOn", "ChangeDown", {868, 469, 45, 45}},
    {"BackOFF", "BackON", "BackDown", {860, 512, 50, 50}},
    {"FFOFF", "FFON", "FFDown", {910, 512, 50, 50}},
    {"KontrolaOFF", "KontrolaON", "KontrolaDown", {849, 566, 60, 20}},
    {"PrubehOFF", "PrubehON", "PrubehDown", {914, 566, 60, 20}},
    {"TipOFF", "TipON", "TipDown", {859, 591, 50, 20}},
    {"PoctyOFF", "PoctyON", "PoctyDown", {914, 591, 50, 20}},
    {"MenuOFF", "MenuON", "MenuDown", {882, 616, 61, 20}},
};

// Texts only paint; they never take the mouse.
Label* popisek(Window& w, const std::string& name, Rect r, Font f) {
    Label& l = w.add<Label>(name, r);
    l.font = std::move(f);
    l.enabled = false;
    return &l;
}

const Rgb kSeda{128, 128, 128};

}  // namespace

GameForm::GameForm() : Window("GameForm") {
    autoPaint = false;
    HraciPlocha = &add<Control>("HraciPlocha", Rect{129, 98, 570, 569});
    for (int i = 1; i <= kRack; ++i) {
        const Bod b = polohaNaStojanu(1, i);
        Opanel[i] = &add<Control>("Opanel" + std::to_string(i), Rect{b.x, b.y, 32, 32});
        Opanel[i]->visible = false;
    }
    for (int n = 1; n <= kTiles; ++n) {
        Image[n] = &add<Control>("Image" + std::to_string(n), Rect{0, 0, 32, 32});
        Image[n]->visible = false;
    }
    for (int i = 1; i <= kRack; ++i) {
        const Bod b = polohaNaStojanu(1, i);
        KVs[i] = &add<Control>("KV" + std::to_string(i), Rect{b.x, b.y, 32, 32});
        KVs[i]->visible = false;
    }
    // Frames and the carried tile are only painted.
    KurzorAno = &add<Control>("KurzorAno", Rect{0, 0, 42, 42});
    KV = &add<Control>("KV", Rect{0, 0, 42, 42});
    myska = &add<Control>("myska", Rect{0, 0, 32, 32});
    for (Control* c : {KurzorAno, KV, myska}) c->visible = c->enabled = false;

    LeftPovrchS = &add<Control>("LeftPovrchS", Rect{840, 80, 145, 369});
    LeftPovrchS2 = &add<Control>("LeftPovrchS2", Rect{832, 688, 169, 73});
    for (int i = 0; i < kTlacitek; ++i) {
        const TlacitkoPopis& p = kTlacitka[i];
        tlacitka[i].OFF = &add<Control>(p.off, p.r);
        tlacitka[i].tvar = 3 * i;
        tlacitka[i].horni = i <= kFF;
    }
    for (int i = 0; i < kTlacitek; ++i) {
        tlacitka[i].ON = &add<Control>(kTlacitka[i].on, kTlacitka[i].r);
        tlacitka[i].ON->visible = false;
        tlacitka[i].Down = &add<Control>(kTlacitka[i].down, kTlacitka[i].r);
        tlacitka[i].Down->visible = tlacitka[i].Down->enabled = false;
    }
    // Over the panel while a tile is carried, so it follows the pointer there.
    LeftPovrch = &add<Control>("LeftPovrch", Rect{824, 64, 185, 697});
    LeftPovrch->enabled = false;

    const Font jmeno{"Times New Roman", 21, false, kSeda};
    const Font body{"Verdana", 16, true, kSeda};
    for (int p = 1; p <= kSeats; ++p) {
        const int y = 85 + 65 * (p - 1);
        Jmeno[p] = popisek(*this, "Jmeno" + std::to_string(p), Rect{853, y, 120, 24}, jmeno);
        bm[p] = popisek(*this, "b" + std::to_string(p) + "m", Rect{854, y + 33, 40, 20}, body);
        bc[p] = popisek(*this, "b" + std::to_string(p) + "c", Rect{913, y + 33, 60, 20}, body);
    }
    Display = popisek(*this, "Display", Rect{871, 428, 79, 14}, Font{"Verdana", 11, true});
    const Font cas{"Arial Black", 15, false};
    CasCelkem = popisek(*this, "CasCelkem", Rect{936, 695, 60, 18}, cas);
    CasTah = popisek(*this, "CasTah", Rect{936, 712, 60, 18}, cas);
    Odpocet = popisek(*this, "Odpocet", Rect{936, 729, 60, 18}, cas);
}

int GameForm::kamenOf(const Control& c) const {
    if (c.name.rfind("Image", 0) != 0) return 0;
    const int n = std::atoi(c.name.c_str() + 5);
    return n >= 1 && n <= kTiles && Image[n] == &c ? n : 0;
}

int GameForm::slotOf(const Control& c) {
    return c.name.empty() ? 0 : c.name.back() - '0';
}

void GameForm::umisti(int tile, int x, int y, bool ukaz) {
    if (tile < 1 || tile > kTiles) return;
    Control& c = *Image[tile];
    c.left = x;
    c.top = y;
    c.visible = c.enabled = ukaz;
}

}  // namespace tb
