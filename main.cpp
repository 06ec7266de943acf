// Tavik Borun: the game's entry point.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "core/options.h"
#include "platform/application.h"
#include "platform/files.h"
#include "platform/sdl_events.h"
#include "platform/sqlite_word_store.h"
#include "screen/game_app.h"

int main(int argc, char** argv) {
    try {
        const tb::Options opt = tb::parseOptions(std::vector<std::string>(argv + 1, argv + argc));
        const tb::FileRoot install(tb::findInstallRoot(argv[0], opt.root));
        const tb::FileRoot user(opt.userDir.value_or(tb::defaultUserDir()));
        tb::seedUserDir(user, tb::countMusicTracks(install));

        tb::Display display(!opt.window);
        tb::SdlEventSource events;
        tb::SdlTicks ticks;
        tb::Application app(display, events, ticks);
        app.screenshotDir = user.base() / "Screenshots";
        tb::SqliteWordStore slovnik(install, user);
        tb::Nahoda nahoda(opt.seed);
        tb::HerniAplikace hra(app, install, user, slovnik, nahoda);
        if (opt.newGame) {
            hra.novaHra();
        } else {
            if (opt.skipIntro) hra.stav().HudbaVypnuta = 0;
            hra.doMenu();
        }
        hra.run();
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "tavik-borun: %s\n%s", e.what(), tb::optionsUsage().c_str());
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tavik-borun: %s\n", e.what());
        return 1;
    }
    return 0;
}
