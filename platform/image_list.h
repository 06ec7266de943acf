#pragma once
// Image lists: named pictures loaded from the installation by file name, each
// with its own transparent colour, drawn onto the back buffer the ways the
// screens need.

#include <deque>
#include <string>
#include <string_view>

#include "files/files.h"
#include "platform/bitmap.h"

namespace tb {

class Picture {
  public:
    Picture(std::string name, Bitmap pixels, bool transparent = false, Rgb key = {});

    const std::string& name() const { return name_; }
    const Bitmap& bitmap() const { return pixels_; }
    int width() const { return pixels_.width(); }
    int height() const { return pixels_.height(); }
    bool transparent() const { return transparent_; }
    Rgb key() const { return key_; }
    // New pixels for the item (a work picture put into the list); the
    // transparent colour stays.
    void assign(Bitmap pixels);

    void draw(Bitmap& dst, int x, int y) const;
    void stretchDraw(Bitmap& dst, Rect r) const;
    void drawAdd(Bitmap& dst, Rect r, int strength) const;
    void drawAlpha(Bitmap& dst, Rect r, int strength) const;
    void drawRotate(Bitmap& dst, int cx, int cy, int w, int h, int angle) const;

  private:
    void applyKey();

    std::string name_;
    Bitmap pixels_;
    bool transparent_;
    Rgb key_;
    bool opaque_ = true;  // no pixel to skip or mix: copied row by row
};

class ImageList {
  public:
    ImageList() = default;
    // Files named relative to `root` ("images\pismena\pismeno01.bmp").
    explicit ImageList(FileRoot root) : root_(std::move(root)) {}

    Picture& add(std::string name, Bitmap pixels, bool transparent = false, Rgb key = {});
    // Loads a file of the installation; a missing or unreadable file throws
    // FileError naming it. The item's name defaults to the file name.
    Picture& load(std::string_view file, std::string name = {}, bool transparent = false,
                  Rgb key = {});

    int count() const { return static_cast<int>(items_.size()); }
    // Throws std::out_of_range naming the list's size for a bad index.
    Picture& operator[](int index);
    const Picture& operator[](int index) const;
    // Index of the item of that name (ASCII case ignored), or -1.
    int find(std::string_view name) const;
    void clear() { items_.clear(); }

  private:
    FileRoot root_;
    std::deque<Picture> items_;  // a deque keeps references to items valid
};

}  // namespace tb
