#pragma once
// Text on the back buffer: fonts chosen by family name through fontconfig
// ("Times New Roman", "Arial", "Arial Black", "Verdana" find their metric
// twins), sizes in pixels, text given in code page 1250.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/bitmap.h"

namespace tb {

struct Font {
    std::string family = "Arial";
    int size = 12;  // pixels
    bool bold = false;
    Rgb color{255, 255, 255};
    friend bool operator==(const Font&, const Font&) = default;
};

class TextPainter {
  public:
    TextPainter();
    ~TextPainter();
    TextPainter(const TextPainter&) = delete;
    TextPainter& operator=(const TextPainter&) = delete;

    int textWidth(const Font& f, std::string_view cp1250);
    int textHeight(const Font& f);
    // Writes the text with its top left at (x, y); with a brush its box is
    // filled first, else the text lies on what is there.
    void textOut(Bitmap& dst, int x, int y, const Font& f, std::string_view cp1250,
                 std::optional<Rgb> brush = std::nullopt);
    // The left edge of a text of `textWidth` centred in a box of `boxWidth`
    // starting at `left`; a text wider than the box starts left of it.
    static int centredLeft(int left, int boxWidth, int textWidth) {
        return left + (boxWidth - textWidth) / 2;
    }
    // The font file fontconfig picks for a family (for tests and diagnostics).
    static std::string fontFile(const std::string& family, bool bold);

  private:
    struct Face;
    Face& face(const Font& f);
    const Bitmap& rendered(const Font& f, std::string_view cp1250);

    std::map<std::tuple<std::string, int, bool>, std::unique_ptr<Face>> faces_;
    // Rendered texts, since the screens paint the same few texts every frame.
    std::unordered_map<std::string, Bitmap> cache_;
};

}  // namespace tb
