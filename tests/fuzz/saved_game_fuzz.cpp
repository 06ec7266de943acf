// Saved-game slot reader: any bytes either fail with FileError or give a game
// that, applied and written again, reads back to the same file.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/saves/save_header.h"
#include "engine/saves/saved_game.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tb;
    const auto lines = splitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    parseSlotHeader(lines);
    const std::string once = fuzz::roundTrip(lines, parseSavedGame, [&](const SavedGame& g) {
        GameState s;
        applySavedGame(s, g);
        return formatSavedGame(s, lines[0], g.zapis);
    });
    fuzz::require(once.empty() || !parseSlotHeader(splitLines(once)).PraznaPozice,
                  "a saved slot reads as free");
    return 0;
}
