// The board picture agrees with the rules: every square shows its premium
// colour under the place its tile is drawn at.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/game/game_state.h"
#include "engine/game/tiles.h"
#include "tools/installed_files.h"

namespace {

struct Colour {
    int r, g, b;
};

class BoardPicture : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto file = tbtest::installRoot() / "images/Form1/HraciPlocha.png";
        surface_.reset(cairo_image_surface_create_from_png(file.c_str()));
        ASSERT_EQ(cairo_surface_status(surface_.get()), CAIRO_STATUS_SUCCESS) << file;
    }
    Colour at(int x, int y) const {
        const auto* row = cairo_image_surface_get_data(surface_.get()) +
                          y * cairo_image_surface_get_stride(surface_.get());
        const uint32_t p = reinterpret_cast<const uint32_t*>(row)[x];
        return {int(p >> 16 & 0xFF), int(p >> 8 & 0xFF), int(p & 0xFF)};
    }
    struct Free {
        void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
    };
    std::unique_ptr<cairo_surface_t, Free> surface_;
};

// The tile of cell (x, y) is drawn at round((x - 1) * 37.714285 + 6) on the board.
int tileLeft(int x) {
    return int(std::lround((x - 1) * 37.714285 + 6));
}
int tileTop(int y) {
    return int(std::lround((y - 1) * 37.714285 + 5));
}

// Which of the five looks a pixel is nearest to: a plain square, light green
// "2P", dark green "3P", light red "2S", dark red "3S".
int premiumOf(Colour c) {
    struct Look {
        int premium;
        Colour c;
    };
    static constexpr Look kLooks[] = {{tb::kPlain, {42, 95, 76}},
                                      {tb::kLetter2, {155, 217, 143}},
                                      {tb::kLetter3, {31, 122, 48}},
                                      {tb::kWord2, {242, 160, 151}},
                                      {tb::kWord3, {181, 42, 46}}};
    int best = 0, bestDistance = 1 << 30;
    for (const Look& l : kLooks) {
        const int d = (c.r - l.c.r) * (c.r - l.c.r) + (c.g - l.c.g) * (c.g - l.c.g) +
                      (c.b - l.c.b) * (c.b - l.c.b);
        if (d < bestDistance) bestDistance = d, best = l.premium;
    }
    return best;
}

TEST_F(BoardPicture, EverySquareShowsItsPremium) {
    auto state = std::make_unique<tb::GameState>();
    tb::InitBodovanePole(*state);
    for (int x = 1; x <= 15; ++x)
        for (int y = 1; y <= 15; ++y) {
            SCOPED_TRACE(testing::Message() << "cell " << x << "," << y);
            // Half way down, near the left edge: clear of the label in the middle.
            const Colour c = at(tileLeft(x) + 3, tileTop(y) + 16);
            EXPECT_EQ(premiumOf(c), state->BodovanePole[x][y]) << c.r << " " << c.g << " " << c.b;
        }
}

}  // namespace
