#pragma once
// Where a tile shows on the game screen: on a board cell or in a rack slot
// (top-left corner of its picture, in logical 1024x768 pixels).

namespace tb {

struct Bod {
    int x = 0;
    int y = 0;
    bool operator==(const Bod&) const = default;
};

// Board cell (x, y), both 1..15.
Bod polohaNaDesce(int x, int y);
// Rack slot 1..7 of seat 1 (bottom), 2 (top), 3 (left) or 4 (right).
Bod polohaNaStojanu(int hrac, int slot);

}  // namespace tb
