#include "soak/random_input.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "app/game_app.h"
#include "files/text.h"

namespace tb::test {
namespace {

constexpr int kSirka = 1024, kVyska = 768;

// Picks an index by weight.
template <class Gen>
int podleVah(Gen&& nahoda, std::initializer_list<int> vahy) {
    int soucet = 0;
    for (int v : vahy) soucet += v;
    int r = nahoda(soucet), i = 0;
    for (int v : vahy) {
        if (r < v) return i;
        r -= v;
        ++i;
    }
    return i - 1;
}

bool pouzitelny(const Control& c) {
    return c.visible && c.enabled && c.width > 0 && c.height > 0;
}

}  // namespace

Bod NahodnyVstup::bodV(Rect r) {
    return {r.x + nahoda(std::max(r.w, 1)), r.y + nahoda(std::max(r.h, 1))};
}

// Menu screens: mostly their buttons from the hit table, the name and word
// boxes where they show.
Bod NahodnyVstup::vMenu(HerniAplikace& hra) {
    TMainMenu& m = hra.menu();
    const auto& r = TMainMenu::Recty();
    std::vector<Rect> cile;
    auto pridej = [&](int od, int po, int kolikrat = 1) {
        for (int k = 0; k < kolikrat; ++k)
            for (int i = od; i <= po; ++i) cile.push_back(r[i]);
    };
    switch (m.MenuObrazovka) {
        case kMenuHlavni:
            pridej(1, 1, 8);  // a new game most often: that is where the play is
            pridej(2, 5, 2);
            if (sance(3)) pridej(6, 6);  // Exit ends the session, now and then
            break;
        case kMenuNova:
            pridej(7, 12);
            pridej(13, 13, 4);
            pridej(14, 14);
            pridej(27, 30, 2);
            for (int p = 1; p <= kSeats; ++p)
                if (m.MJmeno(p).visible) cile.push_back(m.MJmeno(p).bounds());
            break;
        case kMenuNacti:
        case kMenuNactiPrubeh:
        case kMenuUloz:
        case kMenuUlozPrubeh:
            pridej(17, 26);
            pridej(15, 15, 4);
            pridej(16, 16, 2);
            break;
        case kMenuNastaveni:
            pridej(31, 32, 2);
            pridej(33, 33, 2);
            for (const Control* c :
                 {static_cast<Control*>(&m.SlovnikO()), static_cast<Control*>(&m.DBListBox1())})
                if (c->visible) cile.insert(cile.end(), 3, c->bounds());
            break;
        case kMenuInfo:
            pridej(34, 36);
            pridej(35, 35);
            break;
        default:
            break;
    }
    if (cile.empty() || sance(12)) return {nahoda(kSirka), nahoda(kVyska)};
    return bodV(cile[nahoda(static_cast<int>(cile.size()))]);
}

// The game screen: rack slots of the player on move, board squares, the
// nine buttons, exchange marks, any tile, anywhere.
Bod NahodnyVstup::veHre(HerniAplikace& hra) {
    const GameState& s = hra.stav();
    GameForm& f = hra.screen().form();
    auto kolem = [&](Bod b) { return Bod{b.x + mezi(2, 30), b.y + mezi(2, 30)}; };
    const int volba = podleVah([&](int n) { return nahoda(n); }, {28, 27, 20, 5, 5, 15});
    switch (volba) {
        case 0: {
            const int hrac = s.NaTahu;
            if (hrac >= 1 && hrac <= kSeats) return kolem(polohaNaStojanu(hrac, mezi(1, kRack)));
            break;
        }
        case 1:
            if (sance(50)) return kolem(polohaNaDesce(mezi(5, 11), mezi(5, 11)));
            return kolem(polohaNaDesce(mezi(1, kBoard), mezi(1, kBoard)));
        case 2: {
            const int i = podleVah([&](int n) { return nahoda(n); }, {45, 12, 8, 8, 6, 6, 6, 6, 8});
            return bodV(f.tlacitka[i].OFF->bounds());
        }
        case 3:
        case 4: {
            // An exchange mark, or any tile that shows.
            std::vector<Rect> cile;
            for (int i = 1; i <= kTiles; ++i) {
                const Control* c = volba == 3 ? (i <= kRack ? f.KVs[i] : nullptr) : f.Image[i];
                if (c && pouzitelny(*c)) cile.push_back(c->bounds());
            }
            if (!cile.empty()) return bodV(cile[nahoda(static_cast<int>(cile.size()))]);
            break;
        }
        default:
            break;
    }
    return vOkne(f);
}

// A window: its usable controls (not the background over all of it), a
// point inside it, now and then anywhere.
Bod NahodnyVstup::vOkne(const Window& w) {
    // Controls that answer the mouse (buttons, boxes) are worth more tries
    // than plain texts and pictures.
    std::vector<Rect> cile;
    for (const Control* c : w.controls()) {
        if (!pouzitelny(*c) || c->width * c->height >= w.bounds.w * w.bounds.h / 2) continue;
        // A text that only puts out the lit faces is no button.
        const bool odpovida = c->onClick || c->onMouseDown || c->focusable() ||
                              (c->onMouseMove && !dynamic_cast<const Label*>(c));
        cile.insert(cile.end(), odpovida ? 8 : 1,
                    Rect{w.bounds.x + c->left, w.bounds.y + c->top, c->width, c->height});
    }
    if (sance(5)) return {mezi(-4, kSirka + 4), mezi(-4, kVyska + 4)};
    if (cile.empty() || sance(15)) return bodV(w.bounds);
    return bodV(cile[nahoda(static_cast<int>(cile.size()))]);
}

Bod NahodnyVstup::kamKliknout(HerniAplikace& hra) {
    Application& app = hra.ctx().app;
    Window* top = app.top();
    if (top && top != &hra.screen().form()) return vOkne(*top);
    if (hra.stav().Faze == Phase::Intro) return {nahoda(kSirka), nahoda(kVyska)};
    if (app.timer().Interval() == 0) return vMenu(hra);
    return veHre(hra);
}

void NahodnyVstup::klavesa(HerniAplikace& hra) {
    const bool intro = hra.stav().Faze == Phase::Intro;
    const bool hlavniMenu = hra.ctx().app.top() == &hra.screen().form() &&
                            hra.ctx().app.timer().Interval() == 0 &&
                            hra.menu().MenuObrazovka == kMenuHlavni;
    // Esc on the main menu ends the application: rare there, so sessions last.
    const int esc = intro ? 400 : hlavniMenu ? 1 : 30;
    static const std::string pismena =
        utf8ToCp1250("aábcčdďeéěfghiíjklmnňoóprřsštťuůúvyýzžAKZ09 .-");
    auto klav = [&](int k) { fronta_.push_back({EventKind::KeyPress, 0, 0, 1, k}); };
    switch (podleVah([&](int n) { return nahoda(n); }, {esc, 60, 60, 15, 400, 50, 2})) {
        case 0:
            return klav(27);
        case 1:
            return klav(13);
        case 2:
            return klav(8);
        case 3:
            return klav('\\');
        case 4:
            return klav(
                static_cast<unsigned char>(pismena[nahoda(static_cast<int>(pismena.size()))]));
        case 5: {
            static const int specialni[] = {kKeyUp,       kKeyDown, kKeyPageUp,
                                            kKeyPageDown, kKeyHome, kKeyEnd};
            fronta_.push_back({EventKind::KeyDown, 0, 0, 1, specialni[nahoda(6)]});
            return;
        }
        default:
            fronta_.push_back({EventKind::KeyDown, 0, 0, 1, kKeyF11});
    }
}

bool NahodnyVstup::polozRadu(HerniAplikace& hra) {
    const GameState& s = hra.stav();
    Application& app = hra.ctx().app;
    if (app.top() != &hra.screen().form() || app.timer().Interval() != 1000 ||
        s.Faze == Phase::Browse || s.VRuce.drzi() || s.RezimVymeny || s.NaTahu < 1 ||
        s.NaTahu > kSeats)
        return false;
    std::vector<int> sloty;
    for (int slot = 1; slot <= kRack; ++slot)
        if (s.Zasobnik[s.NaTahu][slot] != 0) sloty.push_back(slot);
    std::shuffle(sloty.begin(), sloty.end(), rng_);
    sloty.resize(std::min<size_t>(sloty.size(), mezi(2, 4)));
    if (sloty.size() < 2) return false;
    const int k = static_cast<int>(sloty.size());
    auto volno = [&](int x, int y) {
        return x >= 1 && x <= kBoard && y >= 1 && y <= kBoard && s.Pole[x][y].Pevny == 0 &&
               s.Pole[x][y].Novy == 0;
    };
    std::vector<std::pair<int, int>> pevne;
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y)
            if (s.Pole[x][y].Pevny) pevne.push_back({x, y});
    int x0 = 8 - nahoda(k), y0 = 8, dx = 1, dy = 0;
    if (sance(50)) std::swap(x0, y0), std::swap(dx, dy);
    if (!pevne.empty()) {
        // On from a fixed tile: the cells after it in one direction.
        const auto [px, py] = pevne[nahoda(static_cast<int>(pevne.size()))];
        const bool vodorovne = sance(50);
        dx = vodorovne, dy = !vodorovne;
        x0 = px + dx, y0 = py + dy;
    }
    for (int i = 0; i < k; ++i)
        if (!volno(x0 + i * dx, y0 + i * dy)) return false;
    for (int i = 0; i < k; ++i) {
        klik({polohaNaStojanu(s.NaTahu, sloty[i]).x + 16,
              polohaNaStojanu(s.NaTahu, sloty[i]).y + 16});
        klik({polohaNaDesce(x0 + i * dx, y0 + i * dy).x + 16,
              polohaNaDesce(x0 + i * dx, y0 + i * dy).y + 16});
    }
    const Control& next = *hra.screen().form().tlacitka[kNext].OFF;
    klik({next.left + next.width / 2, next.top + next.height - 8});
    return true;
}

