#include "engine/game/options.h"

#include <gtest/gtest.h>

namespace tb {
namespace {

TEST(Options, ParsesEveryOptionAndRefusesNonsense) {
    const Options o =
        parseOptions({"--window", "--new-game", "--no-intro", "--seed", "42", "--user-dir",
                      "/tmp/u", "--root", "/r", "--screenshot", "f.png"});
    EXPECT_TRUE(o.window);
    EXPECT_TRUE(o.newGame);
    EXPECT_TRUE(o.skipIntro);
    EXPECT_EQ(o.screenshot, std::filesystem::path("f.png"));
    EXPECT_EQ(o.seed, 42u);
    EXPECT_EQ(o.userDir, std::filesystem::path("/tmp/u"));
    EXPECT_EQ(o.root, std::filesystem::path("/r"));
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
