// One frame of the game screen as the painter draws it: the composed
// background, all 97 tiles, the texts of four players and the clocks, the
// pointer with its shadow, and the flip.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/display.h"
#include "platform/draw.h"
#include "platform/image_list.h"
#include "platform/text_painter.h"

namespace tb {
namespace {

Bitmap pattern(int w, int h, uint32_t seed) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.set(x, y, Rgb{uint8_t(x * 3 + seed), uint8_t(y * 5 + seed), uint8_t(seed)}.argb());
    return b;
}

struct Screen {
    Display display{false};
    TextPainter text;
    ImageList background, tiles;
    std::vector<std::pair<int, int>> places;

    Screen() {
        background.add("Povrch1", pattern(1024, 768, 1));
        // The pointer and its shadow have see-through corners.
        Bitmap pointer = pattern(24, 24, 9);
        fillRect(pointer, {12, 12, 12, 12}, Rgb{});
        background.add("Mys", pointer, true, Rgb{});
        background.add("MysStin", pattern(30, 30, 3), true, Rgb{});
        for (int n = 0; n < 97; ++n) {
            tiles.add("pismeno", pattern(32, 32, static_cast<uint32_t>(n)));
            // Board cells and rack slots, spread over the picture.
            places.emplace_back(135 + (n % 15) * 38, 103 + (n / 15) * 38);
        }
    }

    void frame(int mouseX, int mouseY, int second) {
        Bitmap& s = display.surface();
        background[0].draw(s, 0, 0);
        for (int n = 0; n < 97; ++n) tiles[n].draw(s, places[n].first, places[n].second);
        const Font name{"Times New Roman", 21, false, Rgb{255, 255, 255}};
        const Font points{"Verdana", 16, true, Rgb{128, 128, 128}};
        const Font clock{"Arial Black", 15, false, Rgb{255, 255, 255}};
        for (int p = 0; p < 4; ++p) {
            const std::string who = "Hr\xE1\xE8 " + std::to_string(p + 1);
            text.textOut(s, TextPainter::centredLeft(853, 120, text.textWidth(name, who)),
                         85 + 65 * p, name, who);
            text.textOut(s, 854, 118 + 65 * p, points, std::to_string(12 + p));
            text.textOut(s, 913, 118 + 65 * p, points, std::to_string(140 + p));
        }
        const std::string t = "0:" + std::to_string(10 + second % 50);
        for (int y : {695, 712, 729}) text.textOut(s, 936, y, clock, t);
        background[2].drawAlpha(s, {mouseX - 2, mouseY - 2, 30, 30}, 60);
        background[1].draw(s, mouseX, mouseY);
    }
};

Screen& screen() {
    static Screen s;
    return s;
}

void BM_FrameWithFlip(benchmark::State& state) {
    Screen& s = screen();
    int i = 0;
    for (auto _ : state) {
        s.frame(300 + i % 400, 200 + i % 300, i / 60);
        s.display.flip();
        ++i;
    }
    state.SetLabel(s.display.rendererName());
}
BENCHMARK(BM_FrameWithFlip)->Unit(benchmark::kMillisecond);
// The renderer may draw on its own threads (llvmpipe): count them too.
BENCHMARK(BM_FrameWithFlip)
    ->Name("BM_FrameWithFlip_AllThreads")
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

void BM_FrameDrawingOnly(benchmark::State& state) {
    Screen& s = screen();
    int i = 0;
    for (auto _ : state) {
        s.frame(300 + i % 400, 200 + i % 300, i / 60);
        ++i;
    }
}
BENCHMARK(BM_FrameDrawingOnly)->Unit(benchmark::kMillisecond);

void BM_FlipOnly(benchmark::State& state) {
    Screen& s = screen();
    for (auto _ : state) s.display.flip();
}
BENCHMARK(BM_FlipOnly)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tb

BENCHMARK_MAIN();
