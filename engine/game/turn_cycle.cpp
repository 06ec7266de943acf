// The turn cycle: start of a game, end of a move, hand-over, exchange,
// clocks and time limit, end of the game.
#include <utility>

#include "engine/game/bag.h"
#include "engine/game/clock_text.h"
#include "engine/game/hra.h"
#include "engine/game/move.h"
#include "engine/game/scoring.h"
#include "engine/game/tiles.h"
#include "engine/record/replay.h"
#include "engine/record/winner.h"
#include "files/text.h"

namespace tb {
namespace {

bool jePevnyKamen(const GameState& s) {
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y)
            if (s.Pole[x][y].Pevny != 0) return true;
    return false;
}

}  // namespace

Hra::Hra(GameState& s, GameUi& ui, Random& rnd, WordCursor& slovnik, TZapis& zapis)
    : s_(s), ui_(ui), rnd_(rnd), slovnik_(slovnik), zapis_(zapis) {}

void Hra::zapisuj(const std::function<void()>& zapis) {
    try {
        zapis();
    } catch (const FileError&) {
        if (!odlozenaChyba_) odlozenaChyba_ = std::current_exception();
    }
}

void Hra::vstup(const std::function<void()>& akce) {
    ++hloubka_;
    try {
        akce();
    } catch (const std::exception& e) {
        // A write that failed on the way is told here, with what broke off
        // the action, and not later at an unrelated one.
        if (--hloubka_ > 0 || !odlozenaChyba_) throw;
        const std::exception_ptr zapis = std::exchange(odlozenaChyba_, nullptr);
        try {
            std::rethrow_exception(zapis);
        } catch (const FileError& z) {
            throw FileError(std::string(z.what()) + "\n" + e.what());
        }
    } catch (...) {
        if (--hloubka_ == 0) odlozenaChyba_ = nullptr;
        throw;
    }
    if (--hloubka_ == 0 && odlozenaChyba_)
        std::rethrow_exception(std::exchange(odlozenaChyba_, nullptr));
}

void Hra::NastavCasovac(bool zapnut, int interval) {
    zapnut_ = zapnut;
    interval_ = interval;
    ui_.NastavCasovac(zapnut, interval);
}

void Hra::MainInit() {
    rnd_.Randomize();
    for (auto& sloupec : s_.Pole) sloupec.fill(Policko{});
    s_.CisloTahu = 0;  // record 1 is the deal
    s_.PrvniTah = true;
    s_.HlidatLimit = true;
    s_.ZbyvaCasu = s_.LimitTahu;
    s_.SekundHry = s_.SekundTahu = 0;
    s_.VRuce = {};
    rnd_.Randomize();
    s_.NaTahu = rnd_.random(s_.PocetHracu) + 1;
    s_.Vytazeno = 0;
    s_.AktSlot = 1;
    s_.PocetVzdani = 0;
    s_.RezimVymeny = false;
    s_.HrajePC = false;
    InitBodovanePole(s_);
    for (int p = 1; p <= s_.PocetHracu; ++p) {
        s_.Hraci[p].BodyTah = s_.Hraci[p].BodyCelkem = s_.Hraci[p].JePC = 0;
    }
    // The bag, the racks and the last move's text start empty whatever the
    // previous game left, so the shuffle and the initial deal always work.
    s_.Pytel.fill(0);
    for (auto& stojan : s_.Zasobnik) stojan.fill(0);
    for (auto& k : s_.Kameny) {
        k.Vlastnik = 0;
        k.Aktivni = false;
    }
    s_.Rozpis.clear();
    michej(s_, rnd_);
    s_.Rozdano = false;

    ui_.UkazHrace(s_.PocetHracu);
    for (int p = 1; p <= s_.PocetHracu; ++p) {
        ui_.NastavTitulek(Titulek::Jmeno, p, s_.Hraci[p].Jmeno);
        ukazBody(p);
    }
    ui_.ZapniJmeno(s_.NaTahu);
    for (int p = 1; p <= kSeats; ++p) s_.Hraci[p].JePC = s_.VolbaPC[p];
}

void Hra::rozdej() {
    s_.Rozpis.clear();
    for (int naplneno = 0; naplneno < s_.PocetHracu; ++naplneno) {
        // With the last rack the deal is over: the tiles of the seat that
        // began become active as the move comes back to it.
        if (naplneno == s_.PocetHracu - 1) s_.Rozdano = true;
        predej();
        poPredani();
    }
    if (s_.Faze != Phase::NewGame) return;
    s_.CisloTahu = s_.PosledniTah = 1;
    zapisuj([&] { zapis_.ZapisTah(s_); });
}

