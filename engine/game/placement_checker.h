#pragma once
// The board validator: the placement rules of a move, checked on its own copy
// of the board before any word is looked up. Only the first fault met is
// reported; a fault in a column wins over one in a row.

#include <cstdint>
#include <optional>
#include <string>

#include "engine/game/game_state.h"
#include "engine/game/game_ui.h"

namespace tb {

class PlacementChecker {
  public:
    enum Kod : int32_t { Zadna = 0, Samotne = 1, Kratke = 2, Nenavazuje = 3, Stred = 4 };

    void setSquare(int x, int y, int32_t pevny, int32_t novy);
    void setRules(int32_t minPismen, bool casVyprsel, bool prvniTah);
    // Every square of the board, then the rules of the game.
    void nactiTah(const GameState& s);
    // Marks every empty cell beside a fixed tile.
    void markNeighbours();
    void findRowWords();     // rows
    void findColumnWords();  // columns
    bool hasFault();
    // markNeighbours and hasFault; on a fault shows the rule error box and returns
    // the button chosen, otherwise nothing.
    std::optional<DialogVolba> test(GameUi& ui);
    // The fault as the rule error box is told it.
    ChybaPravidla chyba() const;

    int32_t kod() const { return kod_; }
    const std::string& slovo() const { return slovo_; }
    int32_t x() const { return x_; }
    int32_t y() const { return y_; }
    bool zRadku() const { return zRadku_; }

  private:
    void najdi(bool vodorovne);
    int32_t posoudBeh(int x, int y, bool vodorovne, int delka) const;
    int32_t dlazdice(int x, int y) const;

    Arr1<Arr1<int32_t, kBoard>, kBoard> Pole1{};  // fixed tiles
    Arr1<Arr1<int32_t, kBoard>, kBoard> Pole2{};  // tiles of this move
    Arr1<Arr1<int32_t, kBoard>, kBoard> Pole3{};  // empty cells beside a fixed tile
    int32_t minPismen_ = 2;
    bool casVyprsel_ = false;
    bool prvniTah_ = false;

    int32_t kod_ = Zadna;
    std::string slovo_;
    int32_t x_ = 0;
    int32_t y_ = 0;
    bool zRadku_ = false;
};

}  // namespace tb
