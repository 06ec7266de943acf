#include "tools/artgen/canvas.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace art {

Canvas::Canvas(int width, int height)
    : Canvas(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)) {}

Canvas::Canvas(cairo_surface_t* adopted)
    : surface_(adopted, SurfaceFree{}), cr_(cairo_create(adopted), ContextFree{}) {
    if (cairo_surface_status(adopted) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cairo: cannot create a surface");
}

int Canvas::width() const {
    return cairo_image_surface_get_width(surface_.get());
}
int Canvas::height() const {
    return cairo_image_surface_get_height(surface_.get());
}

void Canvas::savePng(const std::filesystem::path& file) const {
    cairo_surface_flush(surface_.get());
    if (cairo_surface_write_to_png(surface_.get(), file.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + file.string());
}

namespace {
void put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
void put32(std::vector<uint8_t>& b, uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}
}  // namespace

void Canvas::saveBmp(const std::filesystem::path& file) const {
    cairo_surface_flush(surface_.get());
    const int w = width(), h = height();
    const int stride = cairo_image_surface_get_stride(surface_.get());
    const uint8_t* px = cairo_image_surface_get_data(surface_.get());
    const uint32_t rowBytes = (w * 3 + 3) & ~3u;
    const uint32_t dataSize = rowBytes * h;
    std::vector<uint8_t> b;
    b.push_back('B');
    b.push_back('M');
    put32(b, 54 + dataSize);
    put32(b, 0);
    put32(b, 54);
    put32(b, 40);
    put32(b, w);
    put32(b, h);
    put16(b, 1);
    put16(b, 24);
    put32(b, 0);
    put32(b, dataSize);
    put32(b, 2835);
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    for (int y = h - 1; y >= 0; --y) {
        // Premultiplied ARGB over black is just the colour channels.
        const auto* row = reinterpret_cast<const uint32_t*>(px + y * stride);
        for (int x = 0; x < w; ++x) {
            b.push_back(row[x] & 0xFF);
            b.push_back((row[x] >> 8) & 0xFF);
            b.push_back((row[x] >> 16) & 0xFF);
        }
        for (uint32_t pad = w * 3; pad < rowBytes; ++pad) b.push_back(0);
    }
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace art
