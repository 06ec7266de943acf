#include "app/first_frame_shot.h"

#include <time.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/bitmap.h"

namespace tb {
namespace {

// The numeric fields of /proc/self/stat, numbered as the kernel documents
// them from 1; none when it cannot be read.
std::vector<unsigned long long> processStat() {
    std::ifstream in("/proc/self/stat");
    const std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The program's name (field 2) may hold spaces: count fields after its ')'.
    const auto close = stat.rfind(')');
    if (close == std::string::npos) return {};
    std::istringstream rest(stat.substr(close + 1));
    std::vector<unsigned long long> fields(4, 0);  // 0, 1, 2 and 3 (the state letter) unused
    std::string state;
    rest >> state;
    for (unsigned long long v; rest >> v;) fields.push_back(v);
    return fields;
}

long ticksToMs(unsigned long long ticks) {
    return static_cast<long>(ticks * 1000 / static_cast<unsigned long long>(sysconf(_SC_CLK_TCK)));
}

}  // namespace

long msSinceProcessStart() {
    const auto f = processStat();
    if (f.size() <= 22) return -1;
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<long>(now.tv_sec * 1000LL + now.tv_nsec / 1'000'000) - ticksToMs(f[22]);
}

long processorMsSinceStart() {
    const auto f = processStat();
    return f.size() <= 15 ? -1 : ticksToMs(f[14] + f[15]);
}

std::function<void()> firstFrameShot(Application& app, std::filesystem::path file,
                                     std::ostream& report) {
    return [&app, file = std::move(file), &report] {
        // Pictures shown while the game winds down are not the first one.
        if (app.quitting()) return;
        const long ms = msSinceProcessStart();
        const long cpu = processorMsSinceStart();
        savePng(app.surface(), file);
        report << "first frame " << ms << " ms after start (processor " << cpu
               << " ms): " << file.string() << std::endl;
        app.quit();
    };
}

}  // namespace tb
