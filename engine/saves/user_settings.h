#pragma once
// The user settings of Data/User.dat: music volume, sound effects, the
// length of the playlist and the last choices of the new-game screen.

#include <cstdint>
#include <string>

#include "engine/game/game_state.h"
#include "files/files.h"

namespace tb {

// The settings that are not part of the game state. ZvukyZap lives in
// GameState.
struct UserSettings {
    int32_t HlasitostHudby = 0;          // 0..255
    int32_t PocetPisni = 0;              // music tracks 1..PocetPisni in the playlist
    int32_t NastHracu = 2;               // 2..4
    int32_t NastMinPismen = 2;           // 2..5
    int32_t NastLimit = 0;               // 0..300 seconds in steps of 30, 0 = none
    Arr1<int32_t, kSeats> NastPC{};      // 1 = the computer plays the seat
    Arr1<std::string, kSeats> MJmeno{};  // texts of the four name boxes
    bool NastaveniZeHry = false;         // settings screen opened from a game
    // Data/User.dat could be neither read nor set aside: it must not be overwritten.
    bool souborNecitelny = false;

    // A computer seat's name box cannot be edited.
    bool jmenoZamceno(int p) const { return NastPC[p] == 1; }
};

// The name a seat's box gets when the seat is switched between a person and
// the computer: "Hrac2", "PC2".
inline std::string vychoziJmeno(int p, bool pc) {
    return (pc ? "PC" : "Hrac") + std::to_string(p);
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
