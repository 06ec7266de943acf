#pragma once
// The menu component TMainMenu: it has no window of its own but draws every
// frame onto the game screen while the frame timer runs at interval 0, and
// takes the mouse through its drawing surface DXDraw1, a control over the
// whole game screen that is enabled only while a menu screen is shown. The
// screens: 0 main, 1 new game, 2 load a game, 3 load a record, 4 settings,
// 5 information, 6 exit, 7 save the game, 8 save the record.

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "engine/game/hra.h"
#include "engine/saves/save_header.h"
#include "engine/saves/user_settings.h"
#include "platform/window.h"
#include "ui/windows/ui_context.h"

namespace tb {

class TIntroF;

// What the menus need of the game screen they draw on. The functions may be
// left empty where the screen has nothing to do.
struct MenuHost {
    UiContext& ctx;
    Hra& hra;
    UserSettings& nast;
    // The game screen GameForm: the menu's surface and text boxes lie on it.
    Window& form;
    // The screen's part of a reset before a new, loaded or viewed game: no
    // tile, caption or button face of the previous game stays.
    std::function<void()> novaHra;
    // The static background after a load (the number of seats may differ).
    std::function<void()> NactiObrazky;
    // Play resumes: the pressed Menu button's face goes away, and a button
    // stays lit only under the pointer.
    std::function<void()> navratDoHry;
    // "\" toggles the frame-rate display.
    std::function<bool()> ukazFPS;
    // Music: the volume of the playing track, and its start after the intro.
    std::function<void(int)> SetVolumeHudba;
    std::function<void()> spustHudbu;
    // A file error of a save or load, named in a box; the menu goes on.
    std::function<void(const std::string&)> chyba;
    // A question to the player (UTF-8); true when he chooses to go on.
    std::function<bool(const std::string&)> potvrd;
};

enum MenuObrazovkaId {
    kMenuHlavni = 0,
    kMenuNova = 1,
    kMenuNacti = 2,
    kMenuNactiPrubeh = 3,
    kMenuNastaveni = 4,
    kMenuInfo = 5,
    kMenuKonec = 6,
    kMenuUloz = 7,
    kMenuUlozPrubeh = 8,
};

class TMainMenu {
  public:
    explicit TMainMenu(MenuHost host);
    ~TMainMenu();
    TMainMenu(const TMainMenu&) = delete;
    TMainMenu& operator=(const TMainMenu&) = delete;

    // One menu frame; the game screen calls it on every tick at interval 0.
    void frameTick();
    // The keys the game screen does not handle itself in menu mode (Esc).
    void FormKeyPress(char key);
    // The game hands back to the menus (interval 0, main screen).
    void DoMenu();
    // The in-game menu opens a menu screen (4 settings, 7 save, 8 save record,
    // 0 the game is abandoned).
    void ZeHry(int obrazovka);
    // The intro is over (at its end, by Esc, or skipped): the menu takes over
    // and the music starts.
    void konecIntra();

    // The drawing surface's mouse (screen coordinates).
    void DXDraw1MouseDown(int x, int y);
    void DXDraw1MouseUp(int x, int y);
    void DXDraw1MouseMove(int x, int y);

    // Menu state, shared by the menu screens.
    int MenuObrazovka = 0;
    int MenuVolba = 0;
    int MysX = 0, MysY = 0;
    bool Stisk = false;
    bool Klik = false;
    int UhelOtoceni = 0;
    uint32_t StartOtoceni = 0;
    int Prolnuti = 0;
    int Popisek = 0;
    int ZnackaX = 0, ZnackaY = 0;
    int VybranaPozice = 1;
    int StranaInfo = 1;
    // The answer of the new-game or settings screen to the latest press
    // (UTF-8), shown by that screen until the next press.
    std::string Hlaska;

    // The 36 hit rectangles, rows 1..36.
    static const std::array<Rect, 37>& Recty();

    Control& DXDraw1() { return *DXDraw1_; }
    Edit& MJmeno(int p) { return *MJmeno_[p]; }
    Edit& SlovnikO() { return *SlovnikO_; }
    ListBox& DBListBox1() { return *DBListBox1_; }
    TIntroF& intro() { return *intro_; }
    // The summary of the chosen slot, as the save and load screens show it.
    const SlotHeader& hlavicka() const { return hlavicka_; }

  private:
    ImageList& obr(const char* list);
    Bitmap& plocha();
    // The button protocol: draws the OFF, ON or Down face (down < 0: none)
    // of the button of hit rectangle `rect`.
    enum Stav { kMimo, kNad, kDrzeno, kStisknuto };  // kStisknuto: a press consumed now
    Stav tlacitko(int rect, ImageList& l, int off, int on, int down = -1);
    bool uvnitr(int rect) const;
    // Still in menu mode (no screen action handed over to the game).
    bool vMenu() const;
    // The screen's slots are game records (load or save a record), not games.
    bool slotyZaznamu() const;
    // What every way back to the game does.
    void predejHre();
    // The surface and its boxes over whatever the game laid on its screen
    // (the record viewer's blockers), so the menu takes the mouse.
    void naVrch();
    void zpetDoHry(bool casovac);
    void ukazatel();
    void text(int x, int y, int size, const std::string& utf8, bool bold = false);
    // Hlaska centred in the box from `left`, `width` wide, its top at `top`.
    void napisHlasku(int left, int top, int width);
    // UTF-8 text in the lettering of the screens' captions, centred in a box
    // of `width` from `left` (ending at `left` + `width` when `vpravo`).
    void napisText(const std::string& text, int left, int top, int width, bool vpravo = false);
    // The switches of the player's options, below OK.
    void NastaveniVolby();
    void bezpecne(const std::function<void()>& akce);

    // Main screen.
    void MainPrint();
    void Prejeti(int x, int y);
    // New game.
    void PrintNew();
    void NewTlacitka();
    void NewPC();
    void OkNova();
    void MainInit();
    void ukazJmena(bool ukaz);
    // Save and load.
    void SaveLoadPrint();
    void SavePozice();
    void SaveTlacitka();
    // Saving over a slot that cannot be read asks first; true to go on.
    bool prepsatNecitelnou();
    void LoadGameNow();
    void LoadPrNow();
    // Both loads: read the slot, set up the game screen for it, show what
    // the slot needs shown, and hand over to the game.
    void nahrajSlot(const std::function<void(GameState&)>& nacti,
                    const std::function<void(GameState&, GameUi&)>& ukaz);
    // Settings.
    void NastaveniPrint();
    void NastaveniTlacitka();
    // Přidat or Odebrat: the word of the box goes in or out, and Hlaska says
    // what happened.
    void upravSlovnik(bool pridat);
    void ukazSlovnik(bool ukaz);
    void obnovSeznam();
    void NastaveniOk();
    // Information.
    void InfoPrint();
    void InfoText();

    MenuHost h_;
    Control* DXDraw1_ = nullptr;
    std::array<Edit*, kSeats + 1> MJmeno_{};
    Edit* SlovnikO_ = nullptr;
    ListBox* DBListBox1_ = nullptr;
    std::unique_ptr<TIntroF> intro_;
    SlotHeader hlavicka_;
    // The screen of the latest frame (-1 after a return to the game): a save
    // or load screen reads its slot when it opens, not on every frame.
    int obrazovkaSnimku_ = -1;
    int drzene_ = 0;  // the hit rectangle whose button took the latest press
};

}  // namespace tb
