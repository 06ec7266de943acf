#include "app/app_main.h"

#include <cstdio>
#include <exception>
#include <iostream>
#include <memory>
#include <stdexcept>

#include "app/first_frame_shot.h"
#include "app/game_app.h"
#include "engine/game/options.h"
#include "files/files.h"
#include "platform/application.h"
#include "platform/display.h"
#include "platform/sdl_events.h"
#include "store/sqlite_word_store.h"

namespace tb {

int runApplication(const std::vector<std::string>& args, const std::string& argv0,
                   const AppDrivers& drivers) {
    auto nelzeSpustit = [&](const std::string& proc) {
        std::fprintf(stderr, "tavik-borun: %s\n", proc.c_str());
        const std::string text = "Hru nelze spustit.\n\n" + proc;
        if (drivers.zprava)
            drivers.zprava(text);
        else
            showSystemMessage("Tavik Borun", text);
    };
    try {
        const Options opt = parseOptions(args);
        if (opt.help || opt.version) {
            std::cout << (opt.help ? optionsUsage() : "tavik-borun " + gameVersion() + "\n");
            return 0;
        }
        const FileRoot install(findInstallRoot(argv0, opt.root));
        const FileRoot user(opt.userDir ? *opt.userDir : defaultUserDir());
        // Two games on one directory would write each other's record and saves.
        const UserDirLock zamek(user.base());
        seedUserDir(user, countMusicTracks(install));

        Display display(!opt.window);
        std::unique_ptr<SdlEventSource> sdlEvents;
        std::unique_ptr<SdlTicks> sdlTicks;
        EventSource* events = drivers.events;
        Ticks* ticks = drivers.ticks;
        if (!events) events = (sdlEvents = std::make_unique<SdlEventSource>()).get();
        if (!ticks) ticks = (sdlTicks = std::make_unique<SdlTicks>()).get();
        Application app(display, *events, *ticks);
        app.screenshotDir = user.base() / "Screenshots";
        if (opt.screenshot) app.afterFlip = firstFrameShot(app, *opt.screenshot, std::cout);

        std::unique_ptr<SqliteWordStore> vlastni;
        WordStore* slovnik = drivers.slovnik;
        if (!slovnik) slovnik = (vlastni = std::make_unique<SqliteWordStore>(install, user)).get();
        Nahoda nahoda(opt.seed);
        HerniAplikace hra(app, install, user, *slovnik, nahoda, herniOkna(), drivers.zvuk);
        if (vlastni && !vlastni->upozorneni().empty()) hra.upozorni(vlastni->upozorneni());
        if (opt.newGame) {
            hra.novaHra();
        } else {
            if (opt.skipIntro) hra.bezIntra();
            hra.doMenu();
        }
        if (drivers.onStart) drivers.onStart(hra);
        hra.run();
    } catch (const std::invalid_argument& e) {
        nelzeSpustit(e.what());
        std::fputs(optionsUsage().c_str(), stderr);
        return 2;
    } catch (const std::exception& e) {
        nelzeSpustit(e.what());
        return 1;
    }
    return 0;
}

}  // namespace tb
