#include "ui/windows/browse_window.h"

#include <array>
#include <string>

#include "platform/window.h"

namespace tb {
namespace {

struct Blocker {
    const char* name;
    Rect area;
};

constexpr std::array<Blocker, 3> kBlockers{{
    {"Prohliz1", {0, 0, 820, 768}},
    {"Prohliz2", {820, 0, 204, 515}},
    {"Prohliz3", {820, 590, 204, 22}},
}};

}  // namespace

void ZapniProhlizeniPanely(Window& form, std::function<void(int x, int y)> onMove) {
    for (const Blocker& b : kBlockers) {
        Control* c = form.find(b.name);
        if (!c) c = &form.add<Control>(b.name, b.area);
        c->visible = true;
        c->enabled = true;
        // Screen coordinates, as the game screen's own handlers get them.
        c->onMouseMove = [onMove](Control& self, int x, int y) {
            if (onMove) onMove(self.left + x, self.top + y);
        };
        form.bringToFront(*c);
    }
}

void VypniProhlizeniPanely(Window& form) {
    for (const Blocker& b : kBlockers)
        if (Control* c = form.find(b.name)) c->visible = false;
}

}  // namespace tb