void Hra::zacni() {
    const Phase zacatek = s_.Faze;
    ui_.SystemovyKurzor(false);
    if (interval_ == 1) NastavCasovac(zapnut_, 1000);
    if (zacatek == Phase::NewGame) MainInit();
    rozdej();
    if (zacatek == Phase::LoadedGame) {
        ui_.ObnovenaHra();
        s_.Faze = Phase::Play;
    } else if (zacatek == Phase::LoadedRecord) {
        s_.Faze = Phase::Browse;
        NastavCasovac(false, interval_);
    } else {
        s_.Faze = Phase::Play;
    }
    s_.AktSlot = 1;
    ui_.KurzorNaSlot(s_.NaTahu, 1);
    ui_.prekresli();
    if (s_.Hraci[s_.NaTahu].JePC != 0) tahPC();
}

void Hra::ukazBody(int hrac) {
    ui_.NastavTitulek(Titulek::BodyTah, hrac, std::to_string(s_.Hraci[hrac].BodyTah));
    ui_.NastavTitulek(Titulek::BodyCelkem, hrac, std::to_string(s_.Hraci[hrac].BodyCelkem));
}

void Hra::kurzorNaPrvni() {
    for (int slot = 1; slot <= kRack; ++slot)
        if (s_.Zasobnik[s_.NaTahu][slot] != 0) {
            s_.AktSlot = slot;
            ui_.KurzorNaSlot(s_.NaTahu, slot);
            return;
        }
}

void Hra::tahPC() {
    s_.HrajePC = true;
    ui_.NastavTitulek(Titulek::Display, 0, "Hraje PC!");
    if (pc_)
        pc_->JedPC();
    else
        prehod();  // no computer player yet: the seat passes
    ui_.NastavTitulek(Titulek::Display, 0, "");
}

void Hra::frameTick() {
    if (interval_ == 0 || !zapnut_) return;
    vstup([&] {
        if (s_.Faze == Phase::NewGame || nahranaHra(s_)) zacni();
        ++s_.SekundHry;
        ++s_.SekundTahu;
        if (s_.SLimitem) {
            if (s_.ZbyvaCasu > 0) {
                --s_.ZbyvaCasu;
            } else if (s_.VRuce.drzi() || s_.RezimVymeny) {
                ui_.OdpocetCerveny(true);  // the move cannot end while a tile is carried
            } else if (s_.HlidatLimit) {
                ui_.OdpocetCerveny(false);
                s_.HlidatLimit = false;
                PrintTime();
                prehod();
            }
        }
        PrintTime();
    });
}

void Hra::PrintTime() {
    ui_.NastavTitulek(Titulek::CasCelkem, 0, casText(s_.SekundHry));
    ui_.NastavTitulek(Titulek::CasTah, 0, casText(s_.SekundTahu));
    if (s_.SLimitem) ui_.NastavTitulek(Titulek::Odpocet, 0, casText(s_.ZbyvaCasu));
}

void Hra::PrehazujClick() {
    ui_.HrajZvuk(1);
    if (!s_.VRuce.drzi()) prehod();
}

void Hra::prehod() {
    vstup([&] { prehodVnitrni(); });
}

void Hra::prehodVnitrni() {
    if (Test() && !s_.RezimVymeny && SlovoExistuje()) {
        Oboduj(s_);
        for (int p = 1; p <= s_.PocetHracu; ++p) ukazBody(p);
        for (int x = 1; x <= kBoard; ++x)
            for (int y = 1; y <= kBoard; ++y) {
                auto& c = s_.Pole[x][y];
                if (c.Novy == 0) continue;
                s_.Kameny[c.Novy].Aktivni = false;
                c.Pevny = c.Novy;
                c.Novy = 0;
            }
        next();
        kurzorNaPrvni();
        ui_.prekresli();
        if (s_.Hraci[s_.NaTahu].JePC != 0)
            tahPC();
        else
            s_.HrajePC = false;
    }
    ui_.prekresli();
}

void Hra::predej() {
    ui_.SkryjOpanely();
    dalsi(s_, ui_);
    ui_.VypniJmeno(s_.NaTahu);
    s_.NaTahu = s_.NaTahu % s_.PocetHracu + 1;
}

void Hra::next() {
    predej();
    if (s_.Faze != Phase::Browse) {
        ++s_.CisloTahu;
        s_.PosledniTah = s_.CisloTahu;
    }
    zapisuj([&] { zapis_.ZapisTah(s_); });
    if (s_.Rozpis.empty()) {
        ++s_.PocetVzdani;
    } else {
        s_.PocetVzdani = 0;
        s_.Rozpis.clear();
    }
    const int q = s_.NaTahu == 1 ? s_.PocetHracu : s_.NaTahu - 1;
    bool prazdny = true;
    for (int slot = 1; slot <= kRack; ++slot) prazdny = prazdny && s_.Zasobnik[q][slot] == 0;
    if (s_.PocetVzdani == 2 * s_.PocetHracu && !s_.PrvniTah)
        TiskniKonec(0);
    else if (prazdny && !s_.PrvniTah)
        TiskniKonec(q);
    poPredani();
}

