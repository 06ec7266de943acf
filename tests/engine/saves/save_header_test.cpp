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

}  // namespace
}  // namespace tb
