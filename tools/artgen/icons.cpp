#include "tools/artgen/icons.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

void triangle(cairo_t* cr, double cx, double cy, double s, int dir) {
    cairo_move_to(cr, cx - dir * s * 0.5, cy - s * 0.6);
    cairo_line_to(cr, cx + dir * s * 0.55, cy);
    cairo_line_to(cr, cx - dir * s * 0.5, cy + s * 0.6);
    cairo_close_path(cr);
}

void arrow(cairo_t* cr, double x0, double x1, double y, double s) {
    const int dir = x1 > x0 ? 1 : -1;
    cairo_move_to(cr, x0, y);
    cairo_line_to(cr, x1 - dir * s * 0.5, y);
    cairo_stroke(cr);
    cairo_move_to(cr, x1, y);
    cairo_line_to(cr, x1 - dir * s * 0.6, y - s * 0.45);
    cairo_line_to(cr, x1 - dir * s * 0.6, y + s * 0.45);
    cairo_close_path(cr);
    cairo_fill(cr);
}

}  // namespace

void drawIcon(cairo_t* cr, Icon which, Rect r, Rgb ink, double alpha) {
    const double s = std::min(r.w, r.h) * 0.62;
    const double cx = r.x + r.w / 2, cy = r.y + r.h / 2;
    cairo_save(cr);
    setColour(cr, ink, alpha);
    cairo_set_line_width(cr, std::max(1.5, s * 0.13));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    switch (which) {
        case Icon::HandOver:
            arrow(cr, cx - s * 0.5, cx + s * 0.28, cy, s * 0.5);
            cairo_move_to(cr, cx + s * 0.45, cy - s * 0.45);
            cairo_line_to(cr, cx + s * 0.45, cy + s * 0.45);
            cairo_stroke(cr);
            break;
        case Icon::Swap:
            arrow(cr, cx - s * 0.5, cx + s * 0.5, cy - s * 0.22, s * 0.38);
            arrow(cr, cx + s * 0.5, cx - s * 0.5, cy + s * 0.22, s * 0.38);
            break;
        case Icon::StepBack:
            triangle(cr, cx + s * 0.18, cy, s * 0.55, -1);
            triangle(cr, cx - s * 0.25, cy, s * 0.55, -1);
            cairo_fill(cr);
            break;
        case Icon::StepForward:
            triangle(cr, cx - s * 0.18, cy, s * 0.55, 1);
            triangle(cr, cx + s * 0.25, cy, s * 0.55, 1);
            cairo_fill(cr);
            break;
        case Icon::Plus:
        case Icon::Minus:
            cairo_set_line_width(cr, std::max(2.0, s * 0.18));
            cairo_move_to(cr, cx - s * 0.35, cy);
            cairo_line_to(cr, cx + s * 0.35, cy);
            if (which == Icon::Plus) {
                cairo_move_to(cr, cx, cy - s * 0.35);
                cairo_line_to(cr, cx, cy + s * 0.35);
            }
            cairo_stroke(cr);
            break;
        case Icon::Close:
            cairo_move_to(cr, cx - s * 0.3, cy - s * 0.3);
            cairo_line_to(cr, cx + s * 0.3, cy + s * 0.3);
            cairo_move_to(cr, cx + s * 0.3, cy - s * 0.3);
            cairo_line_to(cr, cx - s * 0.3, cy + s * 0.3);
            cairo_stroke(cr);
            break;
        case Icon::Tick:
            cairo_set_line_width(cr, std::max(2.5, s * 0.18));
            cairo_move_to(cr, cx - s * 0.4, cy);
            cairo_line_to(cr, cx - s * 0.1, cy + s * 0.32);
            cairo_line_to(cr, cx + s * 0.42, cy - s * 0.36);
            cairo_stroke(cr);
            break;
    }
    cairo_restore(cr);
}

Content icon(Icon which) {
    return [which](cairo_t* cr, Rect r, Rgb ink) {
        drawIcon(cr, which, r.moved(0, 1), hex(0xFFF1C8), 0.6);
        drawIcon(cr, which, r, ink);
    };
}

}  // namespace art
