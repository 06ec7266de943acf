#include "ui/game/painter.h"

#include <algorithm>

#include "engine/game/tile_positions.h"
#include "engine/game/tiles.h"
#include "files/text.h"
#include "platform/draw.h"

namespace tb {
namespace {
const Rgb kZlata{240, 200, 96}, kSvetla{236, 228, 204}, kChyba{255, 150, 120};

// What the rule of each error code forbids, as the preview names it.
const char* duvod(int kod) {
    switch (kod) {
        case 1:
            return "Samotné písmeno";
        case 2:
            return "Krátké slovo";
        case 3:
            return "Slovo nenavazuje";
        default:
            return "Neprochází středem";
    }
}

constexpr int kPovrch1 = 0, kKurzorA = 1, kKurzorV = 2, kKV = 3, kMys = 4, kMysStin = 5, kCAS = 6;
}  // namespace

GamePainter::GamePainter(Application& app, ImageLists& obrazky, GameForm& form, const GameState& s)
    : app_(app),
      obrazky_(obrazky),
      f_(form),
      s_(s) {}

// The game's pictures are read when the game screen first needs them, so
// the menu comes up without waiting for them.
ImageList& GamePainter::pozadi() {
    if (!pozadi_) pozadi_ = &obrazky_.get("DXImageList1");
    return *pozadi_;
}

ImageList& GamePainter::menu() {
    if (!menu_) menu_ = &obrazky_.get("Form1.DXMenu");
    return *menu_;
}

void GamePainter::nactiPismena() {
    ImageList& pismena = obrazky_.get("DXPismeno");
    pismena_.clear();
    for (int n = 1; n <= kTiles; ++n) {
        const Picture& p = pismena[letterCodeOfTile(n) - 1];
        pismena_.add("Image" + std::to_string(n), p.bitmap(), p.transparent(), p.key());
    }
    // The back of a tile: its shape, dark wood inside a golden edge.
    const Picture& vzor = pismena_[0];
    Bitmap rub = vzor.bitmap();
    fillRect(rub, Rect{1, 1, rub.width() - 2, rub.height() - 3}, Rgb{196, 160, 84});
    fillRect(rub, Rect{3, 3, rub.width() - 6, rub.height() - 7}, Rgb{104, 62, 30});
    fillRect(rub, Rect{rub.width() / 2 - 4, rub.height() / 2 - 5, 8, 8}, Rgb{196, 160, 84});
    pismena_.add("Rub", std::move(rub), vzor.transparent(), vzor.key());
}

const Picture& GamePainter::obrazKamene(int tile, bool zeSkryteho) {
    const int p = s_.Kameny[tile].Vlastnik;
    const bool naStojanu = p >= 1 && p <= kSeats;
    if (skryty && (zeSkryteho || (naStojanu && skryty(p)))) return pismena_[kTiles];
    return pismena_[tile - 1];
}

void GamePainter::NactiObrazky() {
    ImageList& form = obrazky_.get("Form1");
    auto obr = [&](const char* jmeno) -> const Picture& { return form[form.find(jmeno)]; };
    auto poloha = [&](const char* jmeno) {
        const ManifestEntry& e = obrazky_.manifest().item("Form1", jmeno);
        return Bod{e.x.value_or(0), e.y.value_or(0)};
    };
    Bitmap BackGnd1 = obr("Pozadi").bitmap();
    const Bod deska = poloha("HraciPlocha");
    copyOpaque(BackGnd1, deska.x, deska.y, obr("HraciPlocha").bitmap());
    auto panel = [&](const char* jmeno, const char* maska) {
        const Bod b = poloha(jmeno);
        rasterOp(BackGnd1, b.x, b.y, obr(maska).bitmap(), RasterOp::And);
        rasterOp(BackGnd1, b.x, b.y, obr(jmeno).bitmap(), RasterOp::Or);
    };
    panel("Panel1", "PanelX");
    panel("Panel2", "PanelX");
    if (s_.PocetHracu > 2) panel("Panel3", "PanelY");
    if (s_.PocetHracu > 3) panel("Panel4", "PanelY");
    for (const Tlacitko& t : f_.tlacitka) menu()[t.tvar].draw(BackGnd1, t.OFF->left, t.OFF->top);
    if (s_.PocetHracu > 2) copyOpaque(BackGnd1, 830, 209, obr("Body3").bitmap());
    if (s_.PocetHracu > 3) copyOpaque(BackGnd1, 830, 274, obr("Body4").bitmap());
    pozadi()[kPovrch1].assign(std::move(BackGnd1));
}

void GamePainter::PrintPozadi() {
    pozadi()[kPovrch1].draw(surface(), 0, 0);
    PrintPismena();
    PrintKV();
    if (f_.KurzorAno->visible)
        pozadi()[kKurzorA].draw(surface(), f_.KurzorAno->left, f_.KurzorAno->top);
    if (f_.KV->visible) pozadi()[kKurzorV].draw(surface(), f_.KV->left, f_.KV->top);
}

void GamePainter::PrintPismena() {
    for (int n = 1; n <= kTiles; ++n) {
        const Control& c = *f_.Image[n];
        if (c.visible && n < pismena_.count()) obrazKamene(n).draw(surface(), c.left, c.top);
    }
    PrintLabel();
}

void GamePainter::PrintKV() {
    for (int i = 1; i <= kRack; ++i) {
        const Control& c = *f_.KVs[i];
        if (c.visible) pozadi()[kKV].stretchDraw(surface(), Rect{c.left - 1, c.top, 34, 32});
    }
}

void GamePainter::PrintMyska(int x, int y) {
    pozadi()[kPovrch1].draw(surface(), 0, 0);
    PrintPismena();
    if (f_.KurzorAno->visible)
        pozadi()[kKurzorA].draw(surface(), f_.KurzorAno->left, f_.KurzorAno->top);
    if (const int t = s_.VRuce.kamen; t >= 1 && t <= pismena_.count())
        pismena_[t - 1].draw(surface(), x, y);
    app_.flip();
}

void GamePainter::PrintLabel() {
    const NahledTahu n = nahled ? nahled() : NahledTahu{};
    for (int p = 1; p <= kSeats; ++p) {
        if (!f_.Jmeno[p]->visible) continue;
        CopyLabel(*f_.Jmeno[p], 120);
        const Label& bm = *f_.bm[p];
        if (p == s_.NaTahu && n.druh == NahledTahu::Druh::Platny)
            napis(bm.left, bm.top, Font{bm.font.family, bm.font.size, true, kZlata},
                  "+" + std::to_string(n.body), 40);
        else
            CopyLabel(bm, 40);
        CopyLabel(*f_.bc[p], 60);
    }
    if (n.druh != NahledTahu::Druh::Prazdny) {
        PrintNahled(n);
    } else if (const auto kde = poloha ? poloha() : std::vector<std::string>{}; !kde.empty()) {
        std::vector<std::pair<std::string, std::string>> radky;
        for (const std::string& r : kde) radky.emplace_back(r, "");
        PrintPanel(radky, Font{"Verdana", 12, true, kSvetla}, false);
    }
    CopyLabel(*f_.Display, 79);
    pozadi()[kCAS].draw(surface(), 829, 688);
    CopyLabel(*f_.CasCelkem, 60);
    CopyLabel(*f_.CasTah, 60);
    if (s_.SLimitem) CopyLabel(*f_.Odpocet, 60);
}

void GamePainter::PrintNahled(const NahledTahu& n) {
    std::vector<std::pair<std::string, std::string>> radky;
    Font f{"Verdana", 12, true, kSvetla};
    switch (n.druh) {
        case NahledTahu::Druh::Platny:
            for (size_t i = 0; i < n.slova.size() && i < 3; ++i)
                radky.emplace_back(n.slova[i].first, std::to_string(n.slova[i].second));
            if (n.slova.size() > 3) radky.back() = {utf8ToCp1250("… a další"), ""};
            radky.emplace_back(utf8ToCp1250("Celkem"), std::to_string(n.body));
            break;
        case NahledTahu::Druh::Pravidlo:
            f.color = kChyba;
            radky = {{utf8ToCp1250(duvod(n.kod)), ""}, {"\"" + n.slovo + "\"", ""}};
            break;
        default:
            f.color = kChyba;
            radky = {{utf8ToCp1250("Není ve slovníku:"), ""}, {"\"" + n.slovo + "\"", ""}};
            break;
    }
    PrintPanel(radky, f, n.druh == NahledTahu::Druh::Platny);
}

void GamePainter::PrintPanel(const std::vector<std::pair<std::string, std::string>>& radky,
                             const Font& f, bool posledniZlaty) {
    constexpr int kRadek = 16, kSirka = 150;
    const int x = 838, y = 85 + 65 * s_.PocetHracu - 4;
    const int vyska = kRadek * static_cast<int>(radky.size()) + 8;
    fillRect(surface(), Rect{x - 1, y - 1, kSirka + 2, vyska + 2}, Rgb{150, 118, 58});
    fillRect(surface(), Rect{x, y, kSirka, vyska}, Rgb{14, 40, 30});
    TextPainter& tp = app_.text();
    int ry = y + 4;
    for (size_t i = 0; i < radky.size(); ++i, ry += kRadek) {
        Font rf = f;
        if (posledniZlaty && i + 1 == radky.size()) rf.color = kZlata;
        tp.textOut(surface(), x + 6, ry, rf, radky[i].first);
        const int w = tp.textWidth(rf, radky[i].second);
        if (w > 0) tp.textOut(surface(), x + kSirka - 6 - w, ry, rf, radky[i].second);
    }
}

void GamePainter::CopyLabel(const Label& l, int sirka) {
    napis(l.left, l.top, l.font, l.caption, sirka);
}

void GamePainter::napis(int left, int top, const Font& f, const std::string& text, int sirka) {
    if (text.empty()) return;
    TextPainter& tp = app_.text();
    const int w = tp.textWidth(f, text);
    tp.textOut(surface(), TextPainter::centredLeft(left, sirka, w), top, f, text);
}

void GamePainter::VymazLabel() {
    const Label& d = *f_.Display;
    fillRect(surface(), Rect{d.left, d.top, 79, d.height}, Rgb{0, 0, 0});
}

void GamePainter::kurzor(int x, int y) {
    pozadi()[kMysStin].drawAlpha(surface(), Rect{x - 2, y - 2, 30, 30}, 60);
    pozadi()[kMys].draw(surface(), x, y);
    app_.flip();
}

void GamePainter::kurzor() {
    kurzor(app_.mouseX(), app_.mouseY());
}

void GamePainter::tvar(int index) {
    const Tlacitko& t = f_.tlacitka[index / 3];
    menu()[index].draw(surface(), t.OFF->left, t.OFF->top);
}

}  // namespace tb
