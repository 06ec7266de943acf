// What the manifest says about see-through parts agrees with the pixels, and
// no picture came out blank.
#include <cairo.h>
#include <gtest/gtest.h>

#include <memory>

#include "tools/installed_files.h"

namespace {

struct Coverage {
    bool anyClear = false;  // some pixel not fully opaque
    bool anyInk = false;    // some pixel visible at all
    bool varied = false;    // not one flat colour
};

Coverage coverageOf(const std::filesystem::path& file) {
    struct Free {
        void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
    };
    std::unique_ptr<cairo_surface_t, Free> s(cairo_image_surface_create_from_png(file.c_str()));
    EXPECT_EQ(cairo_surface_status(s.get()), CAIRO_STATUS_SUCCESS) << file;
    Coverage c;
    if (cairo_surface_status(s.get()) != CAIRO_STATUS_SUCCESS) return c;
    const int w = cairo_image_surface_get_width(s.get()),
              h = cairo_image_surface_get_height(s.get());
    const int stride = cairo_image_surface_get_stride(s.get());
    const unsigned char* data = cairo_image_surface_get_data(s.get());
    const bool hasAlpha = cairo_image_surface_get_format(s.get()) == CAIRO_FORMAT_ARGB32;
    const uint32_t first = *reinterpret_cast<const uint32_t*>(data);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
        for (int x = 0; x < w; ++x) {
            const uint32_t a = hasAlpha ? row[x] >> 24 : 0xFF;
            c.anyClear |= a != 0xFF;
            c.anyInk |= a != 0;
            c.varied |= row[x] != first;
        }
    }
    return c;
}

TEST(PicturePixels, TransparencyFlagMatchesThePixelsAndNothingIsBlank) {
    for (const tbtest::ManifestLine& l : tbtest::readManifest()) {
        if (l.file.ends_with(".bmp")) continue;
        SCOPED_TRACE(l.list + "/" + l.name);
        const Coverage c = coverageOf(tbtest::installRoot() / l.file);
        EXPECT_TRUE(c.anyInk && c.varied) << "blank picture";
        EXPECT_EQ(c.anyClear, l.transparent);
    }
}

}  // namespace
