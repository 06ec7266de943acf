// One sheet with every picture, grouped by image list, on a checkerboard that
// shows the see-through parts.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "tools/artgen/families.h"
#include "tools/artgen/paint.h"

namespace art {

namespace {

constexpr int kSheetWidth = 2000;
constexpr int kGap = 12;

struct Placed {
    const Item* item;
    double x, y, scale;
};

double scaleFor(const Item& i) {
    const double maxW = i.width >= 500 ? 480 : 240, maxH = i.height >= 400 ? 360 : 200;
    return std::min({1.0, maxW / i.width, maxH / i.height});
}

// Flows the thumbnails into rows; returns the sheet height.
int layout(const Catalog& c, std::vector<Placed>& placed,
           std::vector<std::pair<double, std::string>>& heads) {
    double x = kGap, y = kGap, rowH = 0;
    std::string list;
    for (const Item& i : c.items()) {
        const double s = scaleFor(i), w = std::max(i.width * s, 70.0), h = i.height * s + 16;
        if (i.list != list) {
            y += rowH + (list.empty() ? 0 : 2 * kGap);
            heads.push_back({y, i.list});
            y += 30;
            x = kGap;
            rowH = 0;
            list = i.list;
        }
        if (x + w > kSheetWidth - kGap) {
            x = kGap;
            y += rowH + kGap;
            rowH = 0;
        }
        placed.push_back({&i, x, y, s});
        x += w + kGap;
        rowH = std::max(rowH, h);
    }
    return int(y + rowH + kGap);
}

}  // namespace

Canvas makeContactSheet(const Catalog& c) {
    std::vector<Placed> placed;
    std::vector<std::pair<double, std::string>> heads;
    const int height = layout(c, placed, heads);
    Canvas sheet(kSheetWidth, height);
    cairo_t* cr = sheet.cr();
    cairo_set_source_rgb(cr, 0.16, 0.16, 0.17);
    cairo_paint(cr);
    for (const auto& [y, list] : heads)
        drawText(cr, list, {double(kGap), y, 800, 26}, {sans(20), pal::kGold, Align::Left});
    for (const Placed& p : placed) {
        const Item& i = *p.item;
        const double w = i.width * p.scale, h = i.height * p.scale;
        for (int cy = 0; cy * 8 < h; ++cy)
            for (int cx = 0; cx * 8 < w; ++cx) {
                const double v = (cx + cy) % 2 ? 0.36 : 0.44;
                cairo_set_source_rgb(cr, v, v, v);
                cairo_rectangle(cr, p.x + cx * 8, p.y + cy * 8, std::min(8.0, w - cx * 8),
                                std::min(8.0, h - cy * 8));
                cairo_fill(cr);
            }
        cairo_save(cr);
        cairo_translate(cr, p.x, p.y);
        cairo_scale(cr, p.scale, p.scale);
        cairo_set_source_surface(cr, i.picture.surface(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_restore(cr);
        char label[96];
        std::snprintf(label, sizeof label, "%d %s %dx%d", i.index, i.name.c_str(), i.width,
                      i.height);
        drawText(cr, label, {p.x, p.y + h + 1, std::max(w, 70.0), 14},
                 {sans(10, false), hex(0xDDDDDD), Align::Left});
    }
    return sheet;
}

}  // namespace art
