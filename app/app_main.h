#pragma once
// The whole application from its command line: the game's main() and the
// end-to-end tests run the same code. Tests hand in their own input, clock
// and dictionary; the game uses SDL's and the built word list.

#include <functional>
#include <string>
#include <vector>

#include "engine/game/random.h"
#include "engine/game/word_store.h"
#include "platform/events.h"

namespace tb {

class HerniAplikace;
class SoundBackend;

struct AppDrivers {
    EventSource* events = nullptr;  // SDL's queue when null
    Ticks* ticks = nullptr;         // SDL's clock when null
    WordStore* slovnik = nullptr;   // the built word list with the player's words when null
    // Called once the application is set up, before its first frame.
    std::function<void(HerniAplikace&)> onStart;
    SoundBackend* zvuk = nullptr;  // SDL_mixer when null
    // Why the game cannot start (UTF-8), for the player: the system's message
    // box when null, since a game started from the desktop has no terminal.
    std::function<void(const std::string&)> zprava;
};

// Runs the game to its end. Returns the process exit status: 0 after a
// normal end, 2 on a bad command line, 1 when the game cannot start (another
// game runs on the same user directory, a file of the installation is
// missing or damaged, no display). Only one game runs on a user directory.
int runApplication(const std::vector<std::string>& args, const std::string& argv0,
                   const AppDrivers& drivers = {});

}  // namespace tb
