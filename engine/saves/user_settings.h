#pragma once
// The user settings of Data/User.dat: music volume, sound effects, the
// length of the playlist and the last choices of the new-game screen.

#include <cstdint>
#include <string>

#include "engine/game/game_state.h"
#include "files/files.h"

namespace tb {

// The player's options beyond the ten lines of the settings file: each is
// kept as an appended "Name=0|1" line, and a file without them (an older
// one) loads with these defaults.
struct Volby {
    bool NahledTahu = true;      // the words and points of the tiles laid, at once
    bool RychleAnimace = false;  // the deal, fades and flights in a quarter of the time
    bool SkrytPC = false;        // the computer's rack shows the backs of its tiles
    bool SkrytOstatni = false;   // only the rack of the seat on move, a curtain between turns
    friend bool operator==(const Volby&, const Volby&) = default;
};

// The settings that are not part of the game state. ZvukyZap lives in
// GameState.
struct UserSettings {
    int32_t HlasitostHudby = 0;          // 0..255
    int32_t PocetPisni = 0;              // music tracks 1..PocetPisni in the playlist
    int32_t NastHracu = 2;               // 2..4
    int32_t NastMinPismen = 2;           // 2..5
    int32_t NastLimit = 0;               // 0..300 seconds in steps of 30, 0 = none
    Arr1<int32_t, kSeats> NastPC{};      // who plays the seat, an Uroven
    Arr1<std::string, kSeats> MJmeno{};  // texts of the four name boxes
    Volby volby;
    bool NastaveniZeHry = false;  // settings screen opened from a game
    // Data/User.dat could be neither read nor set aside: it must not be overwritten.
    bool souborNecitelny = false;

    // A computer seat's name box cannot be edited.
    bool jmenoZamceno(int p) const { return NastPC[p] != kClovek; }
};

// The name a seat's box gets when the seat is switched between a person, the
// computer player and the master: "Hrac2", "PC2", "Mistr2".
inline std::string vychoziJmeno(int p, int32_t uroven) {
    return (uroven == kMistr ? "Mistr" : uroven != kClovek ? "PC" : "Hrac") + std::to_string(p);
}

inline constexpr const char* kUserDat = "Data/User.dat";

// What reading the settings came to: whether the file was used, and what the
// player is to be told (empty when all is well).
struct NactenaNastaveni {
    bool pouzit = false;
    std::string upozorneni;
    explicit operator bool() const { return pouzit; }
};
// Reads Data/User.dat into `nast` and s.ZvukyZap. The whole file is checked
// first; a missing one gives the defaults (the file is written at the next
// save). One that cannot be read, or is not a settings file, gives the
// defaults too but is kept: set aside under another name (or, when even that
// fails, left where it is and never overwritten).
NactenaNastaveni LoadUserData(UserSettings& nast, GameState& s, const FileRoot& user,
                              int musicTracks);
// Writes Data/User.dat (a temporary file renamed over it). Throws FileError.
void SaveUserData(const UserSettings& nast, const GameState& s, const FileRoot& user);

// The file's text for these settings, and the other way round (throws
// FileError naming `name` for a bad text).
std::string formatUserData(const UserSettings& nast, bool zvukyZap);
void parseUserData(std::string_view bytes, const std::string& name, UserSettings& nast,
                   bool& zvukyZap);

}  // namespace tb
