// The board: fifteen by fifteen squares at a pitch of 37.714285 pixels, the
// premium squares in their four colours with their labels.
#include <cmath>
#include <memory>

#include "engine/game/game_state.h"
#include "engine/game/tiles.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/pieces.h"

namespace art {

namespace {

constexpr double kPitch = 37.714285;

struct SquareLook {
    Rgb fill;
    Rgb label;
    const char* text;
};

SquareLook lookOf(int premium) {
    switch (premium) {
        case tb::kLetter2:
            return {pal::kLetter2, hex(0x1D4F24), "2P"};
        case tb::kLetter3:
            return {pal::kLetter3, hex(0xF2FBEF), "3P"};
        case tb::kWord2:
            return {pal::kWord2, hex(0x6E1A18), "2S"};
        case tb::kWord3:
            return {pal::kWord3, hex(0xFFF0EA), "3S"};
        default:
            return {hex(0x2A5F4C), {}, ""};
    }
}

void star(cairo_t* cr, double cx, double cy, double r) {
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5, rr = i % 2 ? r * 0.45 : r;
        i ? cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a))
          : cairo_move_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    }
    cairo_close_path(cr);
}

void drawSquare(cairo_t* cr, Rect sq, int premium, bool centre) {
    const SquareLook look = lookOf(premium);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, sq.y, 0, sq.bottom());
    const Rgb top = mix(look.fill, {1, 1, 1}, 0.12), bottom = mix(look.fill, {0, 0, 0}, 0.12);
    cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
    roundedRect(cr, sq, 3);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // A thin light edge above and a dark one below make the square sit in the felt.
    roundedRect(cr, sq.inset(0.5), 2.5);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_move_to(cr, sq.x + 3, sq.y + 1.5);
    cairo_line_to(cr, sq.right() - 3, sq.y + 1.5);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.22);
    cairo_stroke(cr);
    if (centre) {
        star(cr, sq.x + sq.w / 2, sq.y + sq.h / 2 + 0.5, sq.w * 0.36);
        setColour(cr, pal::kGold, 0.9);
        cairo_fill_preserve(cr);
        cairo_set_source_rgba(cr, 0.35, 0.22, 0.02, 0.9);
        cairo_stroke(cr);
    }
    if (*look.text) drawText(cr, look.text, sq.inset(2), {sans(13.5), look.label, Align::Centre});
}

}  // namespace

double cellLeft(int x) {
    return std::round((x - 1) * kPitch + 1);
}
double cellTop(int y) {
    return std::round((y - 1) * kPitch);
}

Canvas makeBoard() {
    Canvas board(570, 569);
    cairo_t* cr = board.cr();
    cairo_set_source_rgb(cr, 0.035, 0.16, 0.105);
    cairo_paint(cr);
    auto state = std::make_unique<tb::GameState>();
    tb::InitBodovanePole(*state);
    for (int x = 1; x <= 15; ++x)
        for (int y = 1; y <= 15; ++y) {
            // A tile sits at +5,+5 in its cell; the square frames it by one pixel.
            const Rect sq{cellLeft(x) + 4, cellTop(y) + 4, 34, 34};
            drawSquare(cr, sq, state->BodovanePole[x][y], x == 8 && y == 8);
        }
    addGrain(cr, board.bounds(), 5, 15);
    return board;
}

}  // namespace art
