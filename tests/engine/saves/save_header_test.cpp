#include "engine/saves/save_header.h"

#include <gtest/gtest.h>

#include "engine/game/clock_text.h"
#include "engine/saves/slot_files.h"
#include "files/file_lines.h"
#include "support/temp_dir.h"

namespace tb {
namespace {

TEST(ClockText, FormatsAndParsesTheCaption) {
    const struct {
        int32_t sekundy;
        const char* text;
    } cases[] = {{0, "0:00:00"},    {59, "0:00:59"},     {425, "0:07:05"},
                 {3725, "1:02:05"}, {36000, "10:00:00"}, {360000, "100:00:00"}};
    for (const auto& c : cases) {
        EXPECT_EQ(casText(c.sekundy), c.text);
        int32_t back = -1;
        EXPECT_TRUE(parseCasText(c.text, back)) << c.text;
        EXPECT_EQ(back, c.sekundy);
    }
    for (const char* bad : {"", "1:2:05", "1:02", ":02:05", "1:02:05:", "a:02:05", "1;02:05",
                            "1:0x:05", "99999999999:00:00"}) {
        int32_t v = 7;
        EXPECT_FALSE(parseCasText(bad, v)) << bad;
    }
}

std::vector<std::string> hlavicka(std::vector<std::string> l) {
    return l;
}

TEST(SlotHeader, ReadsBothKindsAlike) {
    // A saved game: names on lines 10, 14, 18.
    auto hra =
        hlavicka({"6.12.2026", "0",  "11",  "3725", "90", "3",  "40",  "2", "3", "Jana", "37",
                  "0",         "1,", "PC2", "-4",   "1",  "2,", "Eva", "0", "0", "3,"});
    SlotHeader h = parseSlotHeader(hra);
    EXPECT_FALSE(h.PraznaPozice);
    EXPECT_EQ(h.HlavDatum, "6.12.2026");
    EXPECT_EQ(h.HlavTahu, "11");
    EXPECT_EQ(h.HlavCas, "1:02:05");
    EXPECT_EQ(h.HlavHracu, "3");
    ASSERT_EQ(h.pocetJmen, 3);
    EXPECT_EQ(h.HlavJmena[1], "Jana");
    EXPECT_EQ(h.HlavJmena[2], "PC2");
    EXPECT_EQ(h.HlavJmena[3], "Eva");

    // A saved game record: the same places, empty lines between.
    h = parseSlotHeader({"1.1.2027", "", "4", "59", "", "", "", "", "2", "A", "", "", "", "B"});
    EXPECT_EQ(h.HlavCas, "0:00:59");
    ASSERT_EQ(h.pocetJmen, 2);
    EXPECT_EQ(h.HlavJmena[2], "B");
}

TEST(SlotHeader, FreeOrOddSlotsNeverFail) {
    EXPECT_TRUE(parseSlotHeader({}).PraznaPozice);
    EXPECT_TRUE(parseSlotHeader({"", "1", "2"}).PraznaPozice);
    // Odd lines show as they stand; names only as far as the file goes.
    SlotHeader h = parseSlotHeader({"x", "", "many", "-5", "", "", "", "", "9", "A"});
    EXPECT_FALSE(h.PraznaPozice);
    EXPECT_EQ(h.HlavTahu, "many");
    EXPECT_EQ(h.HlavCas, "");
    EXPECT_EQ(h.HlavHracu, "9");
    EXPECT_EQ(h.pocetJmen, 1);
    h = parseSlotHeader({"x"});
    EXPECT_EQ(h.HlavTahu, "");
    EXPECT_EQ(h.pocetJmen, 0);

    test::TempDir dir;
    FileRoot user(dir.path());
    EXPECT_TRUE(NactiSaveData(user, 3, false).PraznaPozice);  // no file at all
    writeUserFile(user, "save/prubeh/3.dat", "2.2.2027\r\n\r\n5\r\n");
    EXPECT_TRUE(NactiSaveData(user, 3, false).PraznaPozice);
    h = NactiSaveData(user, 3, true);  // names matched without regard to case
    EXPECT_FALSE(h.PraznaPozice);
    EXPECT_EQ(h.HlavTahu, "5");
}

}  // namespace
}  // namespace tb
