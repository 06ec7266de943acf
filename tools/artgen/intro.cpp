// The intro's pictures: the maker's name in five large and eight small
// letters, the caption "uvádí", a credit line and the two title words. They
// are drawn on black.
#include <string>

#include "tools/artgen/families.h"
#include "tools/artgen/paint.h"

namespace art {

namespace {

// The maker: "LOMYK hernička", a name of our own.
constexpr const char* kLarge[] = {"L", "O", "M", "Y", "K"};
constexpr const char* kSmall[] = {"h", "e", "r", "n", "i", "č", "k", "a"};
// Large letters fill these rectangles (left, top, right, bottom).
constexpr Rect kLargeAt[] = {{240, 275, 146, 168},
                             {350, 284, 106, 158},
                             {435, 280, 139, 168},
                             {568, 283, 118, 167},
                             {675, 282, 144, 162}};
constexpr int kSmallLeft[] = {241, 304, 378, 441, 508, 595, 670, 746};

Canvas letter(const char* text, int w, int h, double px, Rgb colour, bool serifFace) {
    Canvas c(w, h);
    TextStyle style{
        serifFace ? serif(px) : sans(px, false), colour, Align::Centre, 3, 6, hex(0xFFB040)};
    drawText(c.cr(), text, c.bounds(), style);
    return c;
}

}  // namespace

void drawIntro(Catalog& c) {
    const std::string l = "DXIntro";
    for (int i = 0; i < 5; ++i) {
        const Rect r = kLargeAt[i];
        c.add(l, "Velke" + std::to_string(i + 1),
              letter(kLarge[i], int(r.w), int(r.h), 150, pal::kGold, true), Pos{int(r.x), int(r.y)},
              true);
    }
    for (int i = 0; i < 8; ++i) {
        const int w = (i < 7 ? kSmallLeft[i + 1] : 819) - kSmallLeft[i];
        c.add(l, "Male" + std::to_string(i + 1), letter(kSmall[i], w, 64, 58, pal::kCream, false),
              Pos{kSmallLeft[i], 453}, true);
    }
    c.add(l, "Uvadi", headingPicture("uvádí", 150, 50, 34), Pos{437, 359}, true);
    c.add(l, "Titulky", headingPicture("hudba a obraz: Lomyk hernička", 410, 50, 24), Pos{307, 359},
          true);
    c.add(l, "Tavik", headingPicture("Tavik", 300, 90, 86), Pos{312, 350}, true);
    c.add(l, "Borun", headingPicture("Borun", 300, 90, 86), Pos{501, 418}, true);
}

}  // namespace art