void NahodnyVstup::gesto(HerniAplikace& hra) {
    if (sance(15) && polozRadu(hra)) return;
    switch (podleVah([&](int n) { return nahoda(n); }, {38, 18, 8, 4, 3, 2, 2, 25})) {
        case 0:
            return klik(kamKliknout(hra));
        case 1:
            return tah(EventKind::MouseMove, kamKliknout(hra));
        case 2: {  // drag: pressed here, released there
            const Bod a = kamKliknout(hra), b = kamKliknout(hra);
            tah(EventKind::MouseMove, a);
            tah(EventKind::MouseDown, a);
            tah(EventKind::MouseMove, {(a.x + b.x) / 2, (a.y + b.y) / 2});
            tah(EventKind::MouseMove, b);
            tah(EventKind::MouseUp, b);
            return;
        }
        case 3: {  // a lone press or release
            tah(sance(50) ? EventKind::MouseDown : EventKind::MouseUp, kamKliknout(hra));
            return;
        }
        case 4: {  // double click
            const Bod b = kamKliknout(hra);
            for (int i = 0; i < 2; ++i) tah(EventKind::MouseDown, b), tah(EventKind::MouseUp, b);
            return;
        }
        case 5: {  // the other buttons
            const Bod b = kamKliknout(hra);
            const int t = sance(70) ? 3 : 2;
            tah(EventKind::MouseDown, b, t);
            tah(EventKind::MouseUp, b, t);
            return;
        }
        case 6: {
            const Bod b = kamKliknout(hra);
            fronta_.push_back({EventKind::Wheel, b.x, b.y, 1, 0, sance(50) ? 1 : -1});
            return;
        }
        default:
            return klavesa(hra);
    }
}

Event NahodnyVstup::dalsi(HerniAplikace& hra) {
    if (fronta_.empty()) gesto(hra);
    const Event e = fronta_.front();
    fronta_.pop_front();
    return e;
}

uint32_t NahodnyVstup::prodleva(HerniAplikace& hra) {
    // Mid-gesture the hand goes on at once.
    if (!fronta_.empty() || sance(84)) return 0;
    const bool hra_bezi = hra.ctx().app.timer().Interval() == 1000;
    if (sance(85)) return mezi(20, 1500);
    // Long rests only in play, where they let the clocks and the time limit
    // run; the menus would draw frames all the while.
    if (!hra_bezi || sance(80)) return mezi(1500, 5000);
    return mezi(5000, 200000);
}

}  // namespace tb::test
