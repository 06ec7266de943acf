// Tavik Borun: the game's entry point.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "core/options.h"
#include "platform/files.h"

int main(int argc, char** argv) {
    try {
        const tb::Options opt = tb::parseOptions(std::vector<std::string>(argv + 1, argv + argc));
        const tb::FileRoot install(tb::findInstallRoot(argv[0], opt.root));
        const tb::FileRoot user(opt.userDir.value_or(tb::defaultUserDir()));
        tb::seedUserDir(user, tb::countMusicTracks(install));
        std::printf("Tavik Borun\ninstallation: %s\nuser directory: %s\n",
                    install.base().c_str(), user.base().c_str());
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "tavik-borun: %s\n%s", e.what(), tb::optionsUsage().c_str());
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tavik-borun: %s\n", e.what());
        return 1;
    }
    return 0;
}
