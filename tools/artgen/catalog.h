#pragma once
// Every picture the generator writes, in the order of its image list, and the
// manifest the game reads them from.
//
// images/manifest.txt, one picture a line, fields separated by a tab:
//   list  index  name  file  width  height  x  y  transparent
// - list, index, name: the image list, the item's index in it (from 0, in the
//   order the game indexes the list) and the item's name;
// - file: path below the installation root ("images/DXMenu/NewOFF.png");
// - width, height: the picture's size in pixels;
// - x, y: where the game draws it (screen pixels, or inside its window for a
//   dialog's pictures); "-" where the place is not fixed by the picture;
// - transparent: 1 when the picture has see-through parts. They travel in the
//   PNG alpha channel; there is no colour key. 0: fully opaque.
// Lines starting with "#" are comments. The letter tiles are listed too (list
// DXPismeno), though the game finds them by their fixed names.
//
// images/layout.txt: where the pictures leave room for the game's own
// controls (edit boxes, labels, lists), one a line, tab-separated:
//   window  control  x  y  width  height

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tools/artgen/canvas.h"

namespace art {

struct Pos {
    int x, y;
};

struct Item {
    std::string list;
    int index;
    std::string name;
    std::string file;  // relative to the root
    int width, height;
    std::optional<Pos> pos;
    bool transparent;
    Canvas picture;
};

class Catalog {
  public:
    explicit Catalog(std::filesystem::path root);

    // Writes images/<list>/<name>.png and records it as the list's next item.
    void add(const std::string& list, const std::string& name, const Canvas& picture,
             std::optional<Pos> pos = std::nullopt, bool transparent = false);
    // The same for a picture whose file name the game fixes (BMP or PNG by extension).
    void addAs(const std::string& list, const std::string& name, const std::string& file,
               const Canvas& picture, std::optional<Pos> pos = std::nullopt,
               bool transparent = false);

    // Records the room a picture leaves for a control of the window.
    void place(const std::string& window, const std::string& control, Rect r);

    // Writes images/manifest.txt and images/layout.txt.
    void writeManifest() const;
    const std::vector<Item>& items() const { return items_; }
    // The picture of that list and name (shared, not copied; the game screen
    // reuses faces).
    Canvas find(const std::string& list, const std::string& name) const;

  private:
    std::filesystem::path root_;
    std::vector<Item> items_;
    std::vector<std::pair<std::string, Rect>> places_;
};

}  // namespace art
