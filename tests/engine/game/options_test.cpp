#include "engine/game/options.h"

#include <gtest/gtest.h>

namespace tb {
namespace {

TEST(Options, ParsesEveryOptionAndRefusesNonsense) {
    const Options o =
        parseOptions({"--window", "--new-game", "--no-intro", "--seed", "42", "--user-dir",
                      "/tmp/u", "--root", "/r", "--screenshot", "f.png"});
    EXPECT_TRUE(o.skipIntro);
    EXPECT_EQ(o.screenshot, std::filesystem::path("f.png"));
    EXPECT_FALSE(parseOptions({}).window);
    for (const auto& bad : std::vector<std::vector<std::string>>{{"--seed"},
                                                                 {"--seed", "x"},
                                                                 {"--seed", "-3"},
                                                                 {"--seed", "12x"},
                                                                 {"--bogus"},
                                                                 {"--user-dir"},
                                                                 {"--screenshot"}})
        EXPECT_THROW(parseOptions(bad), std::invalid_argument);
}

}  // namespace
}  // namespace tb
