// The pictures the game loads: present, of their stated size and
// transparency, not blank, told apart where they must be.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "engine/game/game_state.h"
#include "engine/game/tiles.h"
#include "tools/installed_files.h"

namespace {

using tbtest::installRoot;
using tbtest::ManifestLine;
using tbtest::Size;

struct Free {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, Free>;

Surface loadPng(const std::filesystem::path& file) {
    Surface s(cairo_image_surface_create_from_png(file.c_str()));
    EXPECT_EQ(cairo_surface_status(s.get()), CAIRO_STATUS_SUCCESS) << file;
    return s;
}

uint32_t pixel(cairo_surface_t* s, int x, int y) {
    const auto* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
    return reinterpret_cast<const uint32_t*>(row)[x];
}

struct Coverage {
    bool anyClear = false;  // some pixel not fully opaque
    bool anyInk = false;    // some pixel visible at all
    bool varied = false;    // not one flat colour
};

Coverage coverageOf(const std::filesystem::path& file) {
    const Surface s = loadPng(file);
    Coverage c;
    if (cairo_surface_status(s.get()) != CAIRO_STATUS_SUCCESS) return c;
    const bool hasAlpha = cairo_image_surface_get_format(s.get()) == CAIRO_FORMAT_ARGB32;
    const uint32_t first = pixel(s.get(), 0, 0);
    for (int y = 0; y < cairo_image_surface_get_height(s.get()); ++y)
        for (int x = 0; x < cairo_image_surface_get_width(s.get()); ++x) {
            const uint32_t p = pixel(s.get(), x, y), a = hasAlpha ? p >> 24 : 0xFF;
            c.anyClear |= a != 0xFF;
            c.anyInk |= a != 0;
            c.varied |= p != first;
        }
    return c;
}

std::string pixelsOf(const std::filesystem::path& p) {
    const std::string all = tbtest::readBytes(p, std::filesystem::file_size(p));
    // Past the header: PNG streams differ with the pixels, BMP pixels follow byte 54.
    return all.substr(all.compare(0, 2, "BM") == 0 ? 54 : 33);
}

// Every letter tile is its own, and a button's OFF, ON and Down faces differ.
TEST(PicturePixels, TilesAndTheFacesOfAButtonDiffer) {
    std::set<std::string> tiles;
    for (int kod = 1; kod <= 38; ++kod)
        EXPECT_TRUE(tiles.insert(pixelsOf(installRoot() / tb::letterImagePath(kod))).second)
            << "tile " << kod << " repeats an earlier one";
    // The faces of each button: same list, same name without its face suffix.
    std::map<std::string, std::vector<std::string>> buttons;
    for (const auto& l : tbtest::readManifest())
        for (const std::string face : {"OFF", "Off", "ON", "On", "Down"})
            if (l.name.size() > face.size() && l.name.ends_with(face)) {
                buttons[l.list + "/" + l.name.substr(0, l.name.size() - face.size())].push_back(
                    l.file);
                break;
            }
    EXPECT_GT(buttons.size(), 60u);
    for (const auto& [button, files] : buttons) {
        std::set<std::string> looks;
        for (const auto& f : files) looks.insert(pixelsOf(installRoot() / f));
        EXPECT_EQ(looks.size(), files.size()) << button;
    }
}

// The nearest look: plain, light green 2P, dark green 3P, light red 2S, dark red 3S.
int premiumOf(uint32_t p) {
    struct Look {
        int premium, r, g, b;
    };
    static constexpr Look kLooks[] = {{tb::kPlain, 42, 95, 76},
                                      {tb::kLetter2, 155, 217, 143},
                                      {tb::kLetter3, 31, 122, 48},
                                      {tb::kWord2, 242, 160, 151},
                                      {tb::kWord3, 181, 42, 46}};
    const int r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF;
    int best = 0, bestDistance = 1 << 30;
    for (const Look& l : kLooks) {
        const int d = (r - l.r) * (r - l.r) + (g - l.g) * (g - l.g) + (b - l.b) * (b - l.b);
        if (d < bestDistance) bestDistance = d, best = l.premium;
    }
    return best;
}

TEST(BoardPicture, EverySquareShowsItsPremium) {
    const Surface board = loadPng(installRoot() / "images/Form1/HraciPlocha.png");
    ASSERT_EQ(cairo_surface_status(board.get()), CAIRO_STATUS_SUCCESS);
    auto state = std::make_unique<tb::GameState>();
    tb::InitBodovanePole(*state);
    for (int x = 1; x <= 15; ++x)
        for (int y = 1; y <= 15; ++y) {
            // Half way down near the left edge of where the tile is drawn, clear of the label.
            const uint32_t p = pixel(board.get(), int(std::lround((x - 1) * 37.714285 + 6)) + 3,
                                     int(std::lround((y - 1) * 37.714285 + 5)) + 16);
            EXPECT_EQ(premiumOf(p), state->BodovanePole[x][y]) << "cell " << x << "," << y;
        }
}

TEST(Pictures, EveryManifestFileHasItsStatedSizeAndTransparencyAndIsNotBlank) {
    const auto lines = tbtest::readManifest();
    ASSERT_GT(lines.size(), 300u);
    std::set<std::string> files;
    for (const ManifestLine& l : lines) {
        SCOPED_TRACE(l.list + "/" + l.name);
        EXPECT_TRUE(files.insert(l.file).second) << "two items share " << l.file;
        const auto size = tbtest::pictureSize(installRoot() / l.file);
        ASSERT_TRUE(size.has_value()) << l.file << " is missing or not a picture";
        EXPECT_EQ(*size, (Size{l.w, l.h}));
        if (l.file.ends_with(".bmp")) continue;
        const Coverage c = coverageOf(installRoot() / l.file);
        EXPECT_TRUE(c.anyInk && c.varied) << "blank picture";
        EXPECT_EQ(c.anyClear, l.transparent);
    }
}

// The room left for the game's own controls lies inside its window's picture.
TEST(Pictures, ControlsLaidOutInsideTheirWindows) {
    std::map<std::string, Size> windowSize;
    for (const ManifestLine& l : tbtest::readManifest())
        if (l.index == 0) windowSize[l.list] = {l.w, l.h};
    std::ifstream in(installRoot() / "images/layout.txt");
    std::string line;
    int controls = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream f(line);
        std::string window, control;
        double x, y, w, h;
        std::getline(f, window, '\t');
        std::getline(f, control, '\t');
        f >> x >> y >> w >> h;
        SCOPED_TRACE(window + " " + control);
        ASSERT_TRUE(windowSize.count(window));
        EXPECT_TRUE(x >= 0 && y >= 0 && x + w <= windowSize[window].w &&
                    y + h <= windowSize[window].h);
        ++controls;
    }
    EXPECT_GT(controls, 50);  // the 38 letter labels alone
}

}  // namespace
