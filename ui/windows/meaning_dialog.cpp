#include "ui/windows/meaning_dialog.h"

#include <optional>
#include <utility>

#include "files/text.h"
#include "store/meanings.h"
#include "ui/windows/dialog_ui.h"

namespace tb {
namespace {

constexpr int kLabelWidth = 320;
constexpr int kLabelTop = 84;
constexpr int kLabelHeight = 54;

int textHeight(TextPainter& tp, const Label& l) {
    return static_cast<int>(l.lines(tp).size()) * tp.textHeight(l.font);
}

// The text stands in the middle of its box.
void centre(TextPainter& tp, Label& l) {
    l.height = textHeight(tp, l);
    l.top = kLabelTop + (kLabelHeight - l.height) / 2;
}

// A meaning may be long: the text gets smaller until it fits the box, and
// what still does not fit is cut off after the last whole word with "…",
// so nothing is painted outside the window.
void fitInto(TextPainter& tp, Label& l) {
    const std::string whole = l.caption;
    auto fits = [&] { return textHeight(tp, l) <= kLabelHeight; };
    for (l.font.size = 14; l.font.size > 10 && !fits(); --l.font.size) {
    }
    size_t keep = whole.size();
    while (!fits() && keep > 0) {
        keep = whole.rfind(' ', keep - 1);
        if (keep == std::string::npos) keep = 0;
        l.caption = whole.substr(0, keep) + "\x85";
    }
    centre(tp, l);
}

}  // namespace

void showMeaningDialog(UiContext& ctx) {
    const std::string vyznamSlova = cp1250("Význam slova");
    PictureDialog d(ctx, "TVyznam", {337, 309, 350, 150});
    d.background("Pozadi");
    Edit& edit1 = d.window.add<Edit>("Edit1", Rect{19, 47, 144, 22});
    styleWordEdit(edit1, 8);
    Label& label1 = d.label("Label1", {15, kLabelTop, kLabelWidth, kLabelHeight},
                            {"Verdana", 14, true, Rgb{250, 236, 200}}, Alignment::Center);
    label1.wordWrap = true;
    auto nadpis = [&] {
        label1.caption = vyznamSlova;
        label1.width = kLabelWidth;
        label1.font.size = 14;
        centre(ctx.app.text(), label1);
    };
    nadpis();
    edit1.onChange = [&](Control&) {
        if (label1.caption != vyznamSlova) nadpis();
    };
    bool chybiOhlaseno = false;
    auto hledej = [&] {
        if (edit1.text.empty()) return;
        ctx.HrajZvuk(1);
        const std::string slovo = lowerAZ(edit1.text);
        std::optional<std::string> vyznam;
        bool chybi = false;
        try {
            vyznam = findMeaning(ctx.install, slovo);
        } catch (const FileError&) {
            chybi = true;
        }
        if (vyznam)
            label1.caption = *vyznam;
        else if (!ctx.slovnik.Lookup(slovo))
            label1.caption = cp1250("Hledané slovo neexistuje.");
        // Without the file no word has a meaning: said once, not as if of this word alone.
        else if (chybi && !std::exchange(chybiOhlaseno, true))
            label1.caption =
                cp1250("Významy slov chybí: nelze přečíst soubor data/information.dat.");
        else
            label1.caption = cp1250("Bohužel význam slova není zatím vytvořen.");
        label1.width = kLabelWidth;
        fitInto(ctx.app.text(), label1);
    };
    d.button("OK", {176, 44, 100, 28}, "Hledej", true, hledej);
    d.button("Exit", {318, 8, 24, 24}, "×", false, [&] {
        ctx.HrajZvuk(1);
        d.window.close();
    });
    edit1.onKeyPress = [&](Control&, char& key) {
        if (key != '\r') return;
        key = 0;
        hledej();
    };
    d.run();
}

}  // namespace tb
