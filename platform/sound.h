#pragma once
// Sound effects and music: nine samples played on free channels, and the
// module tracks Sound\1.xm .. Sound\20.xm played one after another in a
// circle. Sound never stops the game: a device that cannot be opened or a
// track that cannot be loaded is reported and the game goes on silently.

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>

#include "files/files.h"

namespace tb {

// What the game needs of a sound library.
class SoundBackend {
  public:
    virtual ~SoundBackend() = default;
    virtual bool open() = 0;
    virtual void close() = 0;
    // The library's text for its last error.
    virtual std::string error() = 0;
    // A handle for the sample (0: it could not be loaded).
    virtual int loadSample(const std::filesystem::path& file) = 0;
    virtual void playSample(int handle) = 0;
    // Loads a module in place of the current one (not started).
    virtual bool loadSong(const std::filesystem::path& file) = 0;
    virtual void freeSong() = 0;
    virtual void playSong() = 0;
    // 0..255.
    virtual void setSongVolume(int volume) = 0;
    // The started module has played to its end.
    virtual bool songFinished() = 0;
};

class Sound {
  public:
    static constexpr int kMaxTracks = 20;

    // `zvukyZap` is the game's "sound effects on" flag, read at every effect.
    Sound(SoundBackend& backend, FileRoot install, const bool& zvukyZap, std::ostream& err);
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // Opens the library, loads the first track (not started) and the nine
    // effects. With no track configured the effects still play.
    void start(int pocetPisni, int hlasitostHudby);
    // Effect 1..9; nothing while effects are off or the library is closed.
    void HrajZvuk(int n);
    // Starts the loaded track (the end of the intro, or Esc during it).
    void PlayPisen();
    // Polled from the frame timer: a finished track gives way to the next,
    // after the last comes the first.
    void TimerHudba();
    void SetVolumeHudba(int hlasitostHudby);
    // Frees the track and closes the library.
    void stop();

    // "Sound\k.xm".
    static std::string IntToChar(int k);

    int AktPisen() const { return aktPisen_; }
    int PocetPisni() const { return pocetPisni_; }
    bool isOpen() const { return open_; }

  private:
    bool loadTrack();
    void fail(const char* what);

    SoundBackend& backend_;
    FileRoot install_;
    const bool& zvukyZap_;
    std::ostream& err_;
    bool open_ = false;
    bool song_ = false;
    int pocetPisni_ = 0;
    int aktPisen_ = 1;
    int hlasitost_ = 255;
    int samples_[10] = {};
};

}  // namespace tb
