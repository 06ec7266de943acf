#pragma once
// Saved games: Save/1.dat..Save/10.dat. The options, clocks, players, racks,
// bag and fixed tiles of a game, then the whole move record, so that a
// loaded game goes on with its record.

#include <string>
#include <string_view>
#include <vector>

#include "engine/game/game_state.h"
#include "files/files.h"

namespace tb {

// What a saved-game slot holds, checked.
struct SavedGame {
    bool PrvniTah = true;
    int32_t PosledniTah = 0;
    int32_t SekundHry = 0;
    int32_t LimitTahu = 0;
    int32_t MinPismen = 2;
    int32_t Vytazeno = 0;
    int32_t NaTahu = 1;
    int32_t PocetHracu = 2;
    Arr1<Hrac, kSeats> Hraci{};  // Jmeno, BodyCelkem, JePC of seats 1..PocetHracu
    Arr1<Arr1<int32_t, kRack>, kSeats> Zasobnik{};
    Arr1<int32_t, kTiles> Pytel{};
    Arr1<Arr1<int32_t, kBoard>, kBoard> Pevny{};  // [x][y]
    std::vector<std::string> zapis;               // the lines of Data/main.dat
};

// Puts the tiles of the unfinished move (laid on the board or carried by the
// mouse) back into the first empty slots of the rack of the player on move,
// so that a save keeps the tile set whole. Returns them in the order put back.
std::vector<int> vratNoveKameny(GameState& s);

// The slot file of the game (the moves played up to the position on the
// board, CisloTahu - 1, on line 3): lines 1..9, the player blocks of the seats in
// play, bag, board, an empty line and the record lines.
std::string formatSavedGame(const GameState& s, std::string_view datum,
                            const std::vector<std::string>& zapis);
// Checks a whole slot file; throws FileError naming `name`, the line and the
// reason. An empty first line (a free slot) is refused as well.
SavedGame parseSavedGame(const std::vector<std::string>& lines, const std::string& name);

// The record lines a save stores: records 1..CisloTahu of Data/main.dat (a
// game saved after stepping back keeps the position on the board, and its
// record ends there as it would when play went on from it). Throws FileError
// when the record file does not hold that position.
std::vector<std::string> zaznamPozice(const GameState& s, const FileRoot& user);
// The save of the in-game menu: the new tiles go back to the rack, then slot
// n is written from the state and the record up to the position on the
// board. Throws FileError; the previous slot file then stays.
void SaveAndExit(GameState& s, const FileRoot& user, int n, std::string_view datum);
// Loads slot n: the file is checked whole and Data/main.dat rewritten from
// it before the state is reset (MainInit of the menu) and set up so that the
// game screen's next tick resumes the game. Throws FileError and changes
// nothing when the slot is missing, free or bad.
void LoadGame(GameState& s, const FileRoot& user, int n);
// The state part of LoadGame, for a slot already checked.
void applySavedGame(GameState& s, const SavedGame& g);

// The state side of the board reveal on the first tick of a loaded game:
// every fixed tile is marked as lying on the board. Returns the tiles in
// reveal order (rows from the top, each from the left); the screen fades
// them in, and play goes on.
struct OdhalenyKamen {
    int tile, x, y;
};
std::vector<OdhalenyKamen> LoadZobrazPole(GameState& s);

}  // namespace tb
