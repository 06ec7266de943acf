#include "tools/artgen/catalog.h"

#include <fstream>
#include <stdexcept>

namespace art {

Catalog::Catalog(std::filesystem::path root) : root_(std::move(root)) {}

void Catalog::add(const std::string& list, const std::string& name, const Canvas& picture,
                  std::optional<Pos> pos, bool transparent) {
    addAs(list, name, "images/" + list + "/" + name + ".png", picture, pos, transparent);
}

void Catalog::addAs(const std::string& list, const std::string& name, const std::string& file,
                    const Canvas& picture, std::optional<Pos> pos, bool transparent) {
    const std::filesystem::path out = root_ / file;
    std::filesystem::create_directories(out.parent_path());
    if (out.extension() == ".bmp")
        picture.saveBmp(out);
    else
        picture.savePng(out);
    int index = 0;
    for (const Item& i : items_) index += i.list == list;
    items_.push_back(
        {list, index, name, file, picture.width(), picture.height(), pos, transparent, picture});
}

Canvas Catalog::find(const std::string& list, const std::string& name) const {
    for (const Item& i : items_)
        if (i.list == list && i.name == name) return i.picture;
    throw std::logic_error("no picture " + list + "/" + name);
}

void Catalog::place(const std::string& window, const std::string& control, Rect r) {
    places_.push_back({window + '\t' + control, r});
}

void Catalog::writeManifest() const {
    const std::filesystem::path file = root_ / "images/manifest.txt";
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << "# list\tindex\tname\tfile\twidth\theight\tx\ty\ttransparent\n";
    for (const Item& i : items_) {
        out << i.list << '\t' << i.index << '\t' << i.name << '\t' << i.file << '\t' << i.width
            << '\t' << i.height << '\t';
        if (i.pos)
            out << i.pos->x << '\t' << i.pos->y;
        else
            out << "-\t-";
        out << '\t' << (i.transparent ? 1 : 0) << '\n';
    }
    if (!out) throw std::runtime_error("cannot write " + file.string());
    std::ofstream layout(root_ / "images/layout.txt", std::ios::binary);
    layout << "# window\tcontrol\tx\ty\twidth\theight\n";
    for (const auto& [name, r] : places_)
        layout << name << '\t' << r.x << '\t' << r.y << '\t' << r.w << '\t' << r.h << '\n';
    if (!layout) throw std::runtime_error("cannot write layout.txt");
}

}  // namespace art
