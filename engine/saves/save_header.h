#pragma once
// The summary of a slot that the save and load screens show: read alike
// from saved games and saved game records, whose lines 1, 3, 4, 9 and the
// name lines stand in the same places.

#include <string>
#include <vector>

#include "engine/game/game_state.h"
#include "files/files.h"

namespace tb {

struct SlotHeader {
    bool PraznaPozice = true;  // free slot: missing file or empty first line
    bool Necitelna = false;    // the file is there but cannot be read
    std::string HlavDatum;     // line 1
    std::string HlavTahu;      // line 3 as it stands
    std::string HlavCas;       // line 4 as H:MM:SS (empty when not a number)
    std::string HlavHracu;     // line 9 as it stands
    int pocetJmen = 0;         // names present, 0..4
    Arr1<std::string, kSeats> HlavJmena{};
};

// Reads the header of slot n (a saved game record while `prohlizeni`). Never
// throws: a file that cannot be read is marked so, and an odd line shows as
// it stands (cut short, so that it stays inside the summary).
SlotHeader NactiSaveData(const FileRoot& user, int n, bool prohlizeni);
SlotHeader parseSlotHeader(const std::vector<std::string>& lines);

}  // namespace tb
