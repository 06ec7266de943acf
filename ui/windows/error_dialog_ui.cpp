#include "ui/windows/error_dialog_ui.h"

namespace tb {
namespace {

constexpr int kWidth = 300;
constexpr int kTextLeft = 9;
constexpr int kTextWidth = 282;

}  // namespace

ErrorDialog::ErrorDialog(UiContext& c, std::string list, int height)
    : PictureDialog(c, std::move(list), {(1024 - kWidth) / 2, (768 - height) / 2, kWidth, height}) {
    background("Pozadi");
}

Label& ErrorDialog::text(std::string name, int top, const std::string& caption) {
    // A long word first gets the narrower face, and only then a smaller size.
    TextPainter& tp = ctx.app.text();
    Font font{"Verdana", 13, true, Rgb{250, 236, 200}};
    if (tp.textWidth(font, caption) > kTextWidth) font.family = "Arial";
    Label& l = label(std::move(name), {kTextLeft, top, kTextWidth, 20},
                     fitFont(tp, font, caption, kTextWidth), Alignment::Center);
    l.caption = caption;
    return l;
}

PictureButton& ErrorDialog::choice(std::string_view base, Rect where, std::string_view caption,
                                   DialogVolba volba) {
    return button(base, where, caption, false, [this, volba] {
        ctx.HrajZvuk(1);
        volba_ = volba;
        window.close();
    });
}

DialogVolba ErrorDialog::ask() {
    volba_ = DialogVolba::Zavreno;
    return run() ? volba_ : DialogVolba::Zavreno;
}

}  // namespace tb
