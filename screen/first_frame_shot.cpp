#include "screen/first_frame_shot.h"

#include <time.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>

#include "platform/bitmap.h"

namespace tb {

long msSinceProcessStart() {
    std::ifstream in("/proc/self/stat");
    const std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The program's name (field 2) may hold spaces: count fields after its ')'.
    const auto close = stat.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream fields(stat.substr(close + 1));
    std::string skip;
    for (int field = 3; field < 22; ++field) fields >> skip;
    unsigned long long startTicks = 0;
    if (!(fields >> startTicks)) return -1;
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const long long nowMs = now.tv_sec * 1000LL + now.tv_nsec / 1'000'000;
    return static_cast<long>(nowMs -
                             static_cast<long long>(startTicks) * 1000 / sysconf(_SC_CLK_TCK));
}

std::function<void()> firstFrameShot(Application& app, std::filesystem::path file,
                                     std::ostream& report) {
    return [&app, file = std::move(file), &report] {
        // Pictures shown while the game winds down are not the first one.
        if (app.quitting()) return;
        const long ms = msSinceProcessStart();
        savePng(app.surface(), file);
        report << "first frame " << ms << " ms after start: " << file.string() << std::endl;
        app.quit();
    };
}

}  // namespace tb
