// Saved-game slot reader: any bytes either fail with FileError or give a game
// that, applied and written again, reads back to the same file.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/saves/save_header.h"
#include "engine/saves/saved_game.h"
#include "files/file_lines.h"
#include "files/files.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tb;
    const auto lines = splitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    parseSlotHeader(lines);
    SavedGame g;
    try {
        g = parseSavedGame(lines, "slot");
    } catch (const FileError&) {
        return 0;
    }
    GameState s;
    applySavedGame(s, g);
    const std::string once = formatSavedGame(s, lines[0], g.zapis);
    SavedGame again;
    try {
        again = parseSavedGame(splitLines(once), "written slot");
    } catch (const FileError&) {
        fuzz::require(false, "a slot that loaded is not read back after saving");
    }
    GameState t;
    applySavedGame(t, again);
    fuzz::require(formatSavedGame(t, lines[0], again.zapis) == once, "save, load, save differs");
    fuzz::require(!parseSlotHeader(splitLines(once)).PraznaPozice, "a saved slot reads as free");
    return 0;
}
