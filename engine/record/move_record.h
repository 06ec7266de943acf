#pragma once
// The move record Data/main.dat: one 34-line record per position of the game
// (record 1 is the start, record k+1 the position after turn k), then the
// closing section once the game has ended. Data/MainHLP.dat is scratch space
// for cutting the record back.

#include <string>
#include <vector>

#include "engine/game/game_state.h"
#include "files/file_lines.h"
#include "files/files.h"

namespace tb {

constexpr int kRadkuZaznamu = 34;

// The 34 lines of the record of the present position, CR LF after each.
std::string zaznamText(const GameState& s);

class TZapis {
  public:
    // `uzivatel` is the user directory holding Data/.
    explicit TZapis(FileRoot uzivatel) : root_(std::move(uzivatel)) {}

    fs::path mainDat() const { return root_.resolve("Data/main.dat"); }
    fs::path hlpDat() const { return root_.resolve("Data/MainHLP.dat"); }

    // Cuts the file back to records 1..CisloTahu-1 and appends the present one.
    void ZapisTah(const GameState& s);
    // Keeps the first `cisloTahu` - 1 records. The kept lines go through
    // MainHLP.dat, which is then renamed over main.dat, so a failure midway
    // leaves one whole file. Every write replaces the file whole.
    void PresunASmaz(int32_t cisloTahu);
    // A closing entry: kind false the penalty of a seat, true the bonus of the
    // seat that went out. Kept until ZapisKonec, so that the closing section
    // reaches the file whole or not at all.
    void ZapisBonus(bool bonus, int32_t body, int32_t hrac);
    // The bonus entries, the total time line and the final scores of seats
    // 1..PocetHracu, in one write.
    void ZapisKonec(const GameState& s);

    // Loads record CisloTahu into the state. The record is read and checked
    // whole into a copy first; a bad record throws FileError and changes
    // nothing. Besides the stored fields it resets ZbyvaCasu, places the
    // tiles (Vlastnik, Aktivni) and reorders the undealt part of Pytel so
    // that the dealt part holds exactly the tiles of the position, and the
    // pass count is what it was there.
    void InitTah(GameState& s) const;

    // The lines of main.dat positioned at the start of record k+1 (after k records).
    LineReader NajetNaPozici(int k) const;
    // Every line of main.dat (empty when there is no file yet).
    std::vector<std::string> radky() const;

  private:
    void pripoj(const std::string& text) const;

    FileRoot root_;
    std::string zaver_;  // the closing entries not written yet
};

// Loads record `cisloTahu` of the record lines `radky` into the state, as
// InitTah does for Data/main.dat.
void nactiZaznam(GameState& s, const std::vector<std::string>& radky, int32_t cisloTahu);
// The pass count of the position of record `cisloTahu`: the passes (records
// with an empty move description) in a row that lead to it. The record of
// the deal is no move.
int32_t vzdaniDoZaznamu(const std::vector<std::string>& radky, int32_t cisloTahu);

// Before a record is loaded: the move's time is whole again and no tile is placed.
void NastavZaklad(GameState& s);
// One seat's rack line and its two score lines.
void NactiPanel(GameState& s, LineReader& r, int hrac);
// The 15 board lines into Pevny.
void NactiPole(GameState& s, LineReader& r);
// Swaps entries of Pytel (a permutation) so that positions 1..Vytazeno hold
// exactly the tiles on the racks and the board. Leaves a Pytel that is not
// a permutation alone (a stored record viewed without its bag).
void srovnejPytel(GameState& s);

}  // namespace tb
