#pragma once
// Saved game records: Save/Prubeh/1.dat..10.dat. The slot header (date,
// moves, length, players) and a copy of the move record, for viewing later.

#include <string>
#include <string_view>
#include <vector>

#include "engine/game/game_state.h"
#include "files/files.h"

namespace tb {

struct RecordSlot {
    int32_t PosledniTah = 0;
    int32_t PocetHracu = 2;
    Arr1<std::string, kSeats> Jmena{};
    Arr1<int32_t, kSeats> Urovne{};  // only a master seat is marked
    std::vector<std::string> zapis;  // the lines of Data/main.dat
};

// `casCelkem` is the text of the total-time caption; the slot stores the
// game length in seconds taken from it (SekundHry when it is not a clock text).
std::string formatRecordSlot(const GameState& s, std::string_view datum, std::string_view casCelkem,
                             const std::vector<std::string>& zapis);
// Checks a whole record slot; throws FileError naming `name`, line and reason.
RecordSlot parseRecordSlot(const std::vector<std::string>& lines, const std::string& name);

// Writes record slot n from the state and Data/main.dat. Throws FileError;
// the previous slot file then stays.
void SavePr(const GameState& s, const FileRoot& user, int n, std::string_view datum,
            std::string_view casCelkem);
// Loads record slot n for viewing: the file is checked whole and
// Data/main.dat rewritten before the state is reset and set up (phase LoadedRecord,
// PosledniTah, seats and names, CisloTahu 1, no computer seats; the master
// seats are kept in VolbaPC for a record saved again). The screen
// then shows move 1 (checked to load) and switches into the viewer. Throws FileError and
// changes nothing when the slot is missing, free or bad.
void LoadPr(GameState& s, const FileRoot& user, int n);
// The state part of LoadPr, for a slot already checked.
void applyRecordSlot(GameState& s, const RecordSlot& z);

}  // namespace tb
