#pragma once
// GamePainter: puts the game screen's picture together. The static parts
// (background, board, rack panels, idle buttons, score boxes) are merged once
// per game into Povrch1; a frame is Povrch1, the visible tiles, the texts and
// the overlays.

#include <functional>

#include "engine/game/game_state.h"
#include "engine/game/move_preview.h"
#include "platform/application.h"
#include "platform/image_manifest.h"
#include "ui/game/game_form.h"

namespace tb {

class GamePainter {
  public:
    GamePainter(Application& app, ImageLists& obrazky, GameForm& form, const GameState& s);

    // Item n - 1 is the picture of tile n (filled at the screen's activation).
    ImageList& DXPismeno() { return pismena_; }
    ImageList& DXImageList1() { return pozadi(); }
    ImageList& DXMenu() { return menu(); }
    // Loads the 97 tile pictures from the letters' files, and the back.
    void nactiPismena();

    void NactiObrazky();
    void PrintPozadi();
    void PrintPismena();
    void PrintKV();
    void PrintMyska(int x, int y);
    void PrintLabel();
    void CopyLabel(const Label& l, int sirka);
    void VymazLabel();
    // The game's own pointer at (x, y), then the page flip.
    void kurzor(int x, int y);
    // The pointer where the mouse is.
    void kurzor();
    // A button face drawn at its place.
    void tvar(int index);

    // The preview of the move being laid, asked at every paint of the texts.
    std::function<NahledTahu()> nahled;
    // Where a stepped-back game or a viewed record stands ("Tah 12 / 40", who
    // played it, what it gave); empty in the game's own position.
    std::function<std::vector<std::string>()> poloha;
    // Whether the rack of a seat shows the backs of its tiles.
    std::function<bool(int hrac)> skryty;
    // What a tile shows: its face, or its back while it lies on a hidden rack
    // (or, `zeSkryteho`, flies from one).
    const Picture& obrazKamene(int tile, bool zeSkryteho = false);

  private:
    Bitmap& surface() { return app_.surface(); }
    // Below the seats' boxes: the words and points of the move laid, or why
    // it cannot be played; its points also in the mover's box.
    void PrintNahled(const NahledTahu& n);
    // The panel below the seats: lines of a left and a right text.
    void PrintPanel(const std::vector<std::pair<std::string, std::string>>& radky, const Font& f,
                    bool posledniZlaty);
    // A text centred in a box of `sirka` from `left`.
    void napis(int left, int top, const Font& f, const std::string& text, int sirka);

    Application& app_;
    ImageLists& obrazky_;
    GameForm& f_;
    const GameState& s_;
    ImageList& pozadi();
    ImageList& menu();
    ImageList* pozadi_ = nullptr;
    ImageList* menu_ = nullptr;
    ImageList pismena_;
};

}  // namespace tb
