#include "engine/game/tile_positions.h"

#include <cmath>

namespace tb {
namespace {

constexpr int kDeskaX = 129, kDeskaY = 98;  // the board picture HraciPlocha
// The cells are 37.714285 pixels apart, not 38: positions are rounded from
// the exact pitch (halves to even).
constexpr double kRozestup = 37.714285;

struct Panel {
    int x, y;
    bool vodorovny;
};
// Panel1 bottom, Panel2 top, Panel3 left, Panel4 right.
constexpr Panel kPanely[5] = {
    {0, 0, true}, {235, 707, true}, {235, 4, true}, {16, 200, false}, {744, 200, false}};
constexpr int kStojanY[5] = {0, 720, 17, 0, 0};
constexpr int kStojanX[5] = {0, 0, 0, 31, 759};

}  // namespace

Bod polohaNaDesce(int x, int y) {
    return {kDeskaX + static_cast<int>(std::nearbyint((x - 1) * kRozestup + 6)),
            kDeskaY + static_cast<int>(std::nearbyint((y - 1) * kRozestup + 5))};
}

Bod polohaNaStojanu(int hrac, int slot) {
    if (hrac < 1 || hrac > 4) return {};
    const Panel& p = kPanely[hrac];
    if (p.vodorovny) return {p.x - 24 + 47 * slot, kStojanY[hrac]};
    return {kStojanX[hrac], p.y - 24 + 47 * slot};
}

}  // namespace tb
