#include "engine/saves/game_record_slot.h"

#include <limits>
#include <optional>

#include "engine/game/clock_text.h"
#include "engine/game/menu_reset.h"
#include "engine/record/move_record.h"
#include "engine/saves/record_part.h"
#include "engine/saves/slot_files.h"
#include "files/file_lines.h"

namespace tb {

std::string formatRecordSlot(const GameState& s, std::string_view datum, std::string_view casCelkem,
                             const std::vector<std::string>& zapis) {
    int32_t delka = s.SekundHry;
    parseCasText(casCelkem, delka);
    std::vector<std::string> lines = {
        std::string(datum),
        "",
        std::to_string(s.PosledniTah - 1),
        std::to_string(delka),
        "",
        "",
        "",
        "",
        std::to_string(s.PocetHracu),
    };
    // A master seat is marked where a saved game keeps JePC; the other lines
    // stay empty, as a record of an older game has them.
    for (int p = 1; p <= s.PocetHracu; ++p)
        lines.insert(lines.end(), {oneLine(s.Hraci[p].Jmeno), "",
                                   s.VolbaPC[p] == kMistr ? std::to_string(kMistr) : "", ""});
    lines.emplace_back();
    lines.insert(lines.end(), zapis.begin(), zapis.end());
    return joinLines(lines);
}

RecordSlot parseRecordSlot(const std::vector<std::string>& lines, const std::string& name) {
    LineReader r(lines, name);
    RecordSlot z;
    if (lines.empty() || lines[0].empty()) r.fail("the slot is free");
    r.skip();  // the date
    r.skip();
    z.PosledniTah = r.number(0, std::numeric_limits<int32_t>::max() - 1) + 1;
    for (int k = 4; k <= 8; ++k) r.skip();
    z.PocetHracu = r.number(2, kSeats);
    for (int p = 1; p <= z.PocetHracu; ++p) {
        z.Jmena[p] = r.jmeno();
        r.skip();
        z.Urovne[p] = r.text() == std::to_string(kMistr) ? kMistr : kClovek;
        r.skip();
    }
    r.skip();
    z.zapis = readRecordPart(r, z.PocetHracu, z.PosledniTah);
    return z;
}

void SavePr(const GameState& s, const FileRoot& user, int n, std::string_view datum,
            std::string_view casCelkem) {
    writeUserFile(user, slotName(n, true),
                  formatRecordSlot(s, datum, casCelkem, readRecordFile(user)));
}

void LoadPr(GameState& s, const FileRoot& user, int n) {
    const RecordSlot z = parseRecordSlot(readSlotToLoad(user, n, true), slotName(n, true));
    // The viewer opens on record 1: it must load before anything changes, and
    // a record that does not load leaves the previous record file in place.
    const fs::path mainDat = user.resolve(kMainDat);
    const std::optional<std::string> dosavadni =
        existsAtAll(mainDat) ? std::optional(readFile(mainDat, kMaxRecordBytes)) : std::nullopt;
    writeRecordFile(user, z.zapis);
    GameState zkouska = s;
    applyRecordSlot(zkouska, z);
    try {
        TZapis(user).InitTah(zkouska);
    } catch (const FileError& e) {
        std::error_code ec;
        if (dosavadni)
            writeFileAtomic(mainDat, *dosavadni);
        else
            fs::remove(mainDat, ec);
        throw FileError(slotName(n, true) + ": " + e.what());
    }
    applyRecordSlot(s, z);
}

void applyRecordSlot(GameState& s, const RecordSlot& z) {
    MainInitMenu(s);
    s.PosledniTah = z.PosledniTah;
    s.PocetHracu = z.PocetHracu;
    for (int p = 1; p <= z.PocetHracu; ++p) {
        s.Hraci[p].Jmeno = z.Jmena[p];
        s.VolbaPC[p] = z.Urovne[p];
    }
    s.CisloTahu = 1;
    // No computer moves while a record is viewed.
    for (int p = 1; p <= kSeats; ++p) s.Hraci[p].JePC = 0;
    s.Faze = Phase::LoadedRecord;
}

}  // namespace tb
