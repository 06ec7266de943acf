#include "ui/windows/dialog_ui.h"

#include <algorithm>
#include <cctype>

#include "files/text.h"
#include "platform/draw.h"

namespace tb {
namespace {

// The OFF face of a button that cannot be used now is drawn dimmed, so the
// player sees why it does not light.
class FaceImage : public Image {
  public:
    FaceImage(std::string name, Rect r, const PictureButton& owner)
        : Image(std::move(name), r), owner_(owner) {}
    void paint(Bitmap& dst, int x, int y, TextPainter& tp) const override {
        Image::paint(dst, x, y, tp);
        if (owner_.isUsable()) return;
        static const Bitmap shade(1, 1);
        drawAlpha(dst, {x, y, width, height}, shade, 120);
    }

  private:
    const PictureButton& owner_;
};

Rgb mix(Rgb a, Rgb b, int i, int n) {
    auto ch = [&](uint8_t p, uint8_t q) { return uint8_t(p + (q - p) * i / std::max(1, n)); };
    return {ch(a.r, b.r), ch(a.g, b.g), ch(a.b, b.b)};
}

void frame(Bitmap& b, Rgb c) {
    fillRect(b, {0, 0, b.width(), 1}, c);
    fillRect(b, {0, b.height() - 1, b.width(), 1}, c);
    fillRect(b, {0, 0, 1, b.height()}, c);
    fillRect(b, {b.width() - 1, 0, 1, b.height()}, c);
}

}  // namespace

std::string cp1250(std::string_view utf8) {
    return utf8ToCp1250(utf8);
}

Font fitFont(TextPainter& tp, Font font, std::string_view text, int width, int smallest) {
    while (font.size > smallest && tp.textWidth(font, text) > width) --font.size;
    return font;
}

void styleWordEdit(Edit& e, int maxLength) {
    e.maxLength = maxLength;
    e.font = Font{"Verdana", 15, true, Rgb{255, 244, 214}};
    e.color = Rgb{24, 20, 16};
}

PictureDialog::PictureDialog(UiContext& c, std::string list, Rect bounds)
    : ctx(c), window(list, bounds), list_(std::move(list)) {
    if (!ctx.images.manifest().list(list_).empty()) pictures_ = &ctx.images.get(list_);
    window.onMouseMove = [this](int, int) { hideLit(); };
}

const Picture& PictureDialog::face(std::string_view name, Rect where, std::string_view caption,
                                   Face f) {
    if (pictures_) {
        const int i = pictures_->find(name);
        if (i >= 0) return (*pictures_)[i];
    }
    return standIn(name, where, caption, f);
}

const Picture& PictureDialog::standIn(std::string_view name, Rect where, std::string_view caption,
                                      Face f) {
    Bitmap b(where.w, where.h);
    TextPainter& tp = ctx.app.text();
    const std::string text = cp1250(caption);
    if (f == Face::Panel) {
        fill(b, Rgb{28, 36, 44});
        frame(b, Rgb{176, 140, 70});
        const Font title{"Times New Roman", 22, true, Rgb{230, 200, 120}};
        tp.textOut(b, TextPainter::centredLeft(0, b.width(), tp.textWidth(title, text)), 8, title,
                   text);
    } else {
        // Brass: lighter when lit, darker and the caption a pixel lower when held.
        const Rgb top = f == Face::On ? Rgb{250, 222, 140} : Rgb{214, 176, 92};
        const Rgb bottom = f == Face::Down ? Rgb{120, 88, 36} : Rgb{160, 118, 48};
        for (int y = 0; y < b.height(); ++y)
            fillRect(b, {0, y, b.width(), 1}, mix(top, bottom, y, b.height() - 1));
        frame(b, Rgb{70, 48, 18});
        const Font font =
            fitFont(tp, {"Verdana", std::min(16, b.height() - 6), true, Rgb{40, 24, 8}}, text,
                    b.width() - 6, 7);
        const int shift = f == Face::Down ? 1 : 0;
        tp.textOut(b, TextPainter::centredLeft(0, b.width(), tp.textWidth(font, text)) + shift,
                   (b.height() - tp.textHeight(font)) / 2 + shift, font, text);
    }
    return standIns_.emplace_back(std::string(name), std::move(b));
}

Image& PictureDialog::background(std::string_view name) {
    const Rect all{0, 0, window.bounds.w, window.bounds.h};
    Image& img = picture(name, all);
    img.setBounds(all);
    img.onMouseMove = [this](Control&, int, int) { hideLit(); };
    return img;
}

Image& PictureDialog::picture(std::string_view name, Rect where) {
    Image& img = window.add<Image>(std::string(name), where);
    img.picture = &face(name, where, "", Face::Panel);
    img.setBounds(placeOf(name, where, *img.picture));
    return img;
}

Rect PictureDialog::placeOf(std::string_view name, Rect where, const Picture& p) const {
    // Face names differ in case between lists ("ReturnOff", "SaveOFF").
    auto same = [](std::string_view a, std::string_view b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) ==
                   std::tolower(static_cast<unsigned char>(y));
        });
    };
    for (const ManifestEntry* e : ctx.images.manifest().list(list_))
        if (same(e->name, name) && e->x && e->y) where = {*e->x, *e->y, 0, 0};
    return {where.x, where.y, p.width(), p.height()};
}

PictureButton& PictureDialog::button(std::string_view base, Rect where, std::string_view caption,
                                     bool pressable, std::function<void()> click) {
    PictureButton& b = buttons_.emplace_back();
    const std::string name(base);
    auto place = [&](const std::string& faceName, Face f, Image& img) -> Image& {
        img.picture = &face(faceName, where, caption, f);
        img.setBounds(placeOf(faceName, where, *img.picture));
        return img;
    };
    b.off = &place(name + "OFF", Face::Off, window.add<FaceImage>(name + "OFF", where, b));
    b.on = &place(name + "ON", Face::On, window.add<Image>(name + "ON", where));
    b.on->visible = false;
    if (pressable) {
        b.down = &place(name + "Down", Face::Down, window.add<Image>(name + "Down", where));
        b.down->visible = false;
    }
    b.off->onMouseMove = [this, &b](Control&, int, int) { light(b); };
    b.on->onMouseDown = [&b](Control&, int, int) {
        if (!b.down) return;
        b.down->visible = true;
        b.on->visible = false;
    };
    b.on->onClick = [click = std::move(click)](Control&) { click(); };
    b.on->onMouseUp = [&b](Control&, int, int) {
        if (b.down) b.down->visible = false;
    };
    return b;
}

Label& PictureDialog::label(std::string name, Rect where, Font font, Alignment a) {
    Label& l = window.add<Label>(std::move(name), where);
    l.font = std::move(font);
    l.alignment = a;
    l.onMouseMove = [this](Control&, int, int) { hideLit(); };
    return l;
}

void PictureDialog::hideLit() {
    for (PictureButton& b : buttons_) b.on->visible = false;
}

void PictureDialog::light(PictureButton& b) {
    hideLit();
    if (b.isUsable()) b.on->visible = true;
}

}  // namespace tb
