#include "engine/saves/save_header.h"

#include <algorithm>

#include "engine/game/clock_text.h"
#include "engine/saves/slot_files.h"
#include "files/file_lines.h"

namespace tb {

SlotHeader parseSlotHeader(const std::vector<std::string>& lines) {
    SlotHeader h;
    if (lines.empty() || lines[0].empty()) return h;
    // What fits the summary; a longer line is no slot of the game's anyway.
    auto line = [&](size_t k) {
        return k <= lines.size() ? lines[k - 1].substr(0, 2 * kDelkaJmena) : std::string();
    };
    h.PraznaPozice = false;
    h.HlavDatum = line(1);
    h.HlavTahu = line(3);
    int32_t v = 0;
    if (parseInt(line(4), v) && v >= 0) h.HlavCas = casText(v);
    h.HlavHracu = line(9);
    if (parseInt(h.HlavHracu, v)) {
        // Four lines per player from line 10; only the names the file holds.
        const int available = lines.size() < 10 ? 0 : int((lines.size() - 10) / 4 + 1);
        h.pocetJmen = std::clamp(v, 0, std::min(kSeats, available));
    }
    for (int p = 1; p <= h.pocetJmen; ++p) h.HlavJmena[p] = line(10 + 4 * size_t(p - 1));
    return h;
}

SlotHeader NactiSaveData(const FileRoot& user, int n, bool prohlizeni) {
    try {
        const auto lines = readSlotLines(user, n, prohlizeni);
        return lines ? parseSlotHeader(*lines) : SlotHeader{};
    } catch (const FileError&) {
        SlotHeader h;
        h.PraznaPozice = false;
        h.Necitelna = true;
        return h;
    }
}

}  // namespace tb
