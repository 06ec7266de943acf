#include "platform/image_list.h"

#include <stdexcept>
#include <utility>

#include "platform/draw.h"

namespace tb {

Picture::Picture(std::string name, Bitmap pixels, bool transparent, Rgb key)
    : name_(std::move(name)), pixels_(std::move(pixels)), transparent_(transparent), key_(key) {
    applyKey();
}

void Picture::assign(Bitmap pixels) {
    pixels_ = std::move(pixels);
    applyKey();
}

void Picture::applyKey() {
    const uint32_t key = key_.argb() & 0x00FFFFFFu;
    opaque_ = true;
    for (int y = 0; y < pixels_.height(); ++y) {
        uint32_t* r = pixels_.row(y);
        for (int x = 0; x < pixels_.width(); ++x) {
            if (transparent_ && (r[x] & 0x00FFFFFFu) == key) r[x] = key;  // alpha 0
            if ((r[x] >> 24) != 255) opaque_ = false;
        }
    }
}

void Picture::draw(Bitmap& dst, int x, int y) const {
    if (opaque_)
        copyOpaque(dst, x, y, pixels_);
    else
        tb::draw(dst, x, y, pixels_);
}

void Picture::stretchDraw(Bitmap& dst, Rect r) const {
    tb::stretchDraw(dst, r, pixels_);
}
void Picture::drawAdd(Bitmap& dst, Rect r, int strength) const {
    tb::drawAdd(dst, r, pixels_, strength);
}
void Picture::drawAlpha(Bitmap& dst, Rect r, int strength) const {
    tb::drawAlpha(dst, r, pixels_, strength);
}
void Picture::drawRotate(Bitmap& dst, int cx, int cy, int w, int h, int angle) const {
    tb::drawRotate(dst, cx, cy, w, h, pixels_, angle);
}

Picture& ImageList::add(std::string name, Bitmap pixels, bool transparent, Rgb key) {
    return items_.emplace_back(std::move(name), std::move(pixels), transparent, key);
}

Picture& ImageList::load(std::string_view file, std::string name, bool transparent, Rgb key) {
    const fs::path path = root_.resolve(file);
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        throw FileError("Missing picture " + std::string(file) + " (" + path.string() + ")");
    if (name.empty()) name = path.stem().string();
    return add(std::move(name), loadBitmap(path), transparent, key);
}

Picture& ImageList::operator[](int index) {
    return const_cast<Picture&>(std::as_const(*this)[index]);
}

const Picture& ImageList::operator[](int index) const {
    if (index < 0 || index >= count())
        throw std::out_of_range("Picture " + std::to_string(index) + " of a list of " +
                                std::to_string(count()));
    return items_[static_cast<size_t>(index)];
}

int ImageList::find(std::string_view name) const {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    for (int i = 0; i < count(); ++i) {
        const std::string& n = items_[static_cast<size_t>(i)].name();
        if (n.size() == name.size() &&
            std::equal(n.begin(), n.end(), name.begin(),
                       [&](char a, char b) { return lower(a) == lower(b); }))
            return i;
    }
    return -1;
}

}  // namespace tb
