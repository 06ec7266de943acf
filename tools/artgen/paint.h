#pragma once
// The shared look of every picture: palette, text, felt, brass and panels.
// Every family of pictures draws through these, so the game reads as one piece.

#include <cstdint>
#include <functional>
#include <string>

#include "tools/artgen/canvas.h"

namespace art {

struct Rgb {
    double r = 0, g = 0, b = 0;
};
constexpr Rgb hex(uint32_t v) {
    return {((v >> 16) & 0xFF) / 255.0, ((v >> 8) & 0xFF) / 255.0, (v & 0xFF) / 255.0};
}
Rgb mix(Rgb a, Rgb b, double t);

namespace pal {
inline constexpr Rgb kBaize = hex(0x145A3A);
inline constexpr Rgb kBaizeDeep = hex(0x0A3322);
inline constexpr Rgb kIvory = hex(0xF7EDD3);
inline constexpr Rgb kIvoryShade = hex(0xE2CFA0);
inline constexpr Rgb kInk = hex(0x2A1D12);
inline constexpr Rgb kCream = hex(0xF6E9C8);
inline constexpr Rgb kGold = hex(0xF1C75B);
inline constexpr Rgb kBrass = hex(0xC99A3E);
inline constexpr Rgb kBrassDark = hex(0x6E4A15);
inline constexpr Rgb kWalnut = hex(0x4A2E1A);
inline constexpr Rgb kNight = hex(0x071A12);
inline constexpr Rgb kLetter2 = hex(0x9BD98F);  // "2P"
inline constexpr Rgb kLetter3 = hex(0x1F7A30);  // "3P"
inline constexpr Rgb kWord2 = hex(0xF2A097);    // "2S"
inline constexpr Rgb kWord3 = hex(0xB52A2E);    // "3S"
}  // namespace pal

void setColour(cairo_t* cr, Rgb c, double alpha = 1.0);
void roundedRect(cairo_t* cr, Rect r, double radius);

struct Font {
    std::string family = "DejaVu Sans";
    double px = 14;  // pixel height of the em
    bool bold = false;
    bool italic = false;
};
inline Font sans(double px, bool bold = true) {
    return {"DejaVu Sans", px, bold, false};
}
inline Font serif(double px, bool bold = true) {
    return {"Liberation Serif", px, bold, false};
}

enum class Align { Left, Centre, Right };
struct TextStyle {
    Font font;
    Rgb colour = pal::kCream;
    Align align = Align::Centre;
    double shadow = 0;  // offset of a dark drop shadow, 0 for none
    double glow = 0;    // radius of a warm glow behind the letters, 0 for none
    Rgb glowColour = pal::kGold;
    // Centre the line box, so capitals sit level whatever their accents and
    // descenders; or centre the ink of the letters (single glyphs).
    bool byInk = false;
};
// Draws UTF-8 text centred vertically in the box; the font shrinks until the
// text fits the box's width.
void drawText(cairo_t* cr, const std::string& utf8, Rect box, TextStyle style);
double textWidth(cairo_t* cr, const std::string& utf8, const Font& font);

// Surfaces.
void fillBaize(cairo_t* cr, Rect r, unsigned seed);
void fillWood(cairo_t* cr, Rect r, unsigned seed);
// Speckles the pixels of a region so flat fills read as cloth or metal.
void addGrain(cairo_t* cr, Rect r, double amplitude, unsigned seed);
// A wooden board with a brass rim, optionally casting a shadow on the table.
void woodenPlate(cairo_t* cr, Rect r, double radius, unsigned seed, bool shadow);
void softShadow(cairo_t* cr, Rect r, double radius, double spread, double alpha);
void brassRim(cairo_t* cr, Rect r, double radius, double width);
// A recessed dark panel with a brass rim: score boxes, dialogs, frames.
void insetPanel(cairo_t* cr, Rect r, double radius);
// A black display window with a bevel, for texts the game paints itself.
void displayWell(cairo_t* cr, Rect r, double radius);
// A whole window of a dialog: felt, brass rim and an optional title band.
void windowBackground(cairo_t* cr, Rect r, const std::string& title);

// The same as whole pictures: a dialog's background, and a gold heading on a
// see-through ground for the menu screens.
Canvas windowPicture(int w, int h, const std::string& title);
Canvas headingPicture(const std::string& utf8, int w, int h, double px = 0);

// Picture buttons in their three faces.
enum class Face { Off, On, Down };
using Content = std::function<void(cairo_t*, Rect, Rgb ink)>;
void brassButton(cairo_t* cr, Rect r, Face face, const Content& content);
Content caption(const std::string& utf8, double px = 0);

}  // namespace art
