#include "tools/artgen/paint.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace art {

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

void setColour(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void roundedRect(cairo_t* cr, Rect r, double radius) {
    radius = std::min({radius, r.w / 2, r.h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, r.right() - radius, r.y + radius, radius, -M_PI / 2, 0);
    cairo_arc(cr, r.right() - radius, r.bottom() - radius, radius, 0, M_PI / 2);
    cairo_arc(cr, r.x + radius, r.bottom() - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cr, r.x + radius, r.y + radius, radius, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

namespace {

struct LayoutFree {
    void operator()(PangoLayout* l) const { g_object_unref(l); }
};
using Layout = std::unique_ptr<PangoLayout, LayoutFree>;

Layout makeLayout(cairo_t* cr, const std::string& text, const Font& font) {
    Layout layout(pango_cairo_create_layout(cr));
    PangoFontDescription* d = pango_font_description_new();
    pango_font_description_set_family(d, font.family.c_str());
    pango_font_description_set_absolute_size(d, font.px * PANGO_SCALE);
    pango_font_description_set_weight(d, font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(d, font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_layout_set_font_description(layout.get(), d);
    pango_font_description_free(d);
    pango_layout_set_text(layout.get(), text.c_str(), -1);
    return layout;
}

}  // namespace

double textWidth(cairo_t* cr, const std::string& utf8, const Font& font) {
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(makeLayout(cr, utf8, font).get(), &ink, &logical);
    return logical.width;
}

void drawText(cairo_t* cr, const std::string& utf8, Rect box, TextStyle style) {
    Layout layout = makeLayout(cr, utf8, style.font);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout.get(), &ink, &logical);
    while (logical.width > box.w && style.font.px > 6) {
        style.font.px *= 0.93;
        layout = makeLayout(cr, utf8, style.font);
        pango_layout_get_pixel_extents(layout.get(), &ink, &logical);
    }
    double x = box.x - logical.x;
    if (style.align == Align::Centre) x += (box.w - logical.width) / 2;
    if (style.align == Align::Right) x += box.w - logical.width;
    // Centre the letters themselves, not the line box: captions sit optically level.
    const double y = style.byInk ? box.y + (box.h - ink.height) / 2 - ink.y
                                 : box.y + (box.h - logical.height) / 2 - logical.y;
    cairo_save(cr);
    if (style.glow > 0) {
        for (double w = style.glow; w > 0.5; w *= 0.6) {
            cairo_move_to(cr, x, y);
            pango_cairo_layout_path(cr, layout.get());
            cairo_set_line_width(cr, w * 2);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            setColour(cr, style.glowColour, 0.12);
            cairo_stroke(cr);
        }
    }
    if (style.shadow > 0) {
        cairo_move_to(cr, x + style.shadow, y + style.shadow);
        setColour(cr, {0, 0, 0}, 0.55);
        pango_cairo_show_layout(cr, layout.get());
    }
    cairo_move_to(cr, x, y);
    setColour(cr, style.colour);
    pango_cairo_show_layout(cr, layout.get());
    cairo_restore(cr);
    // Leave no current point behind: the next shape must not start with a line from here.
    cairo_new_path(cr);
}

void addGrain(cairo_t* cr, Rect r, double amplitude, unsigned seed) {
    cairo_surface_t* s = cairo_get_target(cr);
    cairo_surface_flush(s);
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const int stride = cairo_image_surface_get_stride(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int x0 = std::max(0, int(r.x)), x1 = std::min(w, int(std::ceil(r.right())));
    const int y0 = std::max(0, int(r.y)), y1 = std::min(h, int(std::ceil(r.bottom())));
    uint32_t state = seed * 2654435761u + 1;
    for (int y = y0; y < y1; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = x0; x < x1; ++x) {
            state = state * 1664525u + 1013904223u;
            const uint32_t a = row[x] >> 24;
            if (a == 0) continue;
            const int n = int(((state >> 16) & 0xFF) - 128) * amplitude / 128.0 * a / 255.0;
            uint32_t out = a << 24;
            for (int shift = 0; shift <= 16; shift += 8) {
                const int c = std::clamp(int((row[x] >> shift) & 0xFF) + n, 0, int(a));
                out |= uint32_t(c) << shift;
            }
            row[x] = out;
        }
    }
    cairo_surface_mark_dirty(s);
}

void fillBaize(cairo_t* cr, Rect r, unsigned seed) {
    cairo_pattern_t* p =
        cairo_pattern_create_radial(r.x + r.w * 0.45, r.y + r.h * 0.4, 0, r.x + r.w * 0.45,
                                    r.y + r.h * 0.4, std::hypot(r.w, r.h) * 0.62);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.11, 0.42, 0.27);
    cairo_pattern_add_color_stop_rgb(p, 0.6, pal::kBaize.r, pal::kBaize.g, pal::kBaize.b);
    cairo_pattern_add_color_stop_rgb(p, 1, pal::kBaizeDeep.r, pal::kBaizeDeep.g, pal::kBaizeDeep.b);
    cairo_rectangle(cr, r.x, r.y, r.w, r.h);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    addGrain(cr, r, 9, seed);
}

void fillWood(cairo_t* cr, Rect r, unsigned seed) {
    cairo_save(cr);
    cairo_rectangle(cr, r.x, r.y, r.w, r.h);
    cairo_clip(cr);
    setColour(cr, pal::kWalnut);
    cairo_paint(cr);
    uint32_t state = seed * 747796405u + 7;
    auto rnd = [&state] {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1 << 24);
    };
    const bool across = r.w >= r.h;
    const double len = across ? r.w : r.h, span = across ? r.h : r.w;
    for (int i = 0; i < int(span * 1.5); ++i) {
        const double off = rnd() * span, amp = 0.5 + rnd() * 2.5, freq = 0.004 + rnd() * 0.02;
        const double phase = rnd() * 6.28;
        for (double t = 0; t <= len; t += 4) {
            const double o = off + amp * std::sin(t * freq + phase);
            if (across)
                t == 0 ? cairo_move_to(cr, r.x + t, r.y + o) : cairo_line_to(cr, r.x + t, r.y + o);
            else
                t == 0 ? cairo_move_to(cr, r.x + o, r.y + t) : cairo_line_to(cr, r.x + o, r.y + t);
        }
        const bool dark = rnd() < 0.6;
        cairo_set_source_rgba(cr, dark ? 0.12 : 0.55, dark ? 0.06 : 0.36, dark ? 0.02 : 0.2,
                              0.05 + rnd() * 0.12);
        cairo_set_line_width(cr, 0.6 + rnd() * 1.4);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    addGrain(cr, r, 6, seed + 1);
}

void softShadow(cairo_t* cr, Rect r, double radius, double spread, double alpha) {
    const int steps = std::max(1, int(spread));
    for (int i = steps; i >= 1; --i) {
        roundedRect(cr, r.inset(-i), radius + i);
        setColour(cr, {0, 0, 0}, alpha / steps);
        cairo_fill(cr);
    }
}

void woodenPlate(cairo_t* cr, Rect r, double radius, unsigned seed, bool shadow) {
    if (shadow) softShadow(cr, r.moved(2, 4), radius, 9, 0.5);
    cairo_save(cr);
    roundedRect(cr, r, radius);
    cairo_clip(cr);
    fillWood(cr, r, seed);
    cairo_restore(cr);
    brassRim(cr, r, radius, 3);
}

void brassRim(cairo_t* cr, Rect r, double radius, double width) {
    const Rect mid = r.inset(width / 2);
    cairo_pattern_t* p = cairo_pattern_create_linear(r.x, r.y, r.right(), r.bottom());
    cairo_pattern_add_color_stop_rgb(p, 0, 0.98, 0.86, 0.55);
    cairo_pattern_add_color_stop_rgb(p, 0.45, pal::kBrass.r, pal::kBrass.g, pal::kBrass.b);
    cairo_pattern_add_color_stop_rgb(p, 1, pal::kBrassDark.r, pal::kBrassDark.g, pal::kBrassDark.b);
    roundedRect(cr, mid, std::max(0.0, radius - width / 2));
    cairo_set_source(cr, p);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    cairo_pattern_destroy(p);
    roundedRect(cr, r.inset(0.5), radius);
    cairo_set_source_rgba(cr, 0.18, 0.1, 0.02, 0.8);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    roundedRect(cr, r.inset(width - 0.5), std::max(0.0, radius - width));
    cairo_set_source_rgba(cr, 0.15, 0.08, 0.0, 0.7);
    cairo_stroke(cr);
}

void insetPanel(cairo_t* cr, Rect r, double radius) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, r.y, 0, r.bottom());
    cairo_pattern_add_color_stop_rgb(p, 0, 0.03, 0.13, 0.09);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.05, 0.2, 0.13);
    roundedRect(cr, r, radius);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_save(cr);
    cairo_clip(cr);
    cairo_pattern_t* s = cairo_pattern_create_linear(0, r.y, 0, r.y + 8);
    cairo_pattern_add_color_stop_rgba(s, 0, 0, 0, 0, 0.55);
    cairo_pattern_add_color_stop_rgba(s, 1, 0, 0, 0, 0);
    cairo_set_source(cr, s);
    cairo_paint(cr);
    cairo_pattern_destroy(s);
    cairo_restore(cr);
    brassRim(cr, r, radius, std::clamp(std::min(r.w, r.h) / 20, 2.0, 4.0));
}

void displayWell(cairo_t* cr, Rect r, double radius) {
    roundedRect(cr, r.inset(-1), radius + 1);
    cairo_set_source_rgba(cr, 1, 0.93, 0.75, 0.28);
    cairo_fill(cr);
    roundedRect(cr, r.moved(0, -1), radius);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.7);
    cairo_fill(cr);
    roundedRect(cr, r, radius);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_fill(cr);
}

