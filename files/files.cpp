#include "files/files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <utility>

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

// The process's umask, read once while the program starts and has one thread.
const mode_t kUmask = [] {
    const mode_t m = ::umask(0);
    ::umask(m);
    return m;
}();

std::string why() {
    return std::strerror(errno);
}

// Closes a descriptor when it goes out of scope.
struct Fd {
    explicit Fd(int d) : fd(d) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
    int fd;
};

void createEmptyIfMissing(const fs::path& p) {
    // Exclusive and never through a link: a dangling link stays as it is
    // instead of creating its target somewhere else.
    const int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd >= 0) {
        ::close(fd);
        return;
    }
    if (errno != EEXIST) throw FileError("Cannot create " + p.string() + ": " + why());
}

void writeAll(int fd, std::string_view bytes, const fs::path& path) {
    while (!bytes.empty()) {
        const ssize_t n = fileCalls().write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw FileError("Cannot write " + path.string() + ": " + why());
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

// The rename of a new file lasts only once its folder is on the disk too.
// Best effort: some file systems cannot sync a folder.
void syncFolder(const fs::path& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fileCalls().fsync(fd);
    ::close(fd);
}

// "Save/1.dat.tmp-Ab12Cd" of writeFileAtomic, and "Save/1.dat.tmp4711" of
// the game's earlier versions.
bool isOurTemporary(const std::string& name) {
    const size_t dot = name.rfind(".tmp");
    if (dot == std::string::npos || dot == 0) return false;
    const std::string_view tail = std::string_view(name).substr(dot + 4);
    auto all = [](std::string_view t, int (*is)(int)) {
        return !t.empty() && std::all_of(t.begin(), t.end(), [is](char c) {
            return is(static_cast<unsigned char>(c)) != 0;
        });
    };
    return (tail.size() == 7 && tail[0] == '-' && all(tail.substr(1), std::isalnum)) ||
           all(tail, std::isdigit);
}

void removeStaleTemporaries(const fs::path& dir) {
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (!isOurTemporary(it->path().filename().string())) continue;
        std::error_code type;
        if (it->symlink_status(type).type() == fs::file_type::directory) continue;
        std::error_code gone;
        fs::remove(it->path(), gone);
    }
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

FileCalls& fileCalls() {
    static FileCalls calls{::write, ::fsync, ::rename};
    return calls;
}

std::string readFile(const fs::path& path, uint64_t limit) {
    // Not waiting for a writer makes opening a pipe harmless; it is refused below.
    Fd f{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (f.fd < 0) throw FileError("Cannot open " + path.string() + ": " + why());
    struct stat st {};
    if (::fstat(f.fd, &st) != 0) throw FileError("Cannot read " + path.string() + ": " + why());
    if (!S_ISREG(st.st_mode)) throw FileError(path.string() + " is not a regular file");
    auto tooLarge = [&] {
        return FileError(path.string() + " is too large (at most " + std::to_string(limit) +
                         " bytes)");
    };
    if (static_cast<uint64_t>(st.st_size) > limit) throw tooLarge();
    std::string out;
    out.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(f.fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw FileError("Cannot read " + path.string() + ": " + why());
        if (n == 0) return out;
        // The file may have grown since it was measured.
        if (out.size() + static_cast<uint64_t>(n) > limit) throw tooLarge();
        out.append(buf, static_cast<size_t>(n));
    }
}

bool existsAtAll(const fs::path& path) {
    // What cannot even be looked at counts as there: it is left alone.
    std::error_code ec;
    return fs::symlink_status(path, ec).type() != fs::file_type::not_found;
}

void writeFileAtomic(const fs::path& path, std::string_view bytes) {
    std::string name = path.string() + ".tmp-XXXXXX";
    Fd f{::mkostemp(name.data(), O_CLOEXEC)};
    if (f.fd < 0) throw FileError("Cannot write " + path.string() + ": " + why());
    try {
        // The temporary file is private; the file it becomes is an ordinary one.
        if (::fchmod(f.fd, 0666 & ~kUmask) != 0)
            throw FileError("Cannot write " + path.string() + ": " + why());
        writeAll(f.fd, bytes, path);
        if (fileCalls().fsync(f.fd) != 0)
            throw FileError("Cannot write " + path.string() + ": " + why());
        const int fd = std::exchange(f.fd, -1);
        if (::close(fd) != 0) throw FileError("Cannot write " + path.string() + ": " + why());
        replaceFile(name, path);
    } catch (...) {
        ::unlink(name.c_str());
        throw;
    }
}

void replaceFile(const fs::path& from, const fs::path& to) {
    if (fileCalls().rename(from.c_str(), to.c_str()) != 0)
        throw FileError("Cannot replace " + to.string() + ": " + why());
    syncFolder(to.parent_path());
}

fs::path setAside(const fs::path& path) {
    for (int k = 1;; ++k) {
        fs::path aside = path;
        aside += ".poskozeny" + (k > 1 ? std::to_string(k) : std::string());
        if (existsAtAll(aside)) continue;
        replaceFile(path, aside);
        return aside;
    }
}

UserDirLock::UserDirLock(const fs::path& userDir) {
    std::error_code ec;
    fs::create_directories(userDir, ec);
    const fs::path file = userDir / kName;
    fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd_ < 0) throw FileError("Cannot lock " + userDir.string() + ": " + why());
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return;
    const bool busy = errno == EWOULDBLOCK;
    const std::string reason = why();
    ::close(fd_);
    if (busy)
        throw UserDirBusy("Tavik Borun už běží se složkou " + userDir.string() +
                          ". Druhá hra se stejnými soubory se nespustí.");
    throw FileError("Cannot lock " + userDir.string() + ": " + reason);
}

UserDirLock::~UserDirLock() {
    ::close(fd_);
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
    // A relative folder would depend on where the game is started from.
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && fs::path(xdg).is_absolute())
        return fs::path(xdg) / "tavik-borun";
    const char* home = std::getenv("HOME");
    if (!home || !fs::path(home).is_absolute())
        throw FileError(
            "Není nastavena domovská složka (HOME), a tak hra neví, kam ukládat. "
            "Spusťte ji s --user-dir SLOŽKA.");
    return fs::path(home) / ".local" / "share" / "tavik-borun";
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
    for (const char* dir : {"", "Data", "Save", "Save/Prubeh"})
        removeStaleTemporaries(user.resolve(dir));
    // The record's scratch file holds nothing between two runs.
    fs::remove(user.resolve("Data/MainHLP.dat"), ec);
    for (int k = 1; k <= 10; ++k) {
        createEmptyIfMissing(user.resolve("Save/" + std::to_string(k) + ".dat"));
        createEmptyIfMissing(user.resolve("Save/Prubeh/" + std::to_string(k) + ".dat"));
    }
    const fs::path settings = user.resolve("Data/User.dat");
    if (!existsAtAll(settings)) writeFileAtomic(settings, defaultUserDat(musicTracks));
}

}  // namespace tb
