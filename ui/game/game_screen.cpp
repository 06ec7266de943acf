#include "ui/game/game_screen.h"

#include <cstdio>
#include <exception>

#include "engine/game/clock_text.h"
#include "engine/game/move.h"
#include "engine/game/tile_positions.h"
#include "engine/game/tiles.h"
#include "engine/record/move_list.h"
#include "files/text.h"
#include "platform/draw.h"
#include "ui/screens/load_fade_screen.h"
#include "ui/windows/browse_window.h"

namespace tb {

GameScreen::GameScreen(UiContext& ctx, HerniOkna okna)
    : ctx_(ctx), okna_(std::move(okna)), painter_(ctx.app, ctx.images, form_, ctx.s) {
    napoj();
    painter_.nahled = [this] { return nahled(); };
    painter_.poloha = [this] { return poloha(); };
    painter_.skryty = [this](int p) { return stojanSkryty(p); };
    ctx_.poZavreniOkna = [this] {
        // Over the game screen only, not over another window or the menus.
        if (hra_ && hra_->interval() != 0 && ctx_.app.top() == &form_) podleUkazatele();
    };
}

void GameScreen::napoj() {
    for (int n = 1; n <= kTiles; ++n) {
        Control& c = *form_.Image[n];
        c.onMouseMove = [this](Control& k, int x, int y) {
            chran([&] { ImageMouseMove(k, x, y); });
        };
        c.onClick = [this](Control& k) { chran([&] { ImageClick(k); }); };
    }
    form_.HraciPlocha->onMouseMove = [this](Control&, int x, int y) {
        chran([&] { HraciPlochaMouseMove(x, y); });
    };
    form_.HraciPlocha->onClick = [this](Control&) { chran([&] { HraciPlochaClick(); }); };
    for (int i = 1; i <= kRack; ++i) {
        form_.Opanel[i]->onMouseMove = [this](Control& k, int x, int y) {
            chran([&] { OpanelMouseMove(k, x, y); });
        };
        form_.Opanel[i]->onClick = [this](Control& k) { chran([&] { OpanelClick(k); }); };
        form_.KVs[i]->onMouseMove = [this](Control& k, int, int) {
            chran([&] { KVMouseMove(k); });
        };
        form_.KVs[i]->onClick = [this](Control& k) { chran([&] { KVClick(k); }); };
    }
    form_.onMouseMove = [this](int, int) { chran([&] { FormMouseMove(); }); };
    form_.LeftPovrch->onMouseMove = [this](Control&, int, int) { chran([&] { FormMouseMove(); }); };
    for (Control* c : {form_.LeftPovrchS, form_.LeftPovrchS2})
        c->onMouseMove = [this](Control&, int, int) {
            painter_.PrintPozadi();
            painter_.kurzor();
        };
    for (int i = 0; i < kTlacitek; ++i) {
        Tlacitko& t = form_.tlacitka[i];
        t.OFF->onMouseMove = [this, i](Control&, int, int) { chran([&] { OffMouseMove(i); }); };
        t.ON->onMouseMove = [this, i](Control&, int, int) { chran([&] { OnMouseMove(i); }); };
        t.ON->onMouseDown = [this, i](Control&, int, int) { chran([&] { OnMouseDown(i); }); };
        t.ON->onMouseUp = [this, i](Control&, int, int) { chran([&] { OnMouseUp(i); }); };
        t.ON->onClick = [this, i](Control&) { chran([&] { OnClick(i); }); };
    }
    form_.onKeyPress = [this](char& k) { chran([&] { FormKeyPress(k); }); };
}

NahledTahu GameScreen::nahled() {
    const GameState& s = ctx_.s;
    if (!ctx_.moznosti().NahledTahu || s.Faze != Phase::Play || s.HrajePC || s.RezimVymeny ||
        s.Hraci[s.NaTahu].JePC)
        return {};
    // Asked at every paint, worked out once per tile laid or lifted.
    std::vector<NovyKamen> kameny = noveKameny(s);
    kameny.push_back({s.CisloTahu, s.NaTahu, s.MinPismen});
    if (kameny != nahledZ_) {
        nahled_ = nahledTahu(s, ctx_.slovnik);
        nahledZ_ = std::move(kameny);
    }
    return nahled_;
}

bool GameScreen::stojanSkryty(int p) const {
    const GameState& s = ctx_.s;
    const Volby& v = ctx_.moznosti();
    if (s.Faze != Phase::Play && s.Faze != Phase::NewGame) return false;
    return (v.SkrytPC && s.Hraci[p].JePC) || (v.SkrytOstatni && p != s.NaTahu);
}

void GameScreen::opona(int hrac) {
    const GameState& s = ctx_.s;
    if (!ctx_.moznosti().SkrytOstatni || !s.Rozdano || s.Hraci[hrac].JePC) return;
    Bitmap& plocha = ctx_.app.surface();
    fill(plocha, Rgb{12, 44, 32});
    TextPainter& tp = ctx_.app.text();
    const Font f{"Times New Roman", 48, true, Rgb{240, 200, 96}};
    const std::string text = utf8ToCp1250("Na tahu: ") + s.Hraci[hrac].Jmeno;
    tp.textOut(plocha, TextPainter::centredLeft(0, 1024, tp.textWidth(f, text)), 330, f, text);
    const Font g{"Verdana", 18, true, Rgb{236, 228, 204}};
    const std::string dal = utf8ToCp1250("Klepněte, až budete u hry.");
    tp.textOut(plocha, TextPainter::centredLeft(0, 1024, tp.textWidth(g, dal)), 410, g, dal);
    ctx_.app.flip();
    while (!ctx_.app.quitting() && !ctx_.app.pumpIgnoringInput())
        if (pauzaSnimku > 0) ctx_.app.pause(20);
}

std::vector<std::string> GameScreen::poloha() {
    const GameState& s = ctx_.s;
    const bool zpet = s.Faze == Phase::Play && s.CisloTahu < s.PosledniTah;
    if (!hra_ || (s.Faze != Phase::Browse && !zpet) || s.PosledniTah < 1) return {};
    // The record is read once per step, not at every paint.
    const std::pair klic{s.CisloTahu, s.PosledniTah};
    if (klic != polohaZ_) {
        polohaZ_ = klic;
        poloha_ = {utf8ToCp1250("Tah ") + std::to_string(s.CisloTahu - 1) + " / " +
                   std::to_string(s.PosledniTah - 1)};
        if (s.CisloTahu >= 2) {
            const RadekSeznamu r = VypisAktTah(s, hra_->zapis(), s.CisloTahu);
            poloha_.push_back(r.sloupce[1]);
            poloha_.push_back(r.sloupce[2].empty() ? utf8ToCp1250("(bez slova)")
                                                   : r.sloupce[3] + utf8ToCp1250(" b."));
        } else {
            poloha_.push_back(utf8ToCp1250("Rozdání"));
        }
    }
    return poloha_;
}

void GameScreen::zapomenNahled() {
    nahledZ_.clear();
}

void GameScreen::chran(const std::function<void()>& akce) {
    try {
        akce();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tavik-borun: %s\n", e.what());
        if (okna_.chyba) okna_.chyba(ctx_, e.what());
        prekresli();
    }
}

void GameScreen::FormActivate() {
    // The pictures are loaded once; a later activation (a dialog closing)
    // must neither reload them nor restart the game.
    if (pismenaNactena_) return;
    dejVsechnaPismena(ctx_.s);
    painter_.nactiPismena();
    pismenaNactena_ = true;
}

void GameScreen::novaHra() {
    polohaZ_ = {-1, -1};  // another game: its record is another one
    rozdaniPreskoceno_ = false;
    for (int n = 1; n <= kTiles; ++n) form_.Image[n]->visible = false;
    for (int i = 1; i <= kRack; ++i) form_.Opanel[i]->visible = form_.KVs[i]->visible = false;
    for (Control* c : {form_.KurzorAno, form_.KV, form_.myska}) c->visible = false;
    for (const Tlacitko& t : form_.tlacitka) t.ON->visible = t.Down->visible = false;
    VypniProhlizeniPanely(form_);
    form_.LeftPovrch->enabled = false;
    form_.Display->caption.clear();
    // The clocks read from the first frame, through the deal and a computer's
    // first move.
    for (Label* l : {form_.CasCelkem, form_.CasTah, form_.Odpocet}) l->caption = casText(0);
    OdpocetCerveny(false);
}

void GameScreen::frameTick() {
    if (!hra_) return;
    chran([&] { hra_->frameTick(); });
    obnovUkazatel();
}

void GameScreen::podleUkazatele() {
    const Control* c = form_.controlAt(ctx_.app.mouseX(), ctx_.app.mouseY());
    for (const Tlacitko& t : form_.tlacitka)
        if (t.ON->visible && c != t.ON) {
            VypniMenu();
            return;
        }
}

// The picture as the pointer leaves it: with the carried tile, or with the
// game's own pointer, but none while a button that opens a window is held
// (the window shows the system pointer; a painted one would stay frozen).
void GameScreen::obnovUkazatel() {
    if (ctx_.s.VRuce.drzi()) {
        painter_.PrintMyska(ctx_.app.mouseX() - 16, ctx_.app.mouseY() - 16);
        return;
    }
    painter_.PrintPozadi();
    bool okno = false;
    for (const Tlacitko& t : form_.tlacitka) {
        if (t.ON->visible) painter_.tvar(t.tvar + (t.Down->visible ? 2 : 1));
        okno = okno || (!t.horni && t.Down->visible);
    }
    if (okno)
        ctx_.app.flip();
    else
        painter_.kurzor();
}

void GameScreen::HrajZvuk(int n) {
    if (ctx_.s.ZvukyZap && n >= 1 && n <= 9) ctx_.HrajZvuk(n);
}

void GameScreen::ZapniJmeno(int hrac) {
    if (hrac < 1 || hrac > kSeats) return;
    for (Label* l : {form_.Jmeno[hrac], form_.bm[hrac], form_.bc[hrac]})
        l->font.color = Rgb{255, 255, 255};
}

void GameScreen::VypniJmeno(int hrac) {
    if (hrac < 1 || hrac > kSeats) return;
    for (Label* l : {form_.Jmeno[hrac], form_.bm[hrac], form_.bc[hrac]})
        l->font.color = Rgb{128, 128, 128};
}

void GameScreen::prekresli() {
    obnovUkazatel();
}

DialogVolba GameScreen::ChybaPravidlaBox(const ChybaPravidla& c) {
    return okna_.chybaPravidla ? okna_.chybaPravidla(ctx_, c) : DialogVolba::Zavreno;
}

DialogVolba GameScreen::ChybaSlovaBox(const ChybaSlova& c) {
    return okna_.chybaSlova ? okna_.chybaSlova(ctx_, c) : DialogVolba::Zavreno;
}

void GameScreen::ChybaVymenaBox() {
    if (okna_.chybaVymena) okna_.chybaVymena(ctx_);
}

bool GameScreen::KonecHryBox(const Vysledek& v) {
    return okna_.konecHry && okna_.konecHry(ctx_, v);
}

void GameScreen::NastavTitulek(Titulek t, int hrac, const std::string& text) {
    const bool hracuv = hrac >= 1 && hrac <= kSeats;
    Label* l = nullptr;
    switch (t) {
        case Titulek::Display:
            l = form_.Display;
            break;
        case Titulek::CasCelkem:
            l = form_.CasCelkem;
            break;
        case Titulek::CasTah:
            l = form_.CasTah;
            break;
        case Titulek::Odpocet:
            l = form_.Odpocet;
            break;
        case Titulek::Jmeno:
            l = hracuv ? form_.Jmeno[hrac] : nullptr;
            break;
        case Titulek::BodyTah:
            l = hracuv ? form_.bm[hrac] : nullptr;
            break;
        case Titulek::BodyCelkem:
            l = hracuv ? form_.bc[hrac] : nullptr;
            break;
    }
    if (l) l->caption = text;
}

void GameScreen::OdpocetCerveny(bool cerveny) {
    form_.Odpocet->font.color = cerveny ? Rgb{255, 0, 0} : Rgb{255, 255, 255};
}

void GameScreen::UkazHrace(int pocetHracu) {
    for (int p = 1; p <= kSeats; ++p)
        for (Label* l : {form_.Jmeno[p], form_.bm[p], form_.bc[p]}) l->visible = p <= pocetHracu;
    painter_.NactiObrazky();
}

void GameScreen::KurzorNaSlot(int hrac, int slot) {
    const Bod b = polohaNaStojanu(hrac, slot);
    form_.KurzorAno->left = b.x - 5;
    form_.KurzorAno->top = b.y - 5;
    form_.KurzorAno->visible = true;
}

void GameScreen::SkryjKurzor() {
    form_.KurzorAno->visible = false;
}

void GameScreen::UkazKV(bool ukaz) {
    form_.KV->left = form_.KurzorAno->left;
    form_.KV->top = form_.KurzorAno->top;
    form_.KV->visible = ukaz;
    if (!ukaz)
        for (int i = 1; i <= kRack; ++i)
            if (ctx_.s.Zasobnik[ctx_.s.NaTahu][i] == 0) form_.KVs[i]->visible = false;
}

bool GameScreen::OznacenKVymene(int slot) {
    return slot >= 1 && slot <= kRack && form_.KVs[slot]->visible;
}

void GameScreen::ZrusOznaceni(int slot) {
    if (slot >= 1 && slot <= kRack) form_.KVs[slot]->visible = false;
}

void GameScreen::UkazKamen(int tile, bool ukaz) {
    if (tile < 1 || tile > kTiles) return;
    form_.Image[tile]->visible = form_.Image[tile]->enabled = ukaz;
}

void GameScreen::ukazVeSlotu(int hrac, int slot, int tile) {
    const Bod b = polohaNaStojanu(hrac, slot);
    form_.umisti(tile, b.x, b.y, true);
}

void GameScreen::KamenDoSlotu(int hrac, int slot, int tile) {
    ukazVeSlotu(hrac, slot, tile);
}

void GameScreen::KamenyNaStojanu(int hrac) {
    form_.myska->visible = false;
    form_.LeftPovrch->enabled = false;
    int prvni = 0;
    for (int slot = kRack; slot >= 1; --slot)
        if (const int k = ctx_.s.Zasobnik[hrac][slot]) {
            ukazVeSlotu(hrac, slot, k);
            prvni = slot;
        }
    if (prvni) KurzorNaSlot(hrac, prvni);
}

void GameScreen::KamenNaPole(int tile, int x, int y) {
    const Bod b = polohaNaDesce(x, y);
    form_.umisti(tile, b.x, b.y, true);
}

void GameScreen::NastavCasovac(bool zapnut, int interval) {
    FrameTimer& t = ctx_.app.timer();
    if (t.Interval() != interval) t.SetInterval(interval);
    t.SetEnabled(zapnut);
}

void GameScreen::SystemovyKurzor(bool ukaz) {
    ctx_.app.showPointer(ukaz);
}

void GameScreen::SkryjOpanely() {
    for (int i = 1; i <= kRack; ++i) form_.Opanel[i]->visible = false;
}

void GameScreen::DoMenu() {
    VypniProhlizeniPanely(form_);
    if (naMenu)
        naMenu();
    else
        form_.close();
}

void GameScreen::ZapniProhlizeni() {
    ZapniProhlizeniPanely(form_, [this](int, int) {
        VypniMenu();
        painter_.PrintPozadi();
        painter_.kurzor();
    });
    prekresli();
}

// A loaded game's first tick: its board fades in.
void GameScreen::ObnovenaHra() {
    LoadFadeInPismena(ctx_, *this, [this] { painter_.PrintPozadi(); });
}

}  // namespace tb
