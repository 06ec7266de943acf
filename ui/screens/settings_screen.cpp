// The settings screen: music volume, the effects switch, and the words of
// the dictionary to add or remove.

#include "files/text.h"
#include "platform/draw.h"
#include "ui/screens/main_menu_screen.h"

namespace tb {

void TMainMenu::ukazSlovnik(bool ukaz) {
    if (ukaz && !SlovnikO_->visible) obnovSeznam();
    SlovnikO_->visible = ukaz;
    DBListBox1_->visible = ukaz;
    if (!ukaz && (h_.form.focus() == SlovnikO_ || h_.form.focus() == DBListBox1_))
        h_.form.setFocus(nullptr);
}

void TMainMenu::obnovSeznam() {
    // The list browses from the nearest word to what is typed.
    WordCursor& c = h_.ctx.slovnik;
    c.SeekNearest(lowerAZ(SlovnikO_->text));
    DBListBox1_->items = c.Browse(DBListBox1_->visibleRows() * 4);
    DBListBox1_->topIndex = 0;
    DBListBox1_->itemIndex = DBListBox1_->items.empty() ? -1 : 0;
}

void TMainMenu::NastaveniPrint() {
    if (!SlovnikO_->visible) ukazSlovnik(true);
    ImageList& n = obr("DXNastaveni");
    const int pozice[][2] = {{375, 135}, {290, 230}, {469, 244}, {295, 295},
                             {637, 296}, {425, 365}, {315, 435}, {521, 436}};
    for (int i = 0; i < 8; ++i) n[i].draw(plocha(), pozice[i][0], pozice[i][1]);
    // A thin golden frame shows where to type.
    const Rect box = SlovnikO_->bounds();
    fillRect(plocha(), Rect{box.x - 2, box.y - 2, box.w + 4, box.h + 4}, Rgb{196, 160, 84});
    NastaveniTlacitka();
    if (!vMenu()) return;
    GameState& s = h_.ctx.s;
    if (Rect{640, 300, 40, 40}.contains(MysX, MysY) && Klik) {
        // One click is heard whichever way the switch goes.
        h_.ctx.HrajZvuk(1);
        s.ZvukyZap = !s.ZvukyZap;
        Klik = false;
        h_.ctx.HrajZvuk(1);
    }
    if (Rect{469, 244, 256, 21}.contains(MysX, MysY) && Stisk) {
        h_.nast.HlasitostHudby = MysX - 469;
        if (h_.SetVolumeHudba) h_.SetVolumeHudba(h_.nast.HlasitostHudby);
    }
    n[9].draw(plocha(), h_.nast.HlasitostHudby + 464, 237);
    if (s.ZvukyZap) n[8].draw(plocha(), 641, 300);
    napisHlasku(304, 556, 200);
    NastaveniVolby();
}

void TMainMenu::NastaveniVolby() {
    struct Vypinac {
        const char* text;
        bool Volby::*volba;
    };
    static constexpr Vypinac kVypinace[] = {
        {"Náhled tahu:", &Volby::NahledTahu},
        {"Rychlé animace:", &Volby::RychleAnimace},
        {"Skrýt kameny PC:", &Volby::SkrytPC},
        {"Skrýt cizí stojany:", &Volby::SkrytOstatni},
    };
    ImageList& n = obr("DXNastaveni");
    // Two columns of two rows below OK, each a caption and the effects' box.
    for (size_t i = 0; i < std::size(kVypinace); ++i) {
        const int bx = i % 2 == 0 ? 400 : 860, by = i < 2 ? 666 : 716;
        napisText(kVypinace[i].text, bx - 252, by + 9, 240, true);
        n[4].draw(plocha(), bx - 3, by - 4);
        bool& volba = h_.nast.volby.*kVypinace[i].volba;
        if (vMenu() && Rect{bx, by, 40, 40}.contains(MysX, MysY) && Klik) {
            h_.ctx.HrajZvuk(1);
            volba = !volba;
            Klik = false;
        }
        if (volba) n[8].draw(plocha(), bx + 1, by);
    }
}

void TMainMenu::NastaveniTlacitka() {
    ImageList& t = obr("DXNastavTlac");
    if (tlacitko(31, t, 0, 1, 2) == kStisknuto) upravSlovnik(true);
    if (tlacitko(32, t, 3, 4, 5) == kStisknuto) upravSlovnik(false);
    if (tlacitko(33, t, 6, 7, 8) >= kDrzeno) NastaveniOk();
}

void TMainMenu::upravSlovnik(bool pridat) {
    WordCursor& c = h_.ctx.slovnik;
    const std::string slovo = lowerAZ(SlovnikO_->text);
    if (slovo.empty()) {
        Hlaska = "Zadejte slovo";
    } else if (!isTileWord(slovo)) {
        // Only a word a move could lay goes in or out.
        Hlaska = "Není české slovo";
    } else if (c.Lookup(slovo) == pridat) {
        Hlaska = pridat ? "Slovo už ve slovníku je" : "Slovo ve slovníku není";
    } else {
        bezpecne([&] {
            if (pridat)
                c.InsertWord(slovo);
            else
                c.DeleteWord();
            Hlaska = pridat ? "Slovo přidáno" : "Slovo odebráno";
        });
    }
    obnovSeznam();
}

void TMainMenu::NastaveniOk() {
    bezpecne([&] { SaveUserData(h_.nast, h_.ctx.s, h_.ctx.user); });
    if (!h_.nast.NastaveniZeHry) {
        MenuVolba = kMenuHlavni;
        return;
    }
    h_.nast.NastaveniZeHry = false;
    // A viewed record keeps its clocks stopped: nothing may play on in it.
    zpetDoHry(h_.ctx.s.Faze != Phase::Browse);
}

}  // namespace tb
