#include "platform/bitmap.h"

#include <SDL_image.h>

#include <algorithm>
#include <cstring>

#include "files/files.h"
#include "platform/sdl_handles.h"

namespace tb {

Bitmap::Bitmap(int width, int height)
    : w_(std::max(width, 0)),
      h_(std::max(height, 0)),
      px_(static_cast<size_t>(w_) * h_, 0xFF000000u) {}

Bitmap Bitmap::crop(Rect r) const {
    const int x0 = std::max(r.x, 0), y0 = std::max(r.y, 0);
    const int x1 = std::min(r.x + r.w, w_), y1 = std::min(r.y + r.h, h_);
    Bitmap out(x1 - x0, y1 - y0);
    for (int y = 0; y < out.h_; ++y)
        std::memcpy(out.row(y), row(y0 + y) + x0, sizeof(uint32_t) * out.w_);
    return out;
}

Bitmap loadBitmap(const std::filesystem::path& file) {
    sdl::Surface loaded(IMG_Load(file.c_str()));
    if (!loaded) throw FileError("Cannot load picture " + file.string() + ": " + IMG_GetError());
    sdl::Surface argb(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb) throw FileError("Cannot convert picture " + file.string() + ": " + SDL_GetError());
    Bitmap out(argb->w, argb->h);
    const bool hasAlpha = SDL_ISPIXELFORMAT_ALPHA(loaded->format->format);
    for (int y = 0; y < argb->h; ++y) {
        const auto* src = reinterpret_cast<const uint32_t*>(
            static_cast<const uint8_t*>(argb->pixels) + static_cast<size_t>(y) * argb->pitch);
        uint32_t* dst = out.row(y);
        for (int x = 0; x < argb->w; ++x) dst[x] = hasAlpha ? src[x] : (src[x] | 0xFF000000u);
    }
    return out;
}

void savePng(const Bitmap& bmp, const std::filesystem::path& file) {
    sdl::Surface s(SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(bmp.data()),
                                                      bmp.width(), bmp.height(), 32,
                                                      bmp.width() * 4, SDL_PIXELFORMAT_ARGB8888));
    if (!s || IMG_SavePNG(s.get(), file.c_str()) != 0)
        throw FileError("Cannot write picture " + file.string() + ": " + IMG_GetError());
}

}  // namespace tb
