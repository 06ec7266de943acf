#pragma once
// The game screen GameForm at play: its controls, the painter, the mouse on
// the board, the racks and the nine buttons, and the screen side of the
// rules (GameUi): fades, flying tiles, captions and the windows.

#include <functional>

#include "engine/game/game_ui.h"
#include "engine/game/hra.h"
#include "engine/game/move.h"
#include "ui/game/game_form.h"
#include "ui/game/painter.h"
#include "ui/windows/game_windows.h"
#include "ui/windows/ui_context.h"

namespace tb {

class TAI;

class GameScreen : public GameUi {
  public:
    GameScreen(UiContext& ctx, HerniOkna okna);

    GameForm& form() { return form_; }
    GamePainter& painter() { return painter_; }
    UiContext& ctx() { return ctx_; }
    HerniOkna& okna() { return okna_; }
    // The game this screen shows (set once both exist).
    void pripoj(Hra& hra) { hra_ = &hra; }
    // The hint: the computer player's search for the person on move (it
    // plays the click itself).
    std::function<void()> TipClick;
    // The game hands over to the menus; without them the application ends.
    std::function<void()> naMenu;
    // The in-game menu hands over to a menu screen (4 settings, 7 save,
    // 8 save the record, 0 the game is abandoned).
    std::function<void(int)> menuHry;
    // Esc outside a game goes to the menus (the intro, the menu screens).
    std::function<void(char)> klavesaMenu;
    // Rest between the frames of a blocking animation, so it does not spin
    // the processor (tests with a pinned clock set it to 0).
    int pauzaSnimku = 8;
    // "\" toggles the frame-rate display of the menus.
    bool UkazFPS = false;

    // FormActivate: the tile pictures, once.
    void FormActivate();
    // A new, loaded or viewed game begins: no tile, mark or frame of the
    // previous one stays on the screen.
    void novaHra();
    // One tick of DXTimer1 while a game runs.
    void frameTick();
    // Back from a window or a menu screen: a button stays lit only with the
    // pointer on it.
    void podleUkazatele();
    // The dictionary may have changed (the settings screen): the preview is
    // worked out anew.
    void zapomenNahled();

    // GameUi.
    void HrajZvuk(int n) override;
    void ukazPrichod(int hrac, int slot, int tile) override;
    void ukazVeSlotu(int hrac, int slot, int tile) override;
    void ukazOdchod(int hrac, int slot, int tile) override;
    void ZapniJmeno(int hrac) override;
    void PredaniTahu(int hrac) override { opona(hrac); }
    void VypniJmeno(int hrac) override;
    void prekresli() override;
    DialogVolba ChybaPravidlaBox(const ChybaPravidla& c) override;
    DialogVolba ChybaSlovaBox(const ChybaSlova& c) override;
    void ChybaVymenaBox() override;
    bool KonecHryBox(const Vysledek& v) override;
    void NastavTitulek(Titulek t, int hrac, const std::string& text) override;
    void OdpocetCerveny(bool cerveny) override;
    void UkazHrace(int pocetHracu) override;
    void KurzorNaSlot(int hrac, int slot) override;
    void SkryjKurzor() override;
    void UkazKV(bool ukaz) override;
    bool OznacenKVymene(int slot) override;
    void ZrusOznaceni(int slot) override;
    void UkazKamen(int tile, bool ukaz) override;
    void KamenDoSlotu(int hrac, int slot, int tile) override;
    void KamenyNaStojanu(int hrac) override;
    void PresunPismeno(int tile, int sx, int sy, int tx, int ty, int ms) override;
    void Pockej(int ms) override;
    void NastavCasovac(bool zapnut, int interval) override;
    void SystemovyKurzor(bool ukaz) override;
    void SkryjOpanely() override;
    void KamenNaPole(int tile, int x, int y) override;
    void DoMenu() override;
    void ZapniProhlizeni() override;
    void ObnovenaHra() override;

    // The fades of a rack tile (blocking, `ms` long).
    void UkazPismeno(int tile, int ms);
    void SmazPismeno(int tile, int ms);

  private:
    void napoj();
    NahledTahu nahled();
    std::vector<std::string> poloha();
    // The rack of seat p shows tile backs: a computer's when the player asked,
    // every one but the mover's when the people at the table hide theirs.
    bool stojanSkryty(int p) const;
    // Between two people's turns, with the other racks hidden: "Na tahu:
    // NAME" over the whole screen until a click or a key.
    void opona(int hrac);
    // Runs a handler; an error is reported in a box and the game goes on.
    void chran(const std::function<void()>& akce);
    void obnovUkazatel();

    // Board and rack input.
    void ImageMouseMove(Control& c, int x, int y);
    void ImageClick(Control& c);
    void HraciPlochaMouseMove(int x, int y);
    void HraciPlochaClick();
    void OpanelMouseMove(Control& c, int x, int y);
    void OpanelClick(Control& c);
    void KVMouseMove(Control& c);
    void KVClick(Control& c);
    void FormMouseMove();
    void FormKeyPress(char& key);
    void polozDrzeny();
    void nesenyKamen();

    // The nine buttons.
    bool muzeSvitit(int i) const;
    void VypniMenu();
    void OffMouseMove(int i);
    void OnMouseMove(int i);
    void OnMouseDown(int i);
    void OnMouseUp(int i);
    void OnClick(int i);
    void okno(const std::function<void(UiContext&)>& otevri);

    // An animation's length: a fifth of it with the quick animations, so
    // that even with the frames' own time it stays under a quarter.
    int doba(int ms) const;
    // The fade of one tile with the strength a function of k = 0..128.
    void prolinani(int tile, int ms, int zvuk, const std::function<int(int)>& sila);

    UiContext& ctx_;
    HerniOkna okna_;
    GameForm form_;
    GamePainter painter_;
    Hra* hra_ = nullptr;
    bool pismenaNactena_ = false;
    NahledTahu nahled_;
    std::vector<NovyKamen> nahledZ_;  // the move it was worked out for
    std::vector<std::string> poloha_;
    bool rozdaniPreskoceno_ = false;       // Esc or a click during the deal
    std::pair<int, int> polohaZ_{-1, -1};  // the record shown, the last record
};

}  // namespace tb
