#include "platform/draw.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace tb {
namespace {

constexpr uint32_t kOpaque = 0xFF000000u;

inline uint32_t channel(uint32_t p, int shift) {
    return (p >> shift) & 0xFFu;
}

// d + (s - d) * a / 255 per channel; a = 255 gives s exactly, 0 gives d.
inline uint32_t mix(uint32_t d, uint32_t s, uint32_t a) {
    if (a >= 255) return s | kOpaque;
    if (a == 0) return d;
    uint32_t out = kOpaque;
    for (int sh = 0; sh <= 16; sh += 8) {
        const int dc = static_cast<int>(channel(d, sh)), sc = static_cast<int>(channel(s, sh));
        out |= static_cast<uint32_t>(dc + (sc - dc) * static_cast<int>(a) / 255) << sh;
    }
    return out;
}

inline uint32_t add(uint32_t d, uint32_t s, uint32_t k) {
    if (k == 0) return d;
    uint32_t out = kOpaque;
    for (int sh = 0; sh <= 16; sh += 8)
        out |= std::min(channel(d, sh) + channel(s, sh) * k / 255, 255u) << sh;
    return out;
}

inline uint32_t alphaOf(uint32_t p) {
    return p >> 24;
}

// Visits every destination pixel of r (clipped) with the source pixel that
// falls on it when src is stretched over r.
template <class F>
void forStretched(Bitmap& dst, Rect r, const Bitmap& src, F f) {
    if (r.w <= 0 || r.h <= 0 || src.empty()) return;
    const int x0 = std::max(r.x, 0), x1 = std::min(r.x + r.w, dst.width());
    const int y0 = std::max(r.y, 0), y1 = std::min(r.y + r.h, dst.height());
    for (int y = y0; y < y1; ++y) {
        const uint32_t* s = src.row(static_cast<int>(int64_t{y - r.y} * src.height() / r.h));
        uint32_t* d = dst.row(y);
        for (int x = x0; x < x1; ++x)
            d[x] = f(d[x], s[static_cast<int>(int64_t{x - r.x} * src.width() / r.w)]);
    }
}

}  // namespace

void fill(Bitmap& dst, Rgb c) {
    fillRect(dst, {0, 0, dst.width(), dst.height()}, c);
}

void fillRect(Bitmap& dst, Rect r, Rgb c) {
    const int x0 = std::max(r.x, 0), x1 = std::min(r.x + r.w, dst.width());
    const int y0 = std::max(r.y, 0), y1 = std::min(r.y + r.h, dst.height());
    for (int y = y0; y < y1; ++y)
        std::fill(dst.row(y) + x0, dst.row(y) + std::max(x0, x1), c.argb());
}

void copyOpaque(Bitmap& dst, int x, int y, const Bitmap& src) {
    const int x0 = std::max(x, 0), x1 = std::min(x + src.width(), dst.width());
    const int y0 = std::max(y, 0), y1 = std::min(y + src.height(), dst.height());
    if (x1 <= x0) return;
    for (int yy = y0; yy < y1; ++yy)
        std::memcpy(dst.row(yy) + x0, src.row(yy - y) + (x0 - x), sizeof(uint32_t) * (x1 - x0));
}

void draw(Bitmap& dst, int x, int y, const Bitmap& src) {
    const int x0 = std::max(x, 0), x1 = std::min(x + src.width(), dst.width());
    const int y0 = std::max(y, 0), y1 = std::min(y + src.height(), dst.height());
    for (int yy = y0; yy < y1; ++yy) {
        const uint32_t* s = src.row(yy - y);
        uint32_t* d = dst.row(yy);
        for (int xx = x0; xx < x1; ++xx) {
            const uint32_t p = s[xx - x];
            const uint32_t a = alphaOf(p);
            if (a == 255)
                d[xx] = p;
            else if (a != 0)
                d[xx] = mix(d[xx], p, a);
        }
    }
}

void stretchDraw(Bitmap& dst, Rect r, const Bitmap& src) {
    forStretched(dst, r, src, [](uint32_t d, uint32_t s) { return mix(d, s, alphaOf(s)); });
}

void drawAdd(Bitmap& dst, Rect r, const Bitmap& src, int strength) {
    const uint32_t k = static_cast<uint32_t>(std::clamp(strength, 0, 255));
    forStretched(dst, r, src,
                 [k](uint32_t d, uint32_t s) { return add(d, s, k * alphaOf(s) / 255); });
}

void drawAlpha(Bitmap& dst, Rect r, const Bitmap& src, int strength) {
    const uint32_t k = static_cast<uint32_t>(std::clamp(strength, 0, 255));
    forStretched(dst, r, src,
                 [k](uint32_t d, uint32_t s) { return mix(d, s, k * alphaOf(s) / 255); });
}

void drawRotate(Bitmap& dst, int cx, int cy, int w, int h, const Bitmap& src, int angle) {
    if (w <= 0 || h <= 0 || src.empty()) return;
    const double turn = 2 * std::numbers::pi * (angle & 255) / 256.0;
    const double c = std::cos(turn), s = std::sin(turn);
    // The turned box fits in a square of its diagonal.
    const int reach = static_cast<int>(std::ceil(std::hypot(w, h) / 2)) + 1;
    const int x0 = std::max(cx - reach, 0), x1 = std::min(cx + reach, dst.width());
    const int y0 = std::max(cy - reach, 0), y1 = std::min(cy + reach, dst.height());
    for (int y = y0; y < y1; ++y) {
        uint32_t* d = dst.row(y);
        const double dy = y + 0.5 - cy;
        for (int x = x0; x < x1; ++x) {
            const double dx = x + 0.5 - cx;
            // Turn the destination point back into the box.
            const double u = dx * c + dy * s + w / 2.0;
            const double v = -dx * s + dy * c + h / 2.0;
            if (u < 0 || v < 0 || u >= w || v >= h) continue;
            const uint32_t p = src.row(
                static_cast<int>(v * src.height() / h))[static_cast<int>(u * src.width() / w)];
            d[x] = mix(d[x], p, alphaOf(p));
        }
    }
}

void rasterOp(Bitmap& dst, int x, int y, const Bitmap& src, RasterOp op) {
    const int x0 = std::max(x, 0), x1 = std::min(x + src.width(), dst.width());
    const int y0 = std::max(y, 0), y1 = std::min(y + src.height(), dst.height());
    for (int yy = y0; yy < y1; ++yy) {
        const uint32_t* s = src.row(yy - y);
        uint32_t* d = dst.row(yy);
        for (int xx = x0; xx < x1; ++xx)
            d[xx] = (op == RasterOp::And ? (d[xx] & s[xx - x]) : (d[xx] | s[xx - x])) | kOpaque;
    }
}

}  // namespace tb
