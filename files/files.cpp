#include "files/files.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

namespace tb {
namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

fs::path matchComponent(const fs::path& dir, const std::string& name) {
    std::error_code ec;
    if (fs::exists(dir / name, ec)) return dir / name;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        if (sameIgnoringCase(it->path().filename().string(), name)) return it->path();
    return dir / name;
}

void createEmptyIfMissing(const fs::path& p) {
    std::error_code ec;
    if (fs::exists(p, ec)) return;
    std::ofstream f(p, std::ios::binary);
    if (!f) throw FileError("Cannot create " + p.string());
}

}  // namespace

fs::path FileRoot::resolve(std::string_view relative) const {
    fs::path out = base_;
    std::string part;
    for (size_t i = 0; i <= relative.size(); ++i) {
        const bool sep = i == relative.size() || relative[i] == '/' || relative[i] == '\\';
        if (!sep) {
            part += relative[i];
            continue;
        }
        if (!part.empty() && part != ".") out = matchComponent(out, part);
        part.clear();
    }
    return out;
}

std::string readFile(const fs::path& path) {
    std::ifstream f(path, std::ios::binary);
    if (!f) throw FileError("Cannot open " + path.string());
    std::ostringstream ss;
    ss << f.rdbuf();
    if (f.bad()) throw FileError("Cannot read " + path.string());
    return ss.str();
}

void writeFileAtomic(const fs::path& path, std::string_view bytes) {
    fs::path tmp = path;
    tmp += ".tmp" + std::to_string(::getpid());
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        if (!f) throw FileError("Cannot write " + path.string());
        f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        f.flush();
        if (!f) {
            f.close();
            std::error_code ec;
            fs::remove(tmp, ec);
            throw FileError("Cannot write " + path.string());
        }
    }
    std::error_code ec;
    fs::rename(tmp, path, ec);
    if (ec) {
        fs::remove(tmp, ec);
        throw FileError("Cannot replace " + path.string());
    }
}

fs::path findInstallRoot(const fs::path& executable, const std::optional<fs::path>& override) {
    if (override) return *override;
    if (const char* env = std::getenv("TAVIK_BORUN_ROOT"); env && *env) return env;
    std::error_code ec;
    // A bare name was found through PATH (a desktop launcher, a shell): only
    // the kernel still knows which file that was.
    const fs::path named = executable.has_parent_path() ? executable : fs::path("/proc/self/exe");
    fs::path exe = fs::weakly_canonical(named, ec);
    if (ec) exe = executable;
    const fs::path dir = exe.parent_path();
    const fs::path installed = dir.parent_path() / "share" / "tavik-borun";
    if (fs::is_directory(installed, ec)) return installed;
    return dir / "root";
}

fs::path defaultUserDir() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return fs::path(xdg) / "tavik-borun";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : ".") / ".local" / "share" / "tavik-borun";
}

int countMusicTracks(const FileRoot& install) {
    int n = 0;
    std::error_code ec;
    while (n < 20 &&
           fs::is_regular_file(install.resolve("Sound/" + std::to_string(n + 1) + ".xm"), ec))
        ++n;
    return n;
}

std::string defaultUserDat(int musicTracks) {
    // Volume, effects on, tracks, 2 players, four seats (a new player's
    // first game is a person against the computer), 2 letters, no limit.
    return "128\r\n1\r\n" + std::to_string(musicTracks) +
           "\r\n2\r\nHrac1;0\r\nPC2;1\r\nHrac3;0\r\nHrac4;0\r\n2\r\n0\r\n";
}

void seedUserDir(const FileRoot& user, int musicTracks) {
    std::error_code ec;
    for (const char* dir : {"Data", "Save", "Save/Prubeh"}) {
        fs::create_directories(user.resolve(dir), ec);
        if (ec) throw FileError("Cannot create " + user.resolve(dir).string());
    }
    for (int k = 1; k <= 10; ++k) {
        createEmptyIfMissing(user.resolve("Save/" + std::to_string(k) + ".dat"));
        createEmptyIfMissing(user.resolve("Save/Prubeh/" + std::to_string(k) + ".dat"));
    }
    const fs::path settings = user.resolve("Data/User.dat");
    if (!fs::exists(settings, ec)) writeFileAtomic(settings, defaultUserDat(musicTracks));
}

}  // namespace tb
