#pragma once
// A picture in memory: 32-bit ARGB pixels (0xAARRGGBB), row by row. The back
// buffer, the image-list items and the work pictures of the screens are all
// bitmaps, so every drawing operation works on exact pixels.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace tb {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    constexpr uint32_t argb() const {
        return 0xFF000000u | (uint32_t{r} << 16) | (uint32_t{g} << 8) | uint32_t{b};
    }
    static constexpr Rgb of(uint32_t argb) {
        return {uint8_t(argb >> 16), uint8_t(argb >> 8), uint8_t(argb)};
    }
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    constexpr bool contains(int px, int py) const {
        return px >= x && px < x + w && py >= y && py < y + h;
    }
    friend constexpr bool operator==(Rect, Rect) = default;
};

class Bitmap {
  public:
    Bitmap() = default;
    // Opaque black.
    Bitmap(int width, int height);

    int width() const { return w_; }
    int height() const { return h_; }
    bool empty() const { return w_ == 0 || h_ == 0; }
    uint32_t* row(int y) { return px_.data() + static_cast<size_t>(y) * w_; }
    const uint32_t* row(int y) const { return px_.data() + static_cast<size_t>(y) * w_; }
    uint32_t at(int x, int y) const { return row(y)[x]; }
    void set(int x, int y, uint32_t argb) { row(y)[x] = argb; }
    Rgb rgb(int x, int y) const { return Rgb::of(at(x, y)); }
    const uint32_t* data() const { return px_.data(); }
    // Copy of the area r (clipped to the bitmap).
    Bitmap crop(Rect r) const;

  private:
    int w_ = 0, h_ = 0;
    std::vector<uint32_t> px_;
};

// BMP or PNG; throws FileError naming the file.
Bitmap loadBitmap(const std::filesystem::path& file);
// Writes a PNG; throws FileError naming the file.
void savePng(const Bitmap& bmp, const std::filesystem::path& file);

}  // namespace tb
