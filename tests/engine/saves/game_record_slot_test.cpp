#include "engine/saves/game_record_slot.h"

#include <gtest/gtest.h>

#include "engine/saves/record_part.h"
#include "engine/saves/save_header.h"
#include "engine/saves/slot_files.h"
#include "files/file_lines.h"
#include "saved_game_fixture.h"
#include "support/temp_dir.h"

namespace tb {
namespace {

using test::rozehranaHra;
using test::zaznamHry;

// The closing section of a two-player game that seat 2 finished.
std::vector<std::string> zaver() {
    return {
        "1Nevyu\x9Ent\xED v\x9A"
        "ech p\xEDsmen :   -7",
        "",
        "2Vyu\x9Eit\xED v\x9A"
        "ech p\xEDsmen :     +7",
        "",
        "1:02:05",
        "30",
        "51"};
}

class RecordSlotTest : public ::testing::Test {
  protected:
    test::TempDir dir;
    FileRoot user{dir.path()};
    GameState hra = rozehranaHra(2);

    std::vector<std::string> zapis() {
        auto l = zaznamHry(hra, hra.PosledniTah);
        auto z = zaver();
        l.insert(l.end(), z.begin(), z.end());
        return l;
    }
};

TEST_F(RecordSlotTest, SaveAndLoadForViewing) {
    writeRecordFile(user, zapis());
    SavePr(hra, user, 7, "6.12.2026", "1:02:05");
    const auto l = *readSlotLines(user, 7, true);
    const std::vector<std::string> head = {"6.12.2026", "", "11", "3725", "",    "", "", "", "2",
                                           "Jana",      "", "",   "",     "PC2", "", "", "", ""};
    ASSERT_GT(l.size(), head.size());
    EXPECT_EQ(std::vector<std::string>(l.begin(), l.begin() + head.size()), head);
    EXPECT_EQ(NactiSaveData(user, 7, true).HlavCas, "1:02:05");

    writeRecordFile(user, {"other"});
    GameState s = rozehranaHra(4, 3);
    LoadPr(s, user, 7);
    EXPECT_EQ(readSlotLines(user, 7, true)->size(), head.size() + zapis().size());
    EXPECT_EQ(splitLines(readFile(user.resolve(kMainDat))), zapis());
    EXPECT_EQ(s.Faze, Phase::LoadedRecord);
    EXPECT_EQ(s.PosledniTah, 12);
    EXPECT_EQ(s.CisloTahu, 1);
    EXPECT_EQ(s.PocetHracu, 2);
    EXPECT_EQ(s.Hraci[2].Jmeno, "PC2");
    for (int p = 1; p <= kSeats; ++p) EXPECT_EQ(s.Hraci[p].JePC, 0);

    // Written again from the loaded state and record, the slot is unchanged.
    const std::string first = readFile(user.resolve(slotName(7, true)));
    s.SekundHry = 1;  // the length comes from the caption, not the clock
    SavePr(s, user, 8, "6.12.2026", "1:02:05");
    EXPECT_EQ(readFile(user.resolve(slotName(8, true))), first);
}

TEST_F(RecordSlotTest, BadRecordSlotChangesNothing) {
    writeRecordFile(user, zapis());
    SavePr(hra, user, 2, "6.12.2026", "1:02:05");
    const auto good = *readSlotLines(user, 2, true);
    const size_t rec = 18;  // first line of record 1
    const test::BadCase cases[] = {
        {"free", [](auto& l) { l[0] = ""; }},
        {"not a number", [](auto& l) { l[2] = "x"; }},
        {"outside", [](auto& l) { l[8] = "7"; }},
        {"not a number", [&](auto& l) { l[rec + 2] = "x"; }},
        {"outside", [&](auto& l) { l[rec + 4] = "0"; }},
        {"outside", [&](auto& l) { l[rec + 5] = "98"; }},
        {"item 1 is outside", [&](auto& l) { l[rec + 6] = "98,0,0,0,0,0,0,"; }},
        {"15 numbers expected", [&](auto& l) { l[rec + 20] = "0,0,"; }},
        {"empty line expected", [&](auto& l) { l[rec + 33] = "0"; }},
        {"a playing time expected", [](auto& l) { l[l.size() - 3] = "62 min"; }},
        {"a bonus entry expected", [](auto& l) { l[l.size() - 7] = "7Bonus"; }},
        {"neither a whole record", [](auto& l) { l.push_back("0"); }},
        {"moves, 13 expected", [](auto& l) { l[2] = "12"; }},
        // Record 1, where the viewer opens, must load as a position.
        {"no such player on move 3", [&](auto& l) { l[rec + 4] = "3"; }},
    };
    test::expectEveryBadSlotRefused(user, "Save/Prubeh/2.dat", good, cases,
                                    [&](GameState& s) { LoadPr(s, user, 2); });
}

TEST(RecordLines, ClosingSectionsOfEveryShape) {
    const GameState s = rozehranaHra(3);
    const struct {
        int bonusy;
        bool ok;
    } cases[] = {{0, true}, {1, true}, {3, true}, {4, false}};
    for (const auto& c : cases) {
        auto l = zaznamHry(s, 2);
        for (int b = 0; b < c.bonusy; ++b) l.insert(l.end(), {"2Nevyu\x9Ent\xED :   -3", ""});
        l.insert(l.end(), {"0:10:00", "1", "2", "3"});
        LineReader r(l, "main.dat");
        if (c.ok) {
            EXPECT_EQ(checkRecordLines(r, 3), 2);
        } else {
            EXPECT_THROW(checkRecordLines(r, 3), FileError);
        }
    }
    LineReader prazdny({}, "main.dat");
    EXPECT_EQ(checkRecordLines(prazdny, 2), 0);
}

}  // namespace
}  // namespace tb
