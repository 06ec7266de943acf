#include "ui/screens/main_menu_screen.h"

#include <cmath>
#include <cstdlib>
#include <exception>
#include <utility>

#include "files/file_lines.h"
#include "files/text.h"
#include "platform/draw.h"
#include "ui/screens/intro_screen.h"

namespace tb {
namespace {

constexpr int kParkX = 1050;  // a pointer or marker x outside every rectangle

// The strength of the caption fade at level 0..128 (253 shown .. 1 gone).
int silaPopisku(int level) {
    return static_cast<int>(std::cos(2 * M_PI * (level % 256) / 256.0) * 126 + 127);
}

std::array<Rect, 37> vytvorRecty() {
    std::array<Rect, 37> r{};
    const Rect hlavni[] = {{412, 130}, {287, 220}, {537, 220}, {287, 470}, {537, 470}, {412, 560}};
    for (int b = 1; b <= 6; ++b) r[b] = {hlavni[b - 1].x, hlavni[b - 1].y, 200, 80};
    r[7] = {580, 250, 60, 45};
    r[8] = {703, 250, 60, 45};
    r[9] = {645, 469, 46, 34};
    r[10] = {730, 469, 46, 34};
    r[11] = {575, 533, 46, 34};
    r[12] = {674, 533, 46, 34};
    r[13] = r[15] = {527, 585, 150, 60};
    r[14] = r[16] = {365, 585, 150, 60};
    for (int n = 1; n <= 10; ++n) r[16 + n] = {n % 2 ? 280 : 366, 200 + 60 * ((n + 1) / 2), 70, 40};
    for (int p = 1; p <= 4; ++p) r[26 + p] = {267 + 142 * (p - 1), 420, 83, 32};
    r[31] = {319, 524, 80, 25};
    r[32] = {409, 524, 80, 25};
    r[33] = {447, 591, 150, 60};
    r[34] = {378, 595, 110, 50};
    r[35] = {561, 595, 110, 50};
    r[36] = {500, 595, 50, 50};
    return r;
}

}  // namespace

const std::array<Rect, 37>& TMainMenu::Recty() {
    static const std::array<Rect, 37> r = vytvorRecty();
    return r;
}

TMainMenu::TMainMenu(MenuHost host) : h_(std::move(host)) {
    // The surface over the whole game screen, then the boxes over it.
    DXDraw1_ = &h_.form.add<Control>("DXDraw1", Rect{0, 0, 1024, 768});
    DXDraw1_->onMouseDown = [this](Control&, int x, int y) { DXDraw1MouseDown(x, y); };
    DXDraw1_->onMouseUp = [this](Control&, int x, int y) { DXDraw1MouseUp(x, y); };
    DXDraw1_->onMouseMove = [this](Control&, int x, int y) { DXDraw1MouseMove(x, y); };
    const int jmenoX[] = {0, 261, 401, 549, 687};
    for (int p = 1; p <= kSeats; ++p) {
        Edit& e = h_.form.add<Edit>("MJmeno" + std::to_string(p), Rect{jmenoX[p], 380, 109, 31});
        e.font = Font{"Times New Roman", 27, false, Rgb{255, 255, 255}};
        e.color = Rgb{0, 0, 0};
        e.maxLength = static_cast<int>(kDelkaJmena);
        e.visible = false;
        e.onChange = [this, p](Control&) { h_.nast.MJmeno[p] = MJmeno_[p]->text; };
        MJmeno_[p] = &e;
    }
    SlovnikO_ = &h_.form.add<Edit>("SlovnikO", Rect{317, 470, 186, 30});
    SlovnikO_->font = Font{"Times New Roman", 24, false, Rgb{255, 255, 255}};
    SlovnikO_->color = Rgb{0, 0, 0};
    SlovnikO_->maxLength = 15;
    SlovnikO_->visible = false;
    SlovnikO_->onChange = [this](Control&) {
        Hlaska.clear();
        obnovSeznam();
    };
    DBListBox1_ = &h_.form.add<ListBox>("DBListBox1", Rect{528, 443, 186, 136});
    DBListBox1_->font = Font{"Verdana", 15, false, Rgb{255, 255, 255}};
    DBListBox1_->itemHeight = 19;
    DBListBox1_->color = Rgb{0, 0, 0};
    DBListBox1_->visible = false;
    intro_ = std::make_unique<TIntroF>(h_.ctx, [this] { konecIntra(); });

    ZnackaX = Recty()[17].x - 3;
    ZnackaY = Recty()[17].y - 3;
    for (int p = 1; p <= kSeats; ++p) {
        MJmeno_[p]->text = h_.nast.MJmeno[p];
        MJmeno_[p]->enabled = !h_.nast.jmenoZamceno(p);
    }
}

TMainMenu::~TMainMenu() = default;

ImageList& TMainMenu::obr(const char* list) {
    return h_.ctx.images.get(list);
}
Bitmap& TMainMenu::plocha() {
    return h_.ctx.app.surface();
}

bool TMainMenu::uvnitr(int rect) const {
    return Recty()[rect].contains(MysX, MysY);
}

TMainMenu::Stav TMainMenu::tlacitko(int rect, ImageList& l, int off, int on, int down) {
    const Rect& r = Recty()[rect];
    if (!uvnitr(rect)) {
        l[off].draw(plocha(), r.x, r.y);
        return kMimo;
    }
    l[on].draw(plocha(), r.x, r.y);
    if (!Stisk) return kNad;
    if (down >= 0) l[down].draw(plocha(), r.x, r.y);
    if (!Klik) return drzene_ == rect ? kDrzeno : kNad;
    Klik = false;
    drzene_ = rect;
    h_.ctx.HrajZvuk(1);
    return kStisknuto;
}

void TMainMenu::text(int x, int y, int size, const std::string& utf8, bool bold) {
    // Sizes are the type sizes of the screens' layout; the painter wants pixels.
    const Font f{"Times New Roman", size + size / 4, bold, Rgb{255, 255, 255}};
    h_.ctx.app.text().textOut(plocha(), x, y, f, utf8ToCp1250(utf8));
}

void TMainMenu::napisHlasku(int left, int top, int width) {
    if (!Hlaska.empty()) napisText(Hlaska, left, top, width);
}

void TMainMenu::napisText(const std::string& text, int left, int top, int width, bool vpravo) {
    // The lettering of the screens' own captions: bold, cream, a dark shadow.
    Font f{"Verdana", 17, true, Rgb{20, 40, 30}};
    TextPainter& tp = h_.ctx.app.text();
    const std::string t = utf8ToCp1250(text);
    const int w = tp.textWidth(f, t);
    const int x = vpravo ? left + width - w : TextPainter::centredLeft(left, width, w);
    tp.textOut(plocha(), x + 1, top + 1, f, t);
    f.color = Rgb{246, 233, 200};
    tp.textOut(plocha(), x, top, f, t);
}

void TMainMenu::bezpecne(const std::function<void()>& akce) {
    try {
        akce();
    } catch (const std::exception& e) {
        Stisk = Klik = false;
        if (h_.chyba) h_.chyba(e.what());
    }
}

bool TMainMenu::vMenu() const {
    return h_.hra.interval() == 0 && DXDraw1_->enabled;
}

void TMainMenu::frameTick() {
    GameState& s = h_.ctx.s;
    if (s.Faze == Phase::Intro) {
        intro_->PrintIntro();
        return;
    }
    obr("DXMenu")[0].draw(plocha(), 0, 0);
    // A save or load screen reads the chosen slot as it opens; a slot that is
    // chosen later is read at the click.
    const int o = MenuObrazovka;
    const bool slotu =
        o == kMenuNacti || o == kMenuNactiPrubeh || o == kMenuUloz || o == kMenuUlozPrubeh;
    if (std::exchange(obrazovkaSnimku_, o) != o && slotu)
        hlavicka_ = NactiSaveData(h_.ctx.user, VybranaPozice, slotyZaznamu());
    switch (MenuObrazovka) {
        case kMenuHlavni:
            MainPrint();
            break;
        case kMenuNova:
            PrintNew();
            break;
        case kMenuNacti:
        case kMenuNactiPrubeh:
        case kMenuUloz:
        case kMenuUlozPrubeh:
            SaveLoadPrint();
            break;
        case kMenuNastaveni:
            NastaveniPrint();
            break;
        case kMenuInfo:
            InfoPrint();
            break;
        default:
            break;
    }
    // A press that no button took in its frame is spent: moving onto a
    // button while still held must not take it.
    Klik = false;
    // A screen's action may have handed over to the game.
    if (!vMenu()) return;
    if (h_.ukazFPS && h_.ukazFPS())
        text(10, 50, 15, std::to_string(h_.ctx.app.timer().FrameRate()) + " FPS", true);
    MysX = h_.ctx.app.mouseX();
    MysY = h_.ctx.app.mouseY();
    if (!h_.hra.casovacZapnut()) {
        MysX = 1060;
        MysY = 800;
    }
    ukazatel();
    h_.ctx.app.flip();
}

void TMainMenu::ukazatel() {
    // Over a text box the system pointer shows, since the boxes lie over the
    // picture the menu draws.
    const Control* c = h_.form.controlAt(MysX, MysY);
    const bool nadBoxem = c && c->windowed();
    h_.ctx.app.showPointer(nadBoxem);
    if (nadBoxem) return;
    ImageList& kur = obr("DXKur");
    kur[1].drawAlpha(plocha(), Rect{MysX - 2, MysY - 2, 30, 30}, 60);
    kur[0].draw(plocha(), MysX, MysY);
}

void TMainMenu::DXDraw1MouseDown(int x, int y) {
    MysX = x;
    MysY = y;
    Stisk = true;
    Klik = true;
    drzene_ = 0;
    Hlaska.clear();
    // The press is handled before the next frame on every screen, so a click
    // quicker than a frame (both events waiting in one batch) still counts.
    if (h_.ctx.s.Faze != Phase::Intro && vMenu()) frameTick();
    Klik = false;
}

void TMainMenu::DXDraw1MouseUp(int, int) {
    Stisk = false;
    Klik = false;
    if (!vMenu()) return;
    MenuObrazovka = MenuVolba;
    if (MenuObrazovka == kMenuKonec) h_.form.close();
}

void TMainMenu::DXDraw1MouseMove(int, int) {
    if (!h_.hra.casovacZapnut()) h_.hra.NastavCasovac(true, h_.hra.interval());
}

void TMainMenu::FormKeyPress(char key) {
    if (key != 27) return;
    if (h_.ctx.s.Faze == Phase::Intro) {
        konecIntra();
        return;
    }
    switch (MenuObrazovka) {
        case kMenuHlavni:
            h_.form.close();
            break;
        case kMenuNova:
        case kMenuNacti:
        case kMenuNactiPrubeh:
            MenuObrazovka = MenuVolba = kMenuHlavni;
            break;
        case kMenuUloz:
        case kMenuUlozPrubeh:
            zpetDoHry(MenuObrazovka == kMenuUloz);
            break;
        default:
            break;
    }
}

void TMainMenu::predejHre() {
    ukazJmena(false);
    ukazSlovnik(false);
    fill(plocha(), Rgb{});
    DXDraw1_->enabled = false;
    h_.ctx.app.showPointer(false);
    Stisk = Klik = false;
    ZnackaX = MysX = kParkX;
    obrazovkaSnimku_ = -1;
}

void TMainMenu::zpetDoHry(bool casovac) {
    predejHre();
    h_.hra.NastavCasovac(casovac, 1000);
    if (h_.navratDoHry) h_.navratDoHry();
    h_.hra.ui().prekresli();
}

void TMainMenu::naVrch() {
    h_.form.bringToFront(*DXDraw1_);
    for (int p = 1; p <= kSeats; ++p) h_.form.bringToFront(*MJmeno_[p]);
    h_.form.bringToFront(*SlovnikO_);
    h_.form.bringToFront(*DBListBox1_);
}

void TMainMenu::DoMenu() {
    h_.hra.NastavCasovac(true, 0);
    MenuObrazovka = MenuVolba = kMenuHlavni;
    DXDraw1_->enabled = true;
    naVrch();
}

void TMainMenu::konecIntra() {
    h_.ctx.s.Faze = Phase::Menu;
    if (h_.spustHudbu) h_.spustHudbu();
}

bool TMainMenu::slotyZaznamu() const {
    return MenuObrazovka == kMenuNactiPrubeh || MenuObrazovka == kMenuUlozPrubeh;
}

void TMainMenu::ZeHry(int obrazovka) {
    // The game is abandoned; the other screens keep it waiting behind them.
    if (obrazovka == kMenuHlavni) h_.ctx.s.Faze = Phase::Menu;
    if (obrazovka == kMenuNastaveni) h_.nast.NastaveniZeHry = true;
    MenuObrazovka = MenuVolba = obrazovka;
    Hlaska.clear();
    Stisk = Klik = false;
    DXDraw1_->enabled = true;
    naVrch();
    h_.hra.NastavCasovac(true, 0);
}

// Main screen ---------------------------------------------------------------

void TMainMenu::MainPrint() {
    ukazJmena(false);
    ukazSlovnik(false);
    Prejeti(MysX, MysY);
    ImageList& kur = obr("DXKur");
    kur[11].draw(plocha(), 297, 319);
    if (UhelOtoceni % 256 == 0) {
        kur[2].draw(plocha(), 321, 362);
        kur[3].draw(plocha(), 659, 362);
    } else {
        kur[2].drawRotate(plocha(), 342, 383, 43, 43, UhelOtoceni);
        kur[3].drawRotate(plocha(), 680, 383, 43, 43, 256 - UhelOtoceni);
    }
    if (Prolnuti % 256 == 0)
        kur[Popisek + 4].draw(plocha(), 373, 358);
    else
        kur[Popisek + 4].drawAdd(plocha(), Rect{373, 358, 277, 48}, silaPopisku(Prolnuti));
}

void TMainMenu::Prejeti(int x, int y) {
    ImageList& menu = obr("DXMenu");
    const uint32_t ted = h_.ctx.app.GetTickCount();
    auto uplynulo = [&] { return ted >= StartOtoceni ? ted - StartOtoceni : StartOtoceni - ted; };
    bool nad = false;
    for (int b = 1; b <= 6; ++b) {
        const Rect& r = Recty()[b];
        if (!r.contains(x, y)) {
            menu[3 * b - 2].draw(plocha(), r.x, r.y);
            continue;
        }
        menu[3 * b - 1].draw(plocha(), r.x, r.y);
        if (UhelOtoceni % 256 == 0) StartOtoceni = ted + 1;
        const uint32_t e = uplynulo();
        // One turn in 1.5 s; the first millisecond of a turn is angle 1.
        UhelOtoceni = e >= 1500 ? 0 : static_cast<int>(std::lround(256.0 * e / 1500)) + 1;
        if (Prolnuti < 128 && Popisek != b) Prolnuti += 4;
        if (Prolnuti > 0 && Popisek == b) Prolnuti -= 4;
        if (Prolnuti == 128) Popisek = b;
        nad = true;
        if (Stisk) {
            menu[3 * b].draw(plocha(), r.x, r.y);
            if (Klik) {
                Klik = false;
                drzene_ = b;
                h_.ctx.HrajZvuk(1);
            }
            // Only the button the press began on is chosen: dragging onto
            // another while held and releasing there changes nothing.
            if (drzene_ == b) MenuVolba = b;
        }
    }
    if (nad) return;
    if (UhelOtoceni % 256 > 0) {
        const uint32_t e = uplynulo();
        UhelOtoceni = e < 1500 ? static_cast<int>(256.0 * e / 1500) : 256;
    }
    if (Prolnuti > 0 && Popisek == 0) Prolnuti -= 4;
    if (Prolnuti < 128 && Popisek != 0) Prolnuti += 4;
    if (Prolnuti == 128) Popisek = 0;
}

}  // namespace tb
