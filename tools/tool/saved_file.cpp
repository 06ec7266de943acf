#include "tools/tool/saved_file.h"

#include "engine/game/tiles.h"
#include "files/file_lines.h"
#include "files/files.h"

namespace tb::tool {

SavedGame nactiUlozenouHru(const std::filesystem::path& soubor, GameState& s) {
    SavedGame g = parseSavedGame(splitLines(readFile(soubor, kMaxRecordBytes)), soubor.string());
    dejVsechnaPismena(s);
    applySavedGame(s, g);
    LoadZobrazPole(s);
    return g;
}

}  // namespace tb::tool
