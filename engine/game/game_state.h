#pragma once
// The one game state of Tavik Borun. Every subsystem reads and writes it
// directly under these names. Arrays are 1-based: index 0 is never used, and
// tile number 0 means "no tile".

#include <array>
#include <cstdint>
#include <string>

namespace tb {

constexpr int kTiles = 97;    // physical tiles, numbered 1..97
constexpr int kLetters = 38;  // letter codes 1..38, Czech alphabetical order
constexpr int kBoard = 15;    // board is 15x15, (x, y) both 1..15
constexpr int kRack = 7;      // rack slots 1..7
constexpr int kSeats = 4;     // seats 1..4
constexpr int kNaBoard = 6;   // Vlastnik of a tile laid on the board

// What the program is doing. The menus opened from a game (settings, save)
// keep the game's phase: the game waits behind them.
enum class Phase : uint8_t {
    Intro,         // the intro runs; the menu music has not started yet
    Menu,          // the menus, no game on
    NewGame,       // the next game tick deals a new game
    LoadedGame,    // a saved game is loaded: the next game tick lays it out and play goes on
    LoadedRecord,  // a game record is loaded: the next game tick opens the viewer on it
    Play,          // a game is played
    Browse,        // a finished game or a loaded record is viewed, move by move
};

// Premium codes of BodovanePole.
enum Premium : int32_t {
    kPlain = 1,
    kLetter2 = 2,  // "2P", light green
    kLetter3 = 3,  // "3P", dark green
    kWord2 = 4,    // "2S", light red
    kWord3 = 5,    // "3S", dark red
};

// Who plays a seat (JePC, VolbaPC): a person, the computer player, the master.
enum Uroven : int32_t { kClovek = 0, kPocitac = 1, kMistr = 2 };

struct Kamen {
    int32_t Vlastnik = 0;  // 1..4 rack of that seat, 6 on the board
    int32_t Hodnota = 0;   // point value
    std::string Pismeno;   // one code-page-1250 character
    bool Aktivni = false;  // may be picked up by the player on move
};

struct Policko {
    int32_t Pevny = 0;  // tile fixed by an earlier move
    int32_t Novy = 0;   // tile laid in the current move
    bool operator==(const Policko&) const = default;
};

struct Hrac {
    int32_t BodyTah = 0;
    int32_t BodyCelkem = 0;
    int32_t JePC = kClovek;  // an Uroven
    std::string Jmeno;
};

// The person's hand: the tile the mouse carries, picked up from the rack of
// the seat on move or from the tiles it laid this move. Its Vlastnik still
// says where it came from until it is put down.
struct Ruka {
    int32_t kamen = 0;  // 0: the hand is empty
    bool drzi() const { return kamen != 0; }
    bool operator==(const Ruka&) const = default;
};

template <typename T, int N>
using Arr1 = std::array<T, N + 1>;  // 1-based array of N elements

struct GameState {
    // Tiles, bag, racks, board.
    Arr1<Kamen, kTiles> Kameny{};
    Arr1<int32_t, kTiles> Pytel{};
    int32_t Vytazeno = 0;
    Arr1<Arr1<int32_t, kRack>, kSeats> Zasobnik{};
    Arr1<Arr1<Policko, kBoard>, kBoard> Pole{};          // Pole[x][y]
    Arr1<Arr1<int32_t, kBoard>, kBoard> BodovanePole{};  // BodovanePole[x][y]
    int32_t PismenoKod = 0;                              // side effect of dejpismeno
    std::string PismenoCislo;                            // "01".."38"

    // Seats.
    Arr1<Hrac, kSeats> Hraci{};
    int32_t PocetHracu = 2;
    Arr1<int32_t, kSeats> VolbaPC{};  // an Uroven per seat

    // Whose turn, and the tile in the hand.
    int32_t NaTahu = 1;  // the seat on move, also while it carries a tile
    Ruka VRuce;
    int32_t AktSlot = 1;
    int32_t CilX = 0;
    int32_t CilY = 0;

    // Turn counters.
    int32_t CisloTahu = 0;
    int32_t PosledniTah = 0;
    int32_t PocetVzdani = 0;
    std::string Rozpis;
    bool PrvniTah = true;

    // Clocks, in whole seconds.
    int32_t SekundHry = 0;
    int32_t SekundTahu = 0;
    int32_t ZbyvaCasu = 0;
    bool HlidatLimit = false;

    // Options of the game.
    int32_t MinPismen = 2;
    bool SLimitem = false;
    int32_t LimitTahu = 0;
    bool ZvukyZap = true;

    // What the program is doing, and the flags of the game screen.
    Phase Faze = Phase::Intro;
    bool Rozdano = false;
    bool RezimVymeny = false;
    bool HrajePC = false;

    // Word check state.
    std::string ChybneSlovo;
    int32_t ChybaX = 0;
    int32_t ChybaY = 0;
    bool ChybaVodorovne = false;
    bool Opakovat = false;
    bool OpravimSam = false;
    bool CasVyprsel = false;
};

// A loaded game or record that the first game tick has not laid out yet: its
// hand-overs show the racks instead of dealing and count no move.
inline bool nahranaHra(const GameState& s) {
    return s.Faze == Phase::LoadedGame || s.Faze == Phase::LoadedRecord;
}

}  // namespace tb
