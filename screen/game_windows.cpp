#include "screen/game_windows.h"

#include <algorithm>

#include "ai/computer_player.h"
#include "core/text.h"
#include "screen/modal.h"

namespace tb {
namespace {

const Rgb kPodklad{24, 48, 36}, kTlacitko{70, 110, 80}, kZlata{230, 200, 120};

std::string cp(const char* utf8) {
    return utf8ToCp1250(utf8);
}

DialogVolba volbaChyby(UiContext& ctx, const std::string& nadpis, const std::string& slovo,
                       bool casVyprsel, bool pridat) {
    std::vector<std::string> tlacitka{cp("Vzít zpět")};
    std::vector<DialogVolba> volby{DialogVolba::VzitZpet};
    if (pridat) {
        tlacitka.push_back(cp("Přidat slovo"));
        volby.push_back(DialogVolba::PridatSlovo);
    }
    if (!casVyprsel) {
        tlacitka.push_back(cp("Opravím sám"));
        volby.push_back(DialogVolba::OpravimSam);
    }
    const int i = volbaBox(ctx, nadpis, {slovo}, tlacitka);
    return i >= 1 && i <= static_cast<int>(volby.size()) ? volby[i - 1] : DialogVolba::Zavreno;
}

}  // namespace

int volbaBox(UiContext& ctx, const std::string& nadpis, const std::vector<std::string>& radky,
             const std::vector<std::string>& tlacitka) {
    const int n = static_cast<int>(tlacitka.size());
    const int sirka = std::max(420, 20 + 130 * n);
    const int vyska = 110 + 22 * static_cast<int>(radky.size());
    Window w("TZprava", Rect{(1024 - sirka) / 2, (768 - vyska) / 2, sirka, vyska});
    Label& pozadi = w.add<Label>("Pozadi", Rect{0, 0, sirka, vyska});
    pozadi.brush = kPodklad;
    pozadi.enabled = false;
    Label& titul = w.add<Label>("Nadpis", Rect{10, 12, sirka - 20, 24});
    titul.caption = nadpis;
    titul.font = Font{"Verdana", 16, true, kZlata};
    titul.alignment = Alignment::Center;
    titul.enabled = false;
    for (size_t i = 0; i < radky.size(); ++i) {
        Label& l = w.add<Label>("Radek", Rect{10, 44 + 22 * static_cast<int>(i), sirka - 20, 20});
        l.caption = radky[i];
        l.font = Font{"Verdana", 14, false, Rgb{255, 255, 255}};
        l.alignment = Alignment::Center;
        l.wordWrap = true;
        l.enabled = false;
    }
    for (int i = 0; i < n; ++i) {
        const int x = (sirka - 130 * n) / 2 + 130 * i + 5;
        Label& b = w.add<Label>("Button" + std::to_string(i + 1), Rect{x, vyska - 42, 120, 30});
        b.caption = tlacitka[i];
        b.brush = kTlacitko;
        b.font = Font{"Verdana", 14, true, Rgb{255, 255, 255}};
        b.alignment = Alignment::Center;
        b.onClick = [&w, &ctx, i](Control&) {
            ctx.HrajZvuk(1);
            w.close(i + 1);
        };
    }
    return ukazModalne(ctx, w);
}

HerniOkna herniOkna() {
    HerniOkna o;
    o.chybaPravidla = [](UiContext& ctx, const ChybaPravidla& c) {
        return volbaChyby(ctx, cp("Chyba v tahu"), c.slovo, c.casVyprsel, false);
    };
    o.chybaSlova = [](UiContext& ctx, const ChybaSlova& c) {
        return volbaChyby(ctx, cp("Slovo není ve slovníku"), c.slovo, c.casVyprsel, true);
    };
    o.chybaVymena = [](UiContext& ctx) {
        volbaBox(ctx, cp("Chyba"),
                 {cp("Pro provedení této operace nesmíte mít vyložené žádné písmeno")}, {"OK"});
    };
    o.konecHry = [](UiContext& ctx, const Vysledek& v) {
        std::vector<std::string> radky;
        if (!v.radekVitez.empty()) radky.push_back(v.radekVitez);
        radky.push_back(v.radekDelka);
        return volbaBox(ctx, cp("Konec hry!"), radky, {cp("Konec"), cp("Průběh hry")}) == 2;
    };
    o.tip = [](UiContext& ctx, const TAI& ai) {
        if (ai.PocetKandidatu < 1) {
            volbaBox(ctx, cp("Nejlepší tah"), {cp("Žádný tah")}, {"OK"});
            return 0;
        }
        const Kandidat& k = ai.Kandidati[1];
        const std::string radek = k.Slovo + "  (" + std::to_string(k.Body) + ")";
        return volbaBox(ctx, cp("Nejlepší tah"), {radek}, {cp("Zahrát"), cp("Zavřít")}) == 1 ? 1
                                                                                             : 0;
    };
    o.menuHry = [](UiContext& ctx, const std::function<void(int)>& zeHry) {
        const int obrazovky[] = {-1, -1, 7, 8, 4, 0};
        const int i = volbaBox(ctx, cp("Menu hry"), {},
                               {cp("Zpět do hry"), cp("Uložit hru"), cp("Uložit průběh"),
                                cp("Nastavení"), cp("Konec")});
        if (i >= 2 && i <= 5 && zeHry) zeHry(obrazovky[i]);
    };
    o.chyba = [](UiContext& ctx, const std::string& text) {
        volbaBox(ctx, cp("Chyba"), {text}, {"OK"});
    };
    return o;
}

}  // namespace tb
