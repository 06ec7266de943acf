#include "engine/saves/record_part.h"

#include <array>
#include <limits>

#include "engine/game/clock_text.h"
#include "engine/game/game_state.h"

namespace tb {
namespace {

constexpr int32_t kAny = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

void checkRecord(LineReader& r) {
    r.number(kAny, kMax);  // record number
    r.skip();              // move description
    r.number(0, kMax);     // game clock
    r.number(0, kMax);     // turn clock
    r.number(1, kSeats);   // next on move
    r.number(0, kTiles);   // drawn from the bag
    std::array<int32_t, kBoard> row{};
    for (int p = 1; p <= kSeats; ++p) {
        r.list(std::span(row).first(kRack), 0, kTiles);
        r.number(kAny, kMax);  // points of the latest move
        r.number(kAny, kMax);  // total
    }
    for (int y = 1; y <= kBoard; ++y) r.list(row, 0, kTiles);
    r.empty();
}

// Bonus entries (a text line and an empty line each), the time line, then
// one final score per seat.
void checkClosing(LineReader& r, int pocetHracu) {
    const size_t left = r.remaining();
    const size_t fixed = 1 + static_cast<size_t>(pocetHracu);
    if (left < fixed || (left - fixed) % 2 != 0 || (left - fixed) / 2 > size_t(pocetHracu))
        r.fail("neither a whole record nor a closing section");
    for (size_t b = (left - fixed) / 2; b > 0; --b) {
        const std::string& entry = r.text();
        if (entry.empty() || entry[0] < '1' || entry[0] > char('0' + pocetHracu))
            r.failHere("a bonus entry expected");
        r.empty();
    }
    int32_t sekundy = 0;
    if (!parseCasText(r.text(), sekundy)) r.failHere("a playing time expected");
    for (int p = 1; p <= pocetHracu; ++p) r.number(kAny, kMax);
}

}  // namespace

int checkRecordLines(LineReader& r, int pocetHracu) {
    int records = 0;
    while (r.remaining() >= size_t(kRecordLines)) {
        checkRecord(r);
        ++records;
    }
    if (!r.atEnd()) checkClosing(r, pocetHracu);
    return records;
}

std::vector<std::string> readRecordPart(LineReader& r, int pocetHracu, int32_t posledniTah) {
    std::vector<std::string> lines = r.rest();
    const int records = checkRecordLines(r, pocetHracu);
    if (records < posledniTah)
        r.fail("the move record holds " + std::to_string(records) + " moves, " +
               std::to_string(posledniTah) + " expected");
    return lines;
}

}  // namespace tb