void windowBackground(cairo_t* cr, Rect r, const std::string& title) {
    fillBaize(cr, r, unsigned(r.w * 31 + r.h));
    cairo_pattern_t* v = cairo_pattern_create_radial(r.x + r.w / 2, r.y + r.h / 2, 0, r.x + r.w / 2,
                                                     r.y + r.h / 2, r.w * 0.7);
    cairo_pattern_add_color_stop_rgba(v, 0.5, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(v, 1, 0, 0, 0, 0.45);
    cairo_rectangle(cr, r.x, r.y, r.w, r.h);
    cairo_set_source(cr, v);
    cairo_fill(cr);
    cairo_pattern_destroy(v);
    brassRim(cr, r, 8, 4);
    if (title.empty()) return;
    drawText(cr, title, {r.x + 12, r.y + 6, r.w - 24, 26},
             {serif(21), pal::kGold, Align::Centre, 1.5, 0, pal::kGold});
    cairo_move_to(cr, r.x + 24, r.y + 35.5);
    cairo_line_to(cr, r.right() - 24, r.y + 35.5);
    cairo_pattern_t* l = cairo_pattern_create_linear(r.x + 24, 0, r.right() - 24, 0);
    cairo_pattern_add_color_stop_rgba(l, 0, 0.79, 0.6, 0.24, 0);
    cairo_pattern_add_color_stop_rgba(l, 0.5, 0.95, 0.8, 0.45, 0.9);
    cairo_pattern_add_color_stop_rgba(l, 1, 0.79, 0.6, 0.24, 0);
    cairo_set_source(cr, l);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_pattern_destroy(l);
}

Canvas windowPicture(int w, int h, const std::string& title) {
    Canvas c(w, h);
    windowBackground(c.cr(), c.bounds(), title);
    return c;
}

Canvas headingPicture(const std::string& utf8, int w, int h, double px) {
    Canvas c(w, h);
    drawText(c.cr(), utf8, c.bounds().inset(4),
             {serif(px > 0 ? px : h * 0.7), pal::kGold, Align::Centre, 2, 5, pal::kGold});
    return c;
}

namespace {

void gradientStops(cairo_pattern_t* p, std::initializer_list<std::pair<double, Rgb>> stops) {
    for (auto [at, c] : stops) cairo_pattern_add_color_stop_rgb(p, at, c.r, c.g, c.b);
}

}  // namespace

void brassButton(cairo_t* cr, Rect r, Face face, const Content& content) {
    const double radius = std::min(7.0, std::min(r.w, r.h) / 3.2);
    cairo_save(cr);
    // Outer dark edge, then the metal body.
    roundedRect(cr, r, radius);
    cairo_set_source_rgb(cr, 0.2, 0.12, 0.03);
    cairo_fill(cr);
    const Rect body = r.inset(1);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, body.y, 0, body.bottom());
    switch (face) {
        case Face::Off:
            gradientStops(g, {{0, hex(0xE9C77A)}, {0.5, hex(0xC3953F)}, {1, hex(0x8E6522)}});
            break;
        case Face::On:
            gradientStops(g, {{0, hex(0xFFF3C4)}, {0.45, hex(0xF4CF6A)}, {1, hex(0xC08E2E)}});
            break;
        case Face::Down:
            gradientStops(g, {{0, hex(0x7E5A1E)}, {0.5, hex(0xAB8034)}, {1, hex(0xD2AA5E)}});
            break;
    }
    roundedRect(cr, body, radius - 1);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_clip(cr);
    if (face == Face::On) {
        // The lit face glows from within.
        cairo_pattern_t* glow = cairo_pattern_create_radial(
            body.x + body.w / 2, body.y + body.h / 2, 0, body.x + body.w / 2, body.y + body.h / 2,
            std::max(body.w, body.h) * 0.6);
        cairo_pattern_add_color_stop_rgba(glow, 0, 1, 1, 0.85, 0.55);
        cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.9, 0.5, 0);
        cairo_set_source(cr, glow);
        cairo_paint(cr);
        cairo_pattern_destroy(glow);
    }
    if (face == Face::Down) {
        // Pressed in: shadow along the top and left inner edge.
        cairo_pattern_t* s = cairo_pattern_create_linear(0, body.y, 0, body.y + body.h * 0.35);
        cairo_pattern_add_color_stop_rgba(s, 0, 0, 0, 0, 0.55);
        cairo_pattern_add_color_stop_rgba(s, 1, 0, 0, 0, 0);
        cairo_set_source(cr, s);
        cairo_paint(cr);
        cairo_pattern_destroy(s);
    } else {
        // Bevel: light top edge.
        roundedRect(cr, body.inset(0.5), radius - 1.5);
        cairo_set_source_rgba(cr, 1, 0.97, 0.85, face == Face::On ? 0.9 : 0.55);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    addGrain(cr, body, face == Face::On ? 5 : 7, unsigned(r.w * 7 + r.h));
    const double push = face == Face::Down ? 1 : 0;
    const Rgb ink = face == Face::On ? hex(0x2B1600) : hex(0x3A2407);
    if (content) content(cr, body.moved(push, push), ink);
    cairo_restore(cr);
    if (face == Face::On) {
        roundedRect(cr, r.inset(0.5), radius);
        cairo_set_source_rgba(cr, 1, 0.95, 0.7, 0.9);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
}

Content caption(const std::string& utf8, double px) {
    return [utf8, px](cairo_t* cr, Rect r, Rgb ink) {
        const double size = px > 0 ? px : std::min(r.h * 0.5, 22.0);
        // Engraved: a light line under dark letters.
        drawText(cr, utf8, r.moved(0, 1).inset(2), {sans(size), hex(0xFFF1C8), Align::Centre});
        drawText(cr, utf8, r.inset(2), {sans(size), ink, Align::Centre});
    };
}

}  // namespace art
