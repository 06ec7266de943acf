#include "tools/artgen/buttons.h"

namespace art {

Canvas cropOf(const Canvas& from, Rect part) {
    Canvas c(int(part.w), int(part.h));
    cairo_set_source_surface(c.cr(), from.surface(), -part.x, -part.y);
    cairo_paint(c.cr());
    return c;
}

Canvas buttonFace(Rect at, Face face, const Content& content, const Canvas* backdrop) {
    Canvas c = backdrop ? cropOf(*backdrop, at) : Canvas(int(at.w), int(at.h));
    brassButton(c.cr(), c.bounds(), face, content);
    return c;
}

void addButton(Catalog& c, const std::string& list, const std::string& base, Rect at,
               const Content& content, FaceNames names, const Canvas* backdrop) {
    const Pos pos{int(at.x), int(at.y)};
    const bool see = backdrop == nullptr;
    c.add(list, base + names.off, buttonFace(at, Face::Off, content, backdrop), pos, see);
    c.add(list, base + names.on, buttonFace(at, Face::On, content, backdrop), pos, see);
    if (names.down)
        c.add(list, base + names.down, buttonFace(at, Face::Down, content, backdrop), pos, see);
}

}  // namespace art
