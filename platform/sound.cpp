#include "platform/sound.h"

#include <algorithm>
#include <ostream>

namespace tb {
namespace {

// The effect files by number; the tile leaving a rack reuses the arrival sound.
constexpr const char* kEffects[10] = {
    nullptr,
    "Sound\\klik.wav",
    "Sound\\Vzit.wav",
    "Sound\\Poloz.wav",
    "Sound\\PisIN.wav",
    "Sound\\PisIN.wav",
    "Sound\\Intro1a.wav",
    "Sound\\Intro2.wav",
    "Sound\\Tavik.wav",
    "Sound\\Borun.wav",
};

}  // namespace

Sound::Sound(SoundBackend& backend, FileRoot install, const bool& zvukyZap, std::ostream& err)
    : backend_(backend), install_(std::move(install)), zvukyZap_(zvukyZap), err_(err) {}

Sound::~Sound() {
    stop();
}

std::string Sound::IntToChar(int k) {
    return "Sound\\" + std::to_string(k) + ".xm";
}

void Sound::fail(const char* what) {
    err_ << what << " " << backend_.error() << std::endl;
    stop();
}

void Sound::start(int pocetPisni, int hlasitostHudby) {
    stop();
    pocetPisni_ = std::clamp(pocetPisni, 0, kMaxTracks);
    hlasitost_ = std::clamp(hlasitostHudby, 0, 255);
    aktPisen_ = 1;
    if (!backend_.open()) {
        err_ << "Error! Initializing " << backend_.error() << std::endl;
        backend_.close();
        return;
    }
    open_ = true;
    const bool loaded = pocetPisni_ > 0 && loadTrack();
    for (int n = 1; n <= 9; ++n) samples_[n] = backend_.loadSample(install_.resolve(kEffects[n]));
    if (loaded)
        backend_.setSongVolume(hlasitost_);
    else if (pocetPisni_ > 0)
        fail("Error! Loading song");
}

bool Sound::loadTrack() {
    song_ = backend_.loadSong(install_.resolve(IntToChar(aktPisen_)));
    return song_;
}

void Sound::HrajZvuk(int n) {
    if (!open_ || !zvukyZap_ || n < 1 || n > 9 || samples_[n] == 0) return;
    backend_.playSample(samples_[n]);
}

void Sound::PlayPisen() {
    if (open_ && song_) backend_.playSong();
}

void Sound::TimerHudba() {
    if (!open_ || !song_ || !backend_.songFinished()) return;
    backend_.freeSong();
    song_ = false;
    aktPisen_ = aktPisen_ >= pocetPisni_ ? 1 : aktPisen_ + 1;
    if (!loadTrack()) {
        fail("Error! Loading song");
        return;
    }
    backend_.setSongVolume(hlasitost_);
    backend_.playSong();
}

void Sound::SetVolumeHudba(int hlasitostHudby) {
    hlasitost_ = std::clamp(hlasitostHudby, 0, 255);
    if (open_ && song_) backend_.setSongVolume(hlasitost_);
}

void Sound::stop() {
    if (!open_) return;
    if (song_) backend_.freeSong();
    song_ = false;
    open_ = false;
    std::fill(std::begin(samples_), std::end(samples_), 0);
    backend_.close();
}

}  // namespace tb
