#include "ui/windows/game_windows.h"

#include <algorithm>

#include "files/text.h"
#include "ui/windows/exchange_refused_dialog.h"
#include "ui/windows/game_menu_dialog.h"
#include "ui/windows/hint_dialog.h"
#include "ui/windows/letters_table_window.h"
#include "ui/windows/modal.h"
#include "ui/windows/move_list_window.h"
#include "ui/windows/results_window.h"
#include "ui/windows/rule_error_dialog.h"
#include "ui/windows/word_error_dialog.h"
#include "ui/windows/word_test_dialog.h"

namespace tb {
namespace {

const Rgb kPodklad{24, 48, 36}, kTlacitko{70, 110, 80}, kZlata{230, 200, 120};

std::string cp(const char* utf8) {
    return utf8ToCp1250(utf8);
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

namespace {

// A window of its own, opened in the game's modal manner.
template <class F>
auto modalne(F otevri) {
    return [otevri](UiContext& ctx, const auto&... args) {
        ModalniRezim rezim(ctx);
        return otevri(ctx, args...);
    };
}

}  // namespace

HerniOkna herniOkna() {
    HerniOkna o;
    o.chybaPravidla = modalne(showRuleErrorBox);
    o.chybaSlova = modalne(showWordErrorDialog);
    o.chybaVymena = modalne(showExchangeRefused);
    o.konecHry = modalne(showResultsScreen);
    o.testSlova = modalne(showWordTestDialog);
    o.prubehHry = modalne(showMoveList);
    o.tip = modalne([](UiContext& ctx, const TAI& ai, const NejlepsiTahy& nejlepsi) {
        return showHintDialog(ctx, ai, nejlepsi);
    });
    o.poctyPismen = modalne(showLettersTable);
    o.menuHry = [](UiContext& ctx, const std::function<void(int)>& zeHry) {
        ModalniRezim rezim(ctx);
        auto na = [&zeHry](int obrazovka) {
            return [&zeHry, obrazovka] {
                if (zeHry) zeHry(obrazovka);
            };
        };
        showGameMenu(ctx, HerniMenuAkce{{}, na(7), na(8), na(4), na(0)});
    };
    auto radky = [](const std::string& text) {
        std::vector<std::string> out;
        for (size_t i = 0; i <= text.size();) {
            const size_t konec = std::min(text.find('\n', i), text.size());
            out.push_back(utf8ToCp1250(text.substr(i, konec - i)));
            i = konec + 1;
        }
        return out;
    };
    o.chyba = [radky](UiContext& ctx, const std::string& text) {
        volbaBox(ctx, cp("Chyba"), radky(text), {"OK"});
    };
    o.otazka = [radky](UiContext& ctx, const std::string& text) {
        return volbaBox(ctx, cp("Otázka"), radky(text), {"Ano", "Ne"}) == 1;
    };
    return o;
}

}  // namespace tb
