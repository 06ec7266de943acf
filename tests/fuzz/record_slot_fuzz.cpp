// Saved game record reader: any bytes either fail with FileError or give a
// record that, applied and written again, reads back to the same file.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/saves/game_record_slot.h"
#include "engine/saves/save_header.h"
#include "files/file_lines.h"
#include "files/files.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tb;
    const auto lines = splitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    parseSlotHeader(lines);
    RecordSlot z;
    try {
        z = parseRecordSlot(lines, "slot");
    } catch (const FileError&) {
        return 0;
    }
    GameState s;
    applyRecordSlot(s, z);
    const std::string once = formatRecordSlot(s, lines[0], "1:02:05", z.zapis);
    RecordSlot again;
    try {
        again = parseRecordSlot(splitLines(once), "written slot");
    } catch (const FileError&) {
        fuzz::require(false, "a record slot that loaded is not read back after saving");
    }
    GameState t;
    applyRecordSlot(t, again);
    fuzz::require(formatRecordSlot(t, lines[0], "1:02:05", again.zapis) == once,
                  "save, load, save differs");
    fuzz::require(parseSlotHeader(splitLines(once)).HlavCas == "1:02:05", "length not kept");
    return 0;
}
