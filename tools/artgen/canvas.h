#pragma once
// A cairo image surface with its drawing context, owned together.

#include <cairo.h>

#include <filesystem>
#include <memory>

namespace art {

struct Rect {
    double x = 0, y = 0, w = 0, h = 0;
    double right() const { return x + w; }
    double bottom() const { return y + h; }
    Rect inset(double d) const { return {x + d, y + d, w - 2 * d, h - 2 * d}; }
    Rect moved(double dx, double dy) const { return {x + dx, y + dy, w, h}; }
};

// Copies share one picture: the catalogue keeps what a family drew.
class Canvas {
  public:
    Canvas(int width, int height);
    // Takes over a surface created elsewhere (a PNG read back, for example).
    explicit Canvas(cairo_surface_t* adopted);

    cairo_t* cr() const { return cr_.get(); }
    cairo_surface_t* surface() const { return surface_.get(); }
    int width() const;
    int height() const;
    Rect bounds() const { return {0, 0, double(width()), double(height())}; }

    void savePng(const std::filesystem::path& file) const;
    // 24-bit bottom-up BMP; transparent pixels come out black.
    void saveBmp(const std::filesystem::path& file) const;

  private:
    struct SurfaceFree {
        void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
    };
    struct ContextFree {
        void operator()(cairo_t* c) const { cairo_destroy(c); }
    };
    std::shared_ptr<cairo_surface_t> surface_;
    std::shared_ptr<cairo_t> cr_;  // copies share the picture
};

}  // namespace art
