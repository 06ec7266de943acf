#pragma once
// What the game's windows need from the running application: the screen and
// its loop, the pictures, sound, the game state, the dictionary and the two
// file roots. One instance lives as long as the application.

#include <functional>

#include "engine/game/game_state.h"
#include "engine/game/word_store.h"
#include "engine/saves/user_settings.h"
#include "files/files.h"
#include "platform/application.h"
#include "platform/image_manifest.h"

namespace tb {

struct UiContext {
    Application& app;
    ImageLists& images;
    GameState& s;
    WordCursor& slovnik;  // the game screen's cursor on the dictionary
    FileRoot install;     // pictures, sounds, dictionary, data/information.dat
    FileRoot user;        // Data/, Save/
    // Sound effect 1..9; silent while the effects are off.
    std::function<void(int)> HrajZvuk = [](int) {};
    // A window has closed: the screen under it follows the pointer again.
    std::function<void()> poZavreniOkna = [] {};
    // The player's options, as the settings screen sets them (the defaults
    // where no settings are loaded).
    const Volby* volby = nullptr;
    const Volby& moznosti() const {
        static const Volby vychozi;
        return volby ? *volby : vychozi;
    }
};

}  // namespace tb
