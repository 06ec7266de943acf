#pragma once
// File access of the game: the two roots (installation and user directory),
// relative paths matched without regard to case, and safe writing.

#include <filesystem>
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

// Whole file as bytes; throws FileError naming the file.
std::string readFile(const fs::path& path);
// Writes a temporary file beside `path` and renames it over `path`, so a
// failed write never destroys the previous file. Throws FileError.
void writeFileAtomic(const fs::path& path, std::string_view bytes);

// The installation root: `override` if given, else $TAVIK_BORUN_ROOT, else
// <exe dir>/../share/tavik-borun (installed), else <exe dir>/root (build tree).
// A bare `executable` (argv[0] found through PATH) means the running program.
fs::path findInstallRoot(const fs::path& executable, const std::optional<fs::path>& override);
// $XDG_DATA_HOME/tavik-borun, else ~/.local/share/tavik-borun.
fs::path defaultUserDir();
// Number of music tracks Sound/1.xm, Sound/2.xm, ... (up to 20) present in
// the installation root, counted from 1 without a gap.
int countMusicTracks(const FileRoot& install);
// Makes the user directory ready: Data/, Save/1..10.dat and
// Save/Prubeh/1..10.dat as empty files (a free slot), and the default
// Data/User.dat. Never touches a file that already exists.
void seedUserDir(const FileRoot& user, int musicTracks);
// The contents of the default Data/User.dat.
std::string defaultUserDat(int musicTracks);

}  // namespace tb
