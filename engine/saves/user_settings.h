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
    uint8_t NastaveniZeHry = 0;          // settings screen opened from a game

    // A computer seat's name box cannot be edited.
    bool jmenoZamceno(int p) const { return NastPC[p] == 1; }
};

inline constexpr const char* kUserDat = "Data/User.dat";

// Reads Data/User.dat into `nast` and s.ZvukyZap. The whole file is checked
// first; a missing, unreadable or malformed file gives the defaults instead
// (the file is written again at the next save). Returns whether the file was
// used.
bool LoadUserData(UserSettings& nast, GameState& s, const FileRoot& user, int musicTracks);
// Writes Data/User.dat (a temporary file renamed over it). Throws FileError.
void SaveUserData(const UserSettings& nast, const GameState& s, const FileRoot& user);

// The file's text for these settings, and the other way round (throws
// FileError naming `name` for a bad text).
std::string formatUserData(const UserSettings& nast, uint8_t zvukyZap);
void parseUserData(std::string_view bytes, const std::string& name, UserSettings& nast,
                   uint8_t& zvukyZap);

}  // namespace tb
