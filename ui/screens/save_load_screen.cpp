// The save and load screens of games (2, 7) and of game records (3, 8): ten
// slots, the summary of the chosen one, OK and Storno.

#include "engine/game/clock_text.h"
#include "engine/record/replay.h"
#include "engine/saves/game_record_slot.h"
#include "engine/saves/saved_game.h"
#include "engine/saves/slot_files.h"
#include "files/text.h"
#include "platform/controls.h"
#include "platform/draw.h"
#include "ui/screens/main_menu_screen.h"

namespace tb {

void TMainMenu::SaveLoadPrint() {
    ImageList& sal = obr("DXSaL");
    ImageList& zbytek = obr("DXZbytek");
    switch (MenuObrazovka) {
        case kMenuUloz:
            sal[0].draw(plocha(), 395, 140);
            break;
        case kMenuNacti:
            zbytek[15].draw(plocha(), 385, 140);
            break;
        case kMenuUlozPrubeh:
            zbytek[14].draw(plocha(), 355, 145);
            break;
        default:
            zbytek[16].draw(plocha(), 350, 143);
            break;
    }
    zbytek[9].draw(plocha(), 448, 240);
    zbytek[10].draw(plocha(), 448, 240);
    zbytek[11].draw(plocha(), 757, 240);
    zbytek[12].draw(plocha(), 448, 549);
    fillRect(plocha(), Rect{457, 249, 299, 299}, Rgb{});
    text(555, 260, 18, "Pozice " + std::to_string(VybranaPozice) + ".");
    if (hlavicka_.PraznaPozice) {
        text(510, 330, 24, "Prázdná pozice");
    } else if (hlavicka_.Necitelna) {
        text(505, 330, 24, "Nečitelná pozice");
    } else {
        const SlotHeader& h = hlavicka_;
        const std::pair<const char*, std::string> radky[] = {{"Datum :", h.HlavDatum},
                                                             {"Odehráno tahů :", h.HlavTahu},
                                                             {"Délka hry :", h.HlavCas},
                                                             {"Počet hráčů :", h.HlavHracu}};
        int y = 300;
        for (const auto& [popis, hodnota] : radky) {
            text(470, y, 18, popis);
            text(630, y, 18, cp1250ToUtf8(hodnota));
            y += 30;
        }
        for (int i = 1; i <= h.pocetJmen; ++i)
            text(470, 390 + 30 * i, 18,
                 "Jméno " + std::to_string(i) + ". hráče : " + cp1250ToUtf8(h.HlavJmena[i]));
    }
    SavePozice();
    SaveTlacitka();
    if (vMenu()) zbytek[13].draw(plocha(), ZnackaX, ZnackaY);
}

void TMainMenu::SavePozice() {
    ImageList& sal = obr("DXSaL");
    for (int n = 1; n <= 10; ++n) {
        const Rect& r = Recty()[16 + n];
        const bool nad = uvnitr(16 + n);
        sal[nad ? 2 * n + 6 : 2 * n + 5].draw(plocha(), r.x, r.y);
        if (!nad || !Stisk || !Klik) continue;
        ZnackaX = r.x - 3;
        ZnackaY = r.y - 3;
        VybranaPozice = n;
        hlavicka_ = NactiSaveData(h_.ctx.user, n, slotyZaznamu());
        Klik = false;
        h_.ctx.HrajZvuk(1);
    }
}

void TMainMenu::SaveTlacitka() {
    ImageList& sal = obr("DXSaL");
    const Stav ok = tlacitko(15, sal, 1, 2, 3);
    const Stav storno = tlacitko(16, sal, 4, 5, 6);
    const bool okDrzen = ok >= kDrzeno;
    const bool stornoDrzen = storno >= kDrzeno;
    GameState& s = h_.ctx.s;
    const int o = MenuObrazovka;
    if (stornoDrzen && (o == kMenuNacti || o == kMenuNactiPrubeh)) {
        MenuVolba = kMenuHlavni;
    } else if (okDrzen && (o == kMenuUloz || o == kMenuUlozPrubeh) && !prepsatNecitelnou()) {
        Stisk = Klik = false;
    } else if (okDrzen && o == kMenuUloz) {
        // The unfinished move's tiles go back to the rack before the save,
        // on the screen as well, whether or not the save then succeeds.
        if (!vratNoveKameny(s).empty()) h_.hra.ui().KamenyNaStojanu(s.NaTahu);
        bezpecne([&] {
            SaveAndExit(s, h_.ctx.user, VybranaPozice, dnesniDatum());
            zpetDoHry(true);
        });
    } else if (okDrzen && o == kMenuUlozPrubeh) {
        bezpecne([&] {
            // The game's length is what the total-time clock shows: while a
            // record is viewed it holds the finished game's length, not the
            // clock of the position on the board.
            std::string delka = casText(s.SekundHry);
            if (const auto* l = dynamic_cast<const Label*>(h_.form.find("CasCelkem")))
                if (!l->caption.empty()) delka = l->caption;
            SavePr(s, h_.ctx.user, VybranaPozice, dnesniDatum(), delka);
            zpetDoHry(false);
        });
    } else if (okDrzen && o == kMenuNacti && !hlavicka_.PraznaPozice) {
        bezpecne([&] { LoadGameNow(); });
    } else if (okDrzen && o == kMenuNactiPrubeh && !hlavicka_.PraznaPozice) {
        bezpecne([&] { LoadPrNow(); });
    } else if (stornoDrzen && (o == kMenuUloz || o == kMenuUlozPrubeh)) {
        zpetDoHry(o == kMenuUloz);
    }
}

bool TMainMenu::prepsatNecitelnou() {
    if (!hlavicka_.Necitelna) return true;
    // What cannot be read may still be the player's: it goes only when he says so.
    const bool ano = h_.potvrd && h_.potvrd("Pozici " + std::to_string(VybranaPozice) +
                                            " nelze přečíst. Opravdu ji přepsat?");
    Stisk = Klik = false;
    return ano;
}

void TMainMenu::LoadGameNow() {
    nahrajSlot([this](GameState& s) { LoadGame(s, h_.ctx.user, VybranaPozice); },
               [](GameState& s, GameUi& ui) {
                   for (int p = 1; p <= kSeats; ++p) {
                       ui.NastavTitulek(Titulek::BodyCelkem, p,
                                        std::to_string(s.Hraci[p].BodyCelkem));
                       ui.NastavTitulek(Titulek::BodyTah, p, "0");
                   }
               });
}

void TMainMenu::LoadPrNow() {
    nahrajSlot([this](GameState& s) { LoadPr(s, h_.ctx.user, VybranaPozice); },
               [this](GameState& s, GameUi& ui) {
                   PrehodTah(s, ui, h_.hra.zapis());
                   ui.ZapniProhlizeni();
               });
}

void TMainMenu::nahrajSlot(const std::function<void(GameState&)>& nacti,
                           const std::function<void(GameState&, GameUi&)>& ukaz) {
    GameState& s = h_.ctx.s;
    nacti(s);
    if (h_.novaHra) h_.novaHra();
    GameUi& ui = h_.hra.ui();
    ui.UkazHrace(s.PocetHracu);
    // Both kinds of slot carry the names: none of the previous game stays.
    for (int p = 1; p <= kSeats; ++p) ui.NastavTitulek(Titulek::Jmeno, p, s.Hraci[p].Jmeno);
    ukaz(s, ui);
    if (h_.NactiObrazky) h_.NactiObrazky();
    predejHre();
    h_.hra.NastavCasovac(true, 1);
}

}  // namespace tb