void Hra::poPredani() {
    ui_.ZapniJmeno(s_.NaTahu);
    if (s_.Faze == Phase::Play) ui_.PredaniTahu(s_.NaTahu);
    s_.SekundTahu = 0;
    if (s_.SLimitem) {
        s_.ZbyvaCasu = s_.LimitTahu;
        s_.HlidatLimit = true;
    }
    if (s_.PrvniTah && jePevnyKamen(s_)) s_.PrvniTah = false;
    if (s_.Rozdano)
        for (int slot = 1; slot <= kRack; ++slot)
            if (const int t = s_.Zasobnik[s_.NaTahu][slot]; t != 0) s_.Kameny[t].Aktivni = true;
    hlidejKameny(s_, "the hand-over");
}

void Hra::VymenitClick() {
    vstup([&] { vymena(); });
}

void Hra::vymena() {
    if (s_.VRuce.drzi() || s_.Vytazeno == kTiles) return;
    ui_.HrajZvuk(1);
    if (!s_.RezimVymeny) {
        if (jeNovyKamen(s_)) {
            ui_.ChybaVymenaBox();
            return;
        }
        s_.RezimVymeny = true;
        ui_.SkryjKurzor();
        ui_.UkazKV(true);
        return;
    }
    ui_.UkazKV(false);
    bool oznaceno = false;
    for (int slot = 1; slot <= kRack; ++slot)
        oznaceno = oznaceno || (ui_.OznacenKVymene(slot) && s_.Zasobnik[s_.NaTahu][slot] != 0);
    if (!oznaceno) {
        s_.RezimVymeny = false;
        ui_.KurzorNaSlot(s_.NaTahu, s_.AktSlot);
        return;
    }
    vymen([&](int slot) { return ui_.OznacenKVymene(slot); });
}

void Hra::vymen(const std::function<bool(int slot)>& vybrany) {
    s_.Rozpis = utf8ToCp1250("Výměna:");
    for (int slot = 1; slot <= kRack; ++slot) {
        const int t = s_.Zasobnik[s_.NaTahu][slot];
        if (t == 0 || !vybrany(slot)) continue;
        ui_.ZrusOznaceni(slot);
        ui_.UkazKamen(t, false);
        s_.Rozpis += s_.Kameny[t].Pismeno + ",";
        vymenKamen(s_, rnd_, ui_, slot);
    }
    s_.RezimVymeny = false;
    prehod();
}

void Hra::TiskniKonec(int vitez) {
    ui_.NastavTitulek(Titulek::Display, 0, "Konec hry!");
    ui_.prekresli();
    int celkem = 0;
    Arr1<int, kSeats> srazky{}, bonusy{};
    int p = s_.NaTahu;
    for (int i = 0; i < s_.PocetHracu; ++i) {
        int soucet = 0;
        for (int slot = 1; slot <= kRack; ++slot) {
            const int t = s_.Zasobnik[p][slot];
            if (t == 0) continue;
            soucet += s_.Kameny[t].Hodnota;
            s_.Hraci[p].BodyCelkem -= s_.Kameny[t].Hodnota;
            ui_.UkazKamen(t, false);
            ui_.NastavTitulek(Titulek::BodyCelkem, p, std::to_string(s_.Hraci[p].BodyCelkem));
            ui_.prekresli();
        }
        if (soucet != 0) zapisuj([&] { zapis_.ZapisBonus(false, soucet, p); });
        srazky[p] = soucet;
        celkem += soucet;
        p = p % s_.PocetHracu + 1;
    }
    if (vitez != 0) {
        s_.Hraci[vitez].BodyCelkem += celkem;
        bonusy[vitez] = celkem;
        ui_.NastavTitulek(Titulek::BodyCelkem, vitez, std::to_string(s_.Hraci[vitez].BodyCelkem));
        zapisuj([&] { zapis_.ZapisBonus(true, celkem, vitez); });
        ui_.prekresli();
    }
    zapisuj([&] { zapis_.ZapisKonec(s_); });
    ui_.Pockej(1000);
    ui_.NastavTitulek(Titulek::Display, 0, "");
    ui_.prekresli();

    Vysledek v = vysledekHry(s_, casText(s_.SekundHry));
    v.tabulka = tabulkaVysledku(s_, srazky, bonusy);
    const bool prohlizet = ui_.KonecHryBox(v);
    for (int h = 1; h <= kSeats; ++h) s_.Hraci[h].JePC = 0;
    if (prohlizet) {
        prohlizej();
        return;
    }
    s_.Faze = Phase::Menu;
    NastavCasovac(true, 0);
    ui_.DoMenu();
    ui_.SystemovyKurzor(true);
}

void Hra::prohlizej() {
    s_.Faze = Phase::Browse;
    NastavCasovac(false, interval_);
    s_.CisloTahu = 1;
    PrehodTah(s_, ui_, zapis_);
    ui_.ZapniProhlizeni();
}

}  // namespace tb
