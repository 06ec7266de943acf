#include "ui/windows/move_list_window.h"

#include "engine/record/move_record.h"
#include "ui/windows/dialog_ui.h"

namespace tb {
namespace {

const Font kListFont{"Verdana", 16, false, Rgb{255, 255, 255}};

// PosunNa: spaces until the text is wider than `stop` pixels.
void posunNa(TextPainter& tp, const Font& f, std::string& buf, int stop) {
    while (tp.textWidth(f, buf) <= stop) buf += ' ';
}

const std::string& sloupec(const RadekSeznamu& r, size_t i) {
    static const std::string prazdny;
    return i < r.sloupce.size() ? r.sloupce[i] : prazdny;
}

}  // namespace

std::vector<std::string> radkySeznamu(TextPainter& tp, const Font& font,
                                      const std::vector<RadekSeznamu>& rows) {
    // Column stops of each kind of row: a column, then the stop before the next.
    struct Stops {
        int before;  // stop before the first column, or -1
        std::vector<int> after;
    };
    std::vector<std::string> out;
    for (const RadekSeznamu& r : rows) {
        Stops st{-1, {}};
        switch (r.druh) {
            case RadekSeznamu::Druh::Tah:
                st.after = {25, 110, 346, 390};
                break;
            case RadekSeznamu::Druh::Bonus:
                st.after = {25, 110};
                break;
            case RadekSeznamu::Druh::Skore:
                st = {80, {200, 300}};
                break;
            case RadekSeznamu::Druh::Prazdny:
            case RadekSeznamu::Druh::Cas:
                break;
        }
        std::string buf;
        if (st.before >= 0) posunNa(tp, font, buf, st.before);
        for (size_t i = 0; i < r.sloupce.size(); ++i) {
            buf += sloupec(r, i);
            if (i < st.after.size() && i + 1 < r.sloupce.size())
                posunNa(tp, font, buf, st.after[i]);
        }
        out.push_back(std::move(buf));
    }
    return out;
}

void showMoveList(UiContext& ctx) {
    PictureDialog d(ctx, "TZapis", {262, 184, 500, 400});
    d.background("Pozadi");
    ListBox& tabule = d.window.add<ListBox>("Tabule", Rect{21, 51, 458, 328});
    tabule.font = kListFont;
    tabule.itemHeight = 18;
    tabule.color = Rgb{0, 0, 0};
    const TZapis zapis(ctx.user);
    tabule.items = radkySeznamu(ctx.app.text(), kListFont, seznamTahu(ctx.s, zapis));
    d.button("ZrusPr", {450, 11, 30, 30}, "×", false, [&] {
        ctx.HrajZvuk(1);
        d.window.close();
    });
    d.run();
}

}  // namespace tb
