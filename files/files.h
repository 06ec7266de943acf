#pragma once
// File access of the game: the two roots (installation and user directory),
// relative paths matched without regard to case, and safe writing.

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tb {

namespace fs = std::filesystem;

// A file problem, with the file's name in the message.
class FileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A directory under which the game's relative paths ("Data/User.dat",
// "images\pismena\pismeno01.bmp") are resolved. Each component is matched
// exactly first, then without regard to ASCII case; a component that does
// not exist keeps the spelling given (so new files can be created).
class FileRoot {
  public:
    FileRoot() = default;
    explicit FileRoot(fs::path base) : base_(std::move(base)) {}
    const fs::path& base() const { return base_; }
    fs::path resolve(std::string_view relative) const;

  private:
    fs::path base_;
};

// The system calls under the writers. Tests put faults in them (a write that
// stops after some bytes, a failing fsync or rename).
struct FileCalls {
    std::function<ssize_t(int, const void*, size_t)> write;
    std::function<int(int)> fsync;
    std::function<int(const char*, const char*)> rename;
};
// The calls in use: the system's own unless a test has put others in.
FileCalls& fileCalls();

inline constexpr uint64_t kAnySize = UINT64_MAX;
// Whole file as bytes; throws FileError naming the file. Only a regular file
// is read (a pipe or a device would never end) and only up to `limit` bytes,
// the largest valid file of its kind.
std::string readFile(const fs::path& path, uint64_t limit = kAnySize);
// Whether anything has the name, a dangling link too.
bool existsAtAll(const fs::path& path);
// Writes `bytes` into a new temporary file beside `path` (a name nobody can
// guess, created exclusively, never through a link), syncs it and renames it
// over `path`, then syncs the folder. A failed write never destroys the
// previous file, and a link at `path` is replaced, not written through.
// Throws FileError; the temporary file is gone either way.
void writeFileAtomic(const fs::path& path, std::string_view bytes);
// Renames `from` over `to` and syncs the folder. Throws FileError.
void replaceFile(const fs::path& from, const fs::path& to);
// Renames a file that cannot be used to the first free name
// "<name>.poskozeny", "<name>.poskozeny2", ... beside it, so that nothing of
// it is lost. Returns the new name; throws FileError.
fs::path setAside(const fs::path& path);

// Another running program holds the user directory.
class UserDirBusy : public FileError {
  public:
    using FileError::FileError;
};

// One running game per user directory: an exclusive lock on a file in it,
// held as long as the object lives. The system drops it when the process
// ends in any way, so no lock outlives its game.
class UserDirLock {
  public:
    static constexpr const char* kName = "tavik-borun.lock";
    // Throws UserDirBusy when another program holds the lock, FileError
    // when the lock file cannot be made.
    explicit UserDirLock(const fs::path& userDir);
    ~UserDirLock();
    UserDirLock(const UserDirLock&) = delete;
    UserDirLock& operator=(const UserDirLock&) = delete;

  private:
    int fd_ = -1;
};

// The installation root: `override` if given, else $TAVIK_BORUN_ROOT, else
// <exe dir>/../share/tavik-borun (installed), else <exe dir>/root (build tree).
// A bare `executable` (argv[0] found through PATH) means the running program.
fs::path findInstallRoot(const fs::path& executable, const std::optional<fs::path>& override);
// $XDG_DATA_HOME/tavik-borun, else ~/.local/share/tavik-borun. Throws
// FileError when neither names an absolute folder (the files would land
// wherever the game happens to be started).
fs::path defaultUserDir();
// Number of music tracks Sound/1.xm, Sound/2.xm, ... (up to 20) present in
// the installation root, counted from 1 without a gap.
int countMusicTracks(const FileRoot& install);
// Makes the user directory ready: Data/, Save/1..10.dat and
// Save/Prubeh/1..10.dat as empty files (a free slot), and the default
// Data/User.dat. Never touches a file that already exists, nor creates the
// target of a dangling link. Removes the temporary files a killed writer
// left behind (and the record's scratch file Data/MainHLP.dat), so call it
// only while holding the UserDirLock.
void seedUserDir(const FileRoot& user, int musicTracks);
// The contents of the default Data/User.dat.
std::string defaultUserDat(int musicTracks);

}  // namespace tb
