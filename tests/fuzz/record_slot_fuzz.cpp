// Saved game record reader: any bytes either fail with FileError or give a
// record that, applied and written again, reads back to the same file.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/saves/game_record_slot.h"
#include "engine/saves/save_header.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tb;
    const auto lines = splitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    parseSlotHeader(lines);
    const std::string once = fuzz::roundTrip(lines, parseRecordSlot, [&](const RecordSlot& z) {
        GameState s;
        applyRecordSlot(s, z);
        return formatRecordSlot(s, lines[0], "1:02:05", z.zapis);
    });
    fuzz::require(once.empty() || parseSlotHeader(splitLines(once)).HlavCas == "1:02:05",
                  "length not kept");
    return 0;
}
