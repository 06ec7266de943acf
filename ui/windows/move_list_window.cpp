#include "ui/windows/move_list_window.h"

#include "engine/record/move_record.h"
#include "ui/windows/dialog_ui.h"

namespace tb {
namespace {

const Font kListFont{"Verdana", 16, false, Rgb{255, 255, 255}};
// Where the columns start: number, player, words, points, time.
const std::vector<int> kSloupce = {0, 30, 116, 352, 396};

}  // namespace

std::vector<std::string> radkySeznamu(const std::vector<RadekSeznamu>& rows) {
    std::vector<std::string> out;
    for (const RadekSeznamu& r : rows) {
        // The final scores stand in the player and points columns of the turns.
        std::vector<std::string> sloupce = r.sloupce;
        if (r.druh == RadekSeznamu::Druh::Skore) sloupce.insert(sloupce.begin(), "");
        std::string radek;
        for (size_t i = 0; i < sloupce.size(); ++i) radek += (i ? "\t" : "") + sloupce[i];
        out.push_back(std::move(radek));
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
    tabule.tabStops = kSloupce;
    const TZapis zapis(ctx.user);
    tabule.items = radkySeznamu(seznamTahu(ctx.s, zapis));
    d.button("ZrusPr", {450, 11, 30, 30}, "×", false, [&] {
        ctx.HrajZvuk(1);
        d.window.close();
    });
    d.run();
}

}  // namespace tb
